#pragma once
#include "../geometry/GeometryTestParts.h"
#include "render/PartRender.h"
#include "toolkit/DrawCanvas.h"
#include "toolkit/RasterBitmap.h"

#include <QImage>
#include <gtest/gtest.h>
#include <memory>

// Draws into a white raster bitmap or a white image through the canvas path,
// and reads pixels back as 0xRRGGBB.
struct RenderTarget {
    RasterBitmap Bitmap;
    QImage Canvas;
    std::unique_ptr<QPainter> Painter;
    std::unique_ptr<DrawCanvas> CanvasPath;
    P_VIEW View;

    explicit RenderTarget(bool raster, int width = 300, int height = 300) {
        View.UseBitmap = raster;
        if (raster) {
            Bitmap.SetSize(width, height);
            Bitmap.Clear(RGB_WHITE);
            Bitmap.BeginUpdate();
            View.Bitmap = &Bitmap;
        } else {
            Canvas = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
            Canvas.fill(Qt::white);
            Painter = std::make_unique<QPainter>(&Canvas);
            CanvasPath = std::make_unique<DrawCanvas>(*Painter);
            View.Canvas = CanvasPath.get();
        }
    }

    const QImage& Finish() {
        if (View.UseBitmap) {
            Bitmap.EndUpdate();
            return Bitmap.Pixels();
        }
        if (Painter->isActive())
            Painter->end();
        return Canvas;
    }

    Rgb Pixel(int x, int y) { return Finish().pixel(x, y) & 0xFFFFFF; }
};

// Colour c drawn at alpha 200 over white.
inline Rgb OverWhite(Rgb c) {
    auto mix = [](int channel) { return (channel * 200 + 255 * 55 + 127) / 255; };
    return (mix((c >> 16) & 0xFF) << 16) | (mix((c >> 8) & 0xFF) << 8) | mix(c & 0xFF);
}

inline int ChannelDistance(Rgb a, Rgb b) {
    int d = 0;
    for (int shift : {16, 8, 0})
        d = std::max(d, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return d;
}

#define EXPECT_COLOR_NEAR(actual, expected)                                                        \
    EXPECT_LE(ChannelDistance((actual), (expected)), 3)                                            \
        << std::hex << "actual 0x" << (actual) << " expected 0x" << (expected)

inline T_PLACED PlacedAt(T_PART& part, float x, float y, QuarterDegrees angle = 0) {
    T_PLACED placed;
    placed.X = x;
    placed.Y = y;
    placed.Angle = angle;
    placed.Part = &part;
    return placed;
}
