#include "GifWriter.h"

#include "base/TextWriter.h"

#include <algorithm>
#include <gif_lib.h>
#include <unordered_map>

namespace {

constexpr int GIF_COLORS = 256;

struct ColorCount {
    uint32_t Rgb;
    uint32_t Count;
};

int Channel(uint32_t rgb, int channel) {
    return (rgb >> (16 - 8 * channel)) & 0xFF;
}

// A box of the median cut: a range of the colour list.
struct Box {
    int Begin;
    int End;
    int WidestChannel = 0;
    int Width = 0;
};

void Measure(const std::vector<ColorCount>& colors, Box& box) {
    int low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
    for (int i = box.Begin; i < box.End; ++i)
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], Channel(colors[i].Rgb, c));
            high[c] = std::max(high[c], Channel(colors[i].Rgb, c));
        }
    box.Width = -1;
    for (int c = 0; c < 3; ++c)
        if (high[c] - low[c] > box.Width) {
            box.Width = high[c] - low[c];
            box.WidestChannel = c;
        }
}

// Splits the box at the pixel-weighted median of its widest channel.
Box Split(std::vector<ColorCount>& colors, Box& box) {
    const int channel = box.WidestChannel;
    std::sort(colors.begin() + box.Begin, colors.begin() + box.End,
              [channel](const ColorCount& a, const ColorCount& b) {
                  return Channel(a.Rgb, channel) < Channel(b.Rgb, channel);
              });
    uint64_t total = 0;
    for (int i = box.Begin; i < box.End; ++i)
        total += colors[i].Count;
    uint64_t seen = 0;
    int middle = box.Begin + 1;
    for (int i = box.Begin; i < box.End - 1; ++i) {
        seen += colors[i].Count;
        middle = i + 1;
        if (seen * 2 >= total)
            break;
    }
    Box upper{middle, box.End};
    box.End = middle;
    Measure(colors, box);
    Measure(colors, upper);
    return upper;
}

uint32_t Average(const std::vector<ColorCount>& colors, const Box& box) {
    uint64_t sum[3] = {0, 0, 0}, total = 0;
    for (int i = box.Begin; i < box.End; ++i) {
        for (int c = 0; c < 3; ++c)
            sum[c] += uint64_t(Channel(colors[i].Rgb, c)) * colors[i].Count;
        total += colors[i].Count;
    }
    uint32_t rgb = 0;
    for (int c = 0; c < 3; ++c)
        rgb |= uint32_t((sum[c] + total / 2) / total) << (16 - 8 * c);
    return rgb;
}

int GifOutput(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

} // namespace

IndexedImage ReduceTo256Colors(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    IndexedImage result;
    result.Width = image.width();
    result.Height = image.height();
    std::unordered_map<uint32_t, uint32_t> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++histogram[row[x] & 0xFFFFFF];
    }
    std::vector<ColorCount> colors;
    colors.reserve(histogram.size());
    for (const auto& [rgb, count] : histogram)
        colors.push_back({rgb, count});
    std::sort(colors.begin(), colors.end(),
              [](const ColorCount& a, const ColorCount& b) { return a.Rgb < b.Rgb; });
    std::vector<Box> boxes{Box{0, static_cast<int>(colors.size())}};
    Measure(colors, boxes[0]);
    while (boxes.size() < GIF_COLORS) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return (a.End - a.Begin > 1 ? a.Width : -1) < (b.End - b.Begin > 1 ? b.Width : -1);
        });
        if (widest->End - widest->Begin < 2)
            break; // every colour has a box of its own: the palette is exact
        boxes.push_back(Split(colors, *widest));
    }
    std::unordered_map<uint32_t, uint8_t> index;
    result.PaletteSize = static_cast<int>(boxes.size());
    for (size_t b = 0; b < boxes.size(); ++b) {
        result.Palette[b] = Average(colors, boxes[b]);
        for (int i = boxes[b].Begin; i < boxes[b].End; ++i)
            index[colors[i].Rgb] = static_cast<uint8_t>(b);
    }
    result.Indices.resize(size_t(result.Width) * result.Height);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            result.Indices[size_t(y) * result.Width + x] = index[row[x] & 0xFFFFFF];
    }
    return result;
}

bool WriteGif(const QImage& image, const std::string& fileName) {
    const IndexedImage indexed = ReduceTo256Colors(image);
    std::string bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, GifOutput, &error);
    if (!gif)
        return false;
    EGifSetGifVersion(gif, true);
    GifColorType colors[GIF_COLORS] = {};
    for (int i = 0; i < indexed.PaletteSize; ++i)
        colors[i] =
            GifColorType{GifByteType(indexed.Palette[i] >> 16),
                         GifByteType(indexed.Palette[i] >> 8), GifByteType(indexed.Palette[i])};
    ColorMapObject* map = GifMakeMapObject(GIF_COLORS, colors);
    bool ok = map && EGifPutScreenDesc(gif, indexed.Width, indexed.Height, 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, indexed.Width, indexed.Height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.Height; ++y)
        ok =
            EGifPutLine(gif, const_cast<GifPixelType*>(&indexed.Indices[size_t(y) * indexed.Width]),
                        indexed.Width) == GIF_OK;
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    GifFreeMapObject(map);
    return ok && WriteFileAtomically(fileName, bytes);
}
