#include "GifWriter.h"

#include "base/TextWriter.h"

#include <algorithm>
#include <gif_lib.h>
#include <libimagequant.h>
#include <unordered_map>

namespace {

constexpr int GIF_COLORS = 256;

// A colour covering at least this share of the picture is one of the drawing's
// own (background, ruler band, track and lane colours) and keeps its exact
// value; the rest (antialiased edges, pictures) is left to the quantizer.
constexpr double FIXED_COLOR_SHARE = 0.001;
constexpr int MAX_FIXED_COLORS = 128;

using Histogram = std::unordered_map<uint32_t, uint32_t>;

Histogram CountColors(const QImage& image) {
    Histogram histogram;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++histogram[row[x] & 0xFFFFFF];
    }
    return histogram;
}

// 256 colours or fewer: each its own palette entry, the picture exact.
void ExactPalette(const QImage& image, const Histogram& histogram, IndexedImage& result) {
    std::unordered_map<uint32_t, uint8_t> index;
    for (const auto& entry : histogram) {
        index[entry.first] = static_cast<uint8_t>(result.PaletteSize);
        result.Palette[result.PaletteSize++] = entry.first;
    }
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            result.Indices[size_t(y) * result.Width + x] = index[row[x] & 0xFFFFFF];
    }
}

// The drawing's main colours, most used first.
std::vector<uint32_t> FixedColors(const Histogram& histogram, size_t pixels) {
    std::vector<std::pair<uint32_t, uint32_t>> byCount;
    for (const auto& [rgb, count] : histogram)
        if (count >= FIXED_COLOR_SHARE * pixels)
            byCount.push_back({count, rgb});
    std::sort(byCount.rbegin(), byCount.rend());
    std::vector<uint32_t> fixed;
    for (size_t i = 0; i < byCount.size() && i < MAX_FIXED_COLORS; ++i)
        fixed.push_back(byCount[i].second);
    return fixed;
}

// More than 256 colours: libimagequant chooses the palette around the fixed
// colours and maps the picture without dithering, so flat areas stay flat.
bool QuantizedPalette(const QImage& image, const Histogram& histogram, IndexedImage& result) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    liq_attr* attr = liq_attr_create();
    if (!attr)
        return false;
    liq_image* input =
        liq_image_create_rgba(attr, rgba.constBits(), rgba.width(), rgba.height(), 0);
    liq_result* quantized = nullptr;
    bool done = false;
    if (input) {
        for (uint32_t rgb : FixedColors(histogram, size_t(result.Width) * result.Height))
            liq_image_add_fixed_color(input, {static_cast<unsigned char>(rgb >> 16),
                                              static_cast<unsigned char>(rgb >> 8),
                                              static_cast<unsigned char>(rgb), 255});
        if (liq_image_quantize(input, attr, &quantized) == LIQ_OK) {
            liq_set_dithering_level(quantized, 0.0f);
            done = liq_write_remapped_image(quantized, input, result.Indices.data(),
                                            result.Indices.size()) == LIQ_OK;
            const liq_palette* palette = liq_get_palette(quantized);
            result.PaletteSize = static_cast<int>(std::min<unsigned>(palette->count, GIF_COLORS));
            for (int i = 0; i < result.PaletteSize; ++i)
                result.Palette[i] = uint32_t(palette->entries[i].r) << 16 |
                                    uint32_t(palette->entries[i].g) << 8 | palette->entries[i].b;
            liq_result_destroy(quantized);
        }
        liq_image_destroy(input);
    }
    liq_attr_destroy(attr);
    return done;
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
    result.Indices.resize(size_t(result.Width) * result.Height);
    const Histogram histogram = CountColors(image);
    if (histogram.size() <= GIF_COLORS) {
        ExactPalette(image, histogram, result);
        return result;
    }
    if (!QuantizedPalette(image, histogram, result))
        result.PaletteSize = 0; // WriteGif refuses a picture without a palette
    return result;
}

bool WriteGif(const QImage& image, const std::string& fileName) {
    const IndexedImage indexed = ReduceTo256Colors(image);
    if (indexed.PaletteSize == 0 && !indexed.Indices.empty())
        return false;
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
