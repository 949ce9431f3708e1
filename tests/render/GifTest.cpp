#include "TestFiles.h"
#include "toolkit/GifWriter.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(Gif, FewColoursArePaletteExact) {
    TempDir dir;
    QImage image(64, 32, QImage::Format_ARGB32_Premultiplied); // fewer than 256 colours
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y, qRgb((x + 64 * y) % 200, 255 - (x + 64 * y) % 200, 100));
    ASSERT_TRUE(WriteGif(image, dir.File("few.gif")));
    EXPECT_EQ(ReadFile(dir.File("few.gif")).substr(0, 6), "GIF89a");
    const QImage back(QString::fromStdString(dir.File("few.gif")));
    ASSERT_EQ(back.size(), image.size());
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(back.pixel(x, y) & 0xFFFFFF, image.pixel(x, y) & 0xFFFFFF) << x << "," << y;
}

TEST(Gif, ManyColoursAreReducedCloselyTo256) {
    QImage image(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            image.setPixel(x, y, qRgb(x, y, (x + y) / 2));
    const IndexedImage reduced = ReduceTo256Colors(image);
    EXPECT_EQ(reduced.PaletteSize, 256);
    double error = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const uint32_t c = reduced.Palette[reduced.Indices[y * 256 + x]];
            error += std::abs(int(c >> 16) - x) + std::abs(int((c >> 8) & 0xFF) - y);
        }
    EXPECT_LT(error / (256 * 256 * 2), 8.0); // within a few steps of each channel
}

// A picture of far more than 256 colours with the drawing's flat colours in
// it: the ruler band, the background and a track keep their exact values.
TEST(Gif, ManyColoursKeepTheDrawingsOwnColoursExact) {
    const QRgb ruler = qRgb(255, 255, 206), background = qRgb(255, 255, 255),
               track = qRgb(64, 64, 72), lane = qRgb(255, 0, 0);
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(background);
    for (int y = 40; y < 300; ++y)
        for (int x = 120; x < 400; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * 7 + y * 3) % 256));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 400; ++x)
            image.setPixel(x, y, ruler);
    for (int y = 60; y < 280; ++y)
        for (int x = 20; x < 100; ++x)
            image.setPixel(x, y, x == 60 ? lane : track);
    const IndexedImage reduced = ReduceTo256Colors(image);
    ASSERT_GT(reduced.PaletteSize, 0);
    ASSERT_LE(reduced.PaletteSize, 256);
    auto at = [&](int x, int y) { return reduced.Palette[reduced.Indices[y * 400 + x]]; };
    for (int x = 0; x < 400; ++x)
        ASSERT_EQ(at(x, 10), ruler & 0xFFFFFF) << x;
    for (int y = 60; y < 280; ++y) {
        ASSERT_EQ(at(40, y), track & 0xFFFFFF) << y;
        ASSERT_EQ(at(60, y), lane & 0xFFFFFF) << y;
        ASSERT_EQ(at(110, y), background & 0xFFFFFF) << y;
    }
}

TEST(Gif, FailedWriteKeepsTheOldFile) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("taken.gif/inner"));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    EXPECT_FALSE(WriteGif(image, dir.File("taken.gif")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken.gif/inner")));
}
