#pragma once
#include <QImage>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// An image reduced to 256 colours: exact when it has no more, otherwise by
// median cut of its colour histogram.
struct IndexedImage {
    int Width = 0;
    int Height = 0;
    std::array<uint32_t, 256> Palette{}; // 0xRRGGBB
    int PaletteSize = 0;
    std::vector<uint8_t> Indices; // Width x Height
};
IndexedImage ReduceTo256Colors(const QImage& image);

// Writes the image as a one-frame GIF89a; the old file is replaced only once
// the new one is complete. False when it could not be written.
bool WriteGif(const QImage& image, const std::string& fileName);
