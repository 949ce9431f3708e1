#include "render/FreehandRender.h"
#include "RenderFixture.h"
#include "freehand/Freehand.h"

namespace {

F_SHAPE Line(int32_t storedColor, float x1, float y1, float x2, float y2) {
    F_SHAPE shape;
    shape.Kind = SK_Polyline;
    shape.Color = storedColor;
    shape.AddPoint(x1, y1);
    shape.AddPoint(x2, y2);
    return shape;
}

constexpr int32_t STORED_RED = 0x0000FF;
constexpr int32_t STORED_GREEN = 0x00FF00;
constexpr int32_t STORED_SILVER = 0xC0C0C0;
constexpr int32_t STORED_ORANGE = 0x0080FF; // RGB 0xFF8000

// Rows of the image that hold any pixel darker than light grey.
int InkHeight(const QImage& image) {
    int top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return bottom - top + 1;
}

} // namespace

TEST(FreehandRender, RedAndGreenTakeTheLaneColoursSilverStays) {
    const struct {
        int32_t Stored;
        Rgb Drawn;
    } cases[] = {{STORED_RED, 0x0000FF},
                 {STORED_GREEN, 0xFFFF00},
                 {STORED_SILVER, RGB_SILVER},
                 {STORED_ORANGE, 0xFF8000}};
    for (const auto& c : cases) {
        RenderTarget target(false);
        target.View.FirstLaneColor = 0x0000FF;
        target.View.SecondLaneColor = 0xFFFF00;
        DrawShape(Line(c.Stored, 10, 10, 100, 10), target.View, false);
        EXPECT_EQ(target.Pixel(50, 10), c.Drawn) << std::hex << c.Stored;
    }
}

TEST(FreehandRender, SelectedShapeIsBlueAndNeverALaneColour) {
    RenderTarget target(false);
    const F_SHAPE shape = Line(STORED_RED, 10, 10, 100, 10);
    target.View.SelectedShape = &shape;
    target.View.FirstLaneColor = RGB_GREEN;
    DrawShape(shape, target.View, false);
    EXPECT_EQ(target.Pixel(50, 10), RGB_BLUE);
}

TEST(FreehandRender, MonochromePrintingTurnsLaneColoursWhiteOrBlack) {
    for (bool filled : {true, false}) {
        RenderTarget target(false);
        target.View.Printing = target.View.PrintMono = true;
        target.View.Filled = filled;
        target.Painter->fillRect(0, 0, 300, 300, QColor(128, 128, 128));
        DrawShape(Line(STORED_GREEN, 10, 10, 100, 10), target.View, false);
        DrawShape(Line(STORED_ORANGE, 10, 30, 100, 30), target.View, false);
        EXPECT_EQ(target.Pixel(50, 10), filled ? RGB_WHITE : RGB_BLACK);
        EXPECT_EQ(target.Pixel(50, 30), 0xFF8000u); // other colours stay
    }
}

TEST(FreehandRender, RasterLinesAreDrawnAtAlpha200) {
    RenderTarget target(true);
    DrawShape(Line(STORED_ORANGE, 10, 10, 100, 10), target.View, false);
    EXPECT_COLOR_NEAR(target.Pixel(50, 10), OverWhite(0xFF8000));
}

