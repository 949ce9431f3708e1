#include "RenderFixture.h"
#include "render/Primitives.h"

TEST(DrawCanvas, ExclusiveOrDrawingTwiceRestoresThePixels) {
    RenderTarget target(false, 50, 50);
    target.Painter->fillRect(0, 0, 50, 50, QColor(0x12, 0x34, 0x56));
    DrawCanvas& canvas = *target.CanvasPath;
    canvas.SetXor(true);
    canvas.SetPen(0x00FFFF);
    for (int pass = 0; pass < 2; ++pass) {
        canvas.MoveTo(5, 10);
        canvas.LineTo(40, 10);
    }
    canvas.SetXor(false);
    EXPECT_EQ(target.Pixel(20, 10), 0x123456u);
}

TEST(DrawCanvas, ExclusiveOrDrawingShowsOnce) {
    RenderTarget target(false, 50, 50);
    target.Painter->fillRect(0, 0, 50, 50, QColor(0x12, 0x34, 0x56));
    target.CanvasPath->SetXor(true);
    target.CanvasPath->SetPen(0x00FFFF);
    target.CanvasPath->MoveTo(5, 10);
    target.CanvasPath->LineTo(40, 10);
    EXPECT_EQ(target.Pixel(20, 10), 0x12CBA9u); // 0x123456 ^ 0x00FFFF
}

TEST(RasterBitmap, OpaquePixelsBandsAndTheCopyToTheWindow) {
    RasterBitmap bitmap;
    bitmap.SetSize(40, 30);
    bitmap.Clear(RGB_WHITE);
    bitmap.BeginUpdate();
    bitmap.FillRect(0, 0, 10, 30, 0xF0F0E6);
    bitmap.SetPixel(20, 20, RGB_BLACK);
    bitmap.SetPixel(99, 99, RGB_BLACK); // outside: ignored
    bitmap.EndUpdate();
    QImage window;
    bitmap.CopyTo(window);
    ASSERT_EQ(window.size(), QSize(40, 30));
    EXPECT_EQ(window.pixel(9, 29) & 0xFFFFFF, 0xF0F0E6u);
    EXPECT_EQ(window.pixel(10, 29) & 0xFFFFFF, RGB_WHITE);
    EXPECT_EQ(window.pixel(20, 20) & 0xFFFFFF, RGB_BLACK);
}

// At a high zoom a part's far corner lies beyond 32767 pixels.
TEST(RasterBitmap, APolygonReachingBeyondTheShortRangeStillCoversTheBitmap) {
    RenderTarget target(true, 40, 30);
    const PixelPoint band[] = {{-10, 10}, {40000, 10}, {40000, 20}, {-10, 20}};
    FilledPolygon(target.View, band, 4, RGB_BLACK, RGB_BLACK);
    const QImage& pixels = target.Finish();
    EXPECT_NE(pixels.pixel(20, 15) & 0xFFFFFF, RGB_WHITE);
    EXPECT_EQ(pixels.pixel(20, 25) & 0xFFFFFF, RGB_WHITE);
}
