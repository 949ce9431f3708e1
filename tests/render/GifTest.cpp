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

TEST(Gif, FailedWriteKeepsTheOldFile) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("taken.gif/inner"));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    EXPECT_FALSE(WriteGif(image, dir.File("taken.gif")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken.gif/inner")));
}