// A text has one size in the world on every target: the screen's bitmap, a
// window, a printer of any resolution. Its capitals stand 0.7 of a font
// of size x 0.5 cm.
TEST(FreehandRender, TextHasOneHeightInTheWorldOnEveryPath) {
    F_SHAPE text;
    text.Kind = SK_Text;
    text.Text = "H";
    text.TextSize = 20;
    text.AddPoint(10, 10);
    struct Case {
        bool Raster;
        float Scale;
        int Dpi; // of the canvas's device
    } cases[] = {{true, 1.56f, 96}, {true, 4, 96},   {false, 1.56f, 96},
                 {false, 4, 96},    {false, 4, 600}, {false, 8, 300}};
    for (const Case& c : cases) {
        RenderTarget target(c.Raster, 300, 300);
        if (!c.Raster) {
            target.Painter->end();
            const int dotsPerMetre = static_cast<int>(std::lround(c.Dpi / 0.0254));
            target.Canvas.setDotsPerMeterX(dotsPerMetre);
            target.Canvas.setDotsPerMeterY(dotsPerMetre);
            target.Painter->begin(&target.Canvas);
        }
        target.View.Scale = c.Scale;
        DrawShape(text, target.View, false);
        const double cap = TextPixelSize(20, c.Scale) * TEXT_CAP_HEIGHT_PER_FONT;
        EXPECT_NEAR(InkHeight(target.Finish()), cap, 1.0 + cap * 0.05)
            << (c.Raster ? "raster" : "canvas") << " at " << c.Scale << ", " << c.Dpi << " dpi";
    }
}

TEST(FreehandRender, OnePointPolylineShowsOnlyItsVertexMark) {
    F_SHAPE shape;
    shape.Kind = SK_Polyline;
    shape.AddPoint(50, 50);
    for (bool showPoints : {false, true}) {
        RenderTarget target(false);
        target.View.ShowPoints = showPoints;
        DrawShape(shape, target.View, false);
        EXPECT_EQ(target.Pixel(53, 50), showPoints ? RGB_BLUE : RGB_WHITE);
        EXPECT_EQ(target.Pixel(50, 50), RGB_WHITE);
    }
}

TEST(FreehandRender, MirroredRectangleKeepsItsSizeAcrossTheReferenceEdge) {
    F_SHAPE rectangle;
    rectangle.Kind = SK_Rectangle;
    rectangle.AddPoint(10, 10);
    rectangle.AddPoint(30, 40);
    RenderTarget target(false);
    target.View.OriginX = 100;
    DrawShape(rectangle, target.View, true);
    // Reflected: x from -10 to -30, at origin 100: 90 .. 70.
    EXPECT_EQ(target.Pixel(90, 25), RGB_BLACK);
    EXPECT_EQ(target.Pixel(70, 25), RGB_BLACK);
    EXPECT_EQ(target.Pixel(80, 40), RGB_BLACK);
    EXPECT_EQ(target.Pixel(110, 25), RGB_WHITE);
    EXPECT_EQ(target.Pixel(80, 25), RGB_WHITE);
}

TEST(FreehandRender, FilledShapesFillOnlyWhenTheViewFills) {
    F_SHAPE box;
    box.Kind = SK_FilledRectangle;
    box.Color = STORED_ORANGE;
    box.AddPoint(10, 10);
    box.AddPoint(60, 60);
    for (bool filled : {true, false}) {
        RenderTarget target(true);
        target.View.Filled = filled;
        DrawShape(box, target.View, false);
        EXPECT_COLOR_NEAR(target.Pixel(35, 35), filled ? OverWhite(0xFF8000) : RGB_WHITE);
    }
}

TEST(FreehandRender, EllipseIsDrawnIntoTheRasterBitmapToo) {
    F_SHAPE ellipse;
    ellipse.Kind = SK_Ellipse;
    ellipse.Color = STORED_ORANGE;
    ellipse.AddPoint(10, 10);
    ellipse.AddPoint(60, 40);
    RenderTarget target(true);
    DrawShape(ellipse, target.View, false);
    EXPECT_COLOR_NEAR(target.Pixel(35, 25), OverWhite(0xFF8000));
    EXPECT_EQ(target.Pixel(12, 12), RGB_WHITE); // outside the ellipse, inside its box
}

TEST(FreehandRender, ViewAngleTurnsPointsButNotText) {
    F_SHAPE line = Line(0, 0, 0, 40, 0);
    RenderTarget target(false);
    target.View.OriginX = 100;
    target.View.OriginY = 100;
    target.View.Angle = 360; // x now runs down the screen
    DrawShape(line, target.View, false);
    EXPECT_EQ(target.Pixel(100, 120), RGB_BLACK);
    EXPECT_EQ(target.Pixel(120, 100), RGB_WHITE);
}
