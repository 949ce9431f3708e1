#include "RenderFixture.h"
#include "freehand/Freehand.h"

// A 20 x 40 cm straight with lanes 10 cm apart, drawn at zoom 2 from (100, 50):
// it covers x 100..140, y 50..130; lanes at x 110 and 130.
struct PartRender : ::testing::Test {
    L_PARTDEF Def = Straight(20, 40);
    T_PART Part = PartOf(Def);

    PartRender() {
        Def.LaneDistance = 10;
        Def.Code = "S40";
    }
    T_PLACED Placed() { return PlacedAt(Part, 100, 50); }
    void Draw(RenderTarget& target, const T_PLACED& placed) {
        target.View.Scale = 2;
        DrawPlacedPart(placed, target.View);
    }
};

TEST_F(PartRender, FilledSurfaceInFillColourWithSilverOutline) {
    for (bool raster : {true, false}) {
        RenderTarget target(raster);
        T_PLACED placed = Placed();
        placed.FillColor = 0x204080;
        Draw(target, placed);
        const QImage& image = target.Finish();
        const Rgb inside = image.pixel(120, 70) & 0xFFFFFF;
        if (raster) {
            EXPECT_COLOR_NEAR(inside, OverWhite(0x204080));
        } else {
            EXPECT_EQ(inside, 0x204080u);
            EXPECT_EQ(image.pixel(100, 90) & 0xFFFFFF, RGB_SILVER); // the pen
        }
        EXPECT_EQ(image.pixel(150, 70) & 0xFFFFFF, RGB_WHITE);
    }
}

TEST_F(PartRender, SelectedPartIsBlueAndItsKerbsStayRedAndWhite) {
    Def.InnerBorderWidth = 5;
    Def.InnerBorderStep = 4; // segments of 10 cm: 20 px
    Part.Status = PS_INNER_BORDER;
    RenderTarget target(true);
    T_PLACED placed = Placed();
    placed.FillColor = RGB_BLUE;
    Draw(target, placed);
    EXPECT_COLOR_NEAR(target.Pixel(120, 70), OverWhite(RGB_BLUE));
    // The inner border lies beyond the width: x 140..150.
    EXPECT_COLOR_NEAR(target.Pixel(145, 60), OverWhite(RGB_RED));
    EXPECT_COLOR_NEAR(target.Pixel(145, 80), RGB_WHITE);
    EXPECT_COLOR_NEAR(target.Pixel(145, 100), OverWhite(RGB_RED));
}

TEST_F(PartRender, LanesInTheirColours) {
    RenderTarget target(true);
    T_PLACED placed = Placed();
    placed.FirstLaneColor = RGB_RED;
    placed.SecondLaneColor = RGB_GREEN;
    Draw(target, placed);
    EXPECT_EQ(target.Pixel(110, 90), RGB_RED);
    EXPECT_EQ(target.Pixel(130, 90), RGB_GREEN);
}

TEST_F(PartRender, UnfilledViewOutlinesInFillColourAndKerbsInRed) {
    Def.OuterBorderWidth = 5;
    Def.OuterBorderStep = 2;
    Part.Status = PS_OUTER_BORDER;
    RenderTarget target(false);
    target.View.Filled = false;
    T_PLACED placed = Placed();
    Draw(target, placed);
    EXPECT_EQ(target.Pixel(120, 70), RGB_WHITE); // not filled
    EXPECT_EQ(target.Pixel(100, 70), RGB_RED);   // the kerb outline covers the edge
    EXPECT_EQ(target.Pixel(140, 70), RGB_BLACK); // the surface outline
    EXPECT_EQ(target.Pixel(95, 70), RGB_WHITE);  // inside a kerb, not filled
}

TEST_F(PartRender, MonochromePrintingPensAndLanes) {
    Def.InnerBorderWidth = 5;
    Def.InnerBorderStep = 2;
    Part.Status = PS_INNER_BORDER;
    RenderTarget target(false);
    target.View.Printing = target.View.PrintMono = true;
    T_PLACED placed = Placed();
    placed.FirstLaneColor = placed.SecondLaneColor = RGB_WHITE; // as the placement gives them
    Draw(target, placed);
    EXPECT_EQ(target.Pixel(120, 70), RGB_BLACK);
    EXPECT_EQ(target.Pixel(110, 70), RGB_WHITE); // lane
    EXPECT_EQ(target.Pixel(140, 70), RGB_BLACK); // kerb pen covers the shared edge
    EXPECT_EQ(target.Pixel(145, 50), RGB_BLACK); // kerb pen
    EXPECT_EQ(target.Pixel(145, 60), RGB_RED);   // kerb fill
}

TEST_F(PartRender, EmptyPartShowsItsYellowArrowFilledEvenUnfilled) {
    L_PARTDEF empty = Straight(20, 20);
    empty.Type = PT_None;
    T_PART part = PartOf(empty);
    RenderTarget target(false);
    target.View.Filled = false;
    target.View.Scale = 2;
    DrawPlacedPart(PlacedAt(part, 100, 50), target.View);
    const QImage& image = target.Finish();
    EXPECT_EQ(image.pixel(120, 60) & 0xFFFFFF, RGB_YELLOW); // the shaft along the middle
    EXPECT_EQ(image.pixel(110, 60) & 0xFFFFFF, RGB_SILVER); // black fill shows silver
    EXPECT_EQ(image.pixel(100, 60) & 0xFFFFFF, RGB_BLACK);  // black pen
    EXPECT_EQ(image.pixel(114, 84) & 0xFFFFFF, RGB_YELLOW); // the left barb near the tip
}

TEST_F(PartRender, AnchorCrossAndLabelAtTheCentre) {
    RenderTarget target(true);
    T_PLACED placed = Placed();
    placed.Anchor = true;
    target.View.ShowPartCodes = true;
    Draw(target, placed);
    const QImage& image = target.Finish();
    // The box is 100..140 x 50..130: centre (120, 90).
    EXPECT_EQ(image.pixel(116, 90) & 0xFFFFFF, RGB_RED);
    EXPECT_EQ(image.pixel(120, 86) & 0xFFFFFF, RGB_RED);
    int yellow = 0;
    for (int y = 80; y < 100; ++y)
        for (int x = 105; x < 135; ++x)
            yellow += qRed(image.pixel(x, y)) > 150 && qGreen(image.pixel(x, y)) > 150 &&
                      qBlue(image.pixel(x, y)) < 100;
    EXPECT_GT(yellow, 5); // the code in yellow around the centre
}

TEST_F(PartRender, CanvasLabelIsBlackOnYellow) {
    RenderTarget target(false);
    target.View.ShowPartCodes = true;
    T_PLACED placed = Placed();
    placed.FillColor = RGB_BLUE;
    Draw(target, placed);
    const QImage& image = target.Finish();
    int yellow = 0, dark = 0;
    for (int y = 80; y < 100; ++y)
        for (int x = 100; x < 140; ++x) {
            const QRgb pixel = image.pixel(x, y);
            yellow += (pixel & 0xFFFFFF) == RGB_YELLOW;
            dark += qRed(pixel) < 150 && qGreen(pixel) < 150 && qBlue(pixel) < 80; // text ink
        }
    EXPECT_GT(yellow, 20);
    EXPECT_GT(dark, 5);
}

TEST_F(PartRender, EmptyPartHasNoLabel) {
    L_PARTDEF empty = Straight(40, 40);
    empty.Type = PT_None;
    empty.Code = "XXXX";
    T_PART part = PartOf(empty);
    RenderTarget target(false);
    target.View.ShowPartCodes = true;
    DrawPlacedPart(PlacedAt(part, 100, 50), target.View);
    const QImage& image = target.Finish();
    for (int y = 52; y < 88; ++y)
        for (int x = 102; x < 138; ++x)
            ASSERT_NE(image.pixel(x, y) & 0xFFFFFF, RGB_BLACK) << x << "," << y;
}

TEST_F(PartRender, MeasuringDrawsNothingButKeepsTheBox) {
    RenderTarget target(true);
    target.View.ShowPartCodes = true;
    target.View.MeasureOnly = true;
    target.View.CollectBounds = true;
    target.View.Box.Reset();
    Draw(target, Placed());
    EXPECT_EQ(target.View.Box.MinX, 100);
    EXPECT_EQ(target.View.Box.MaxY, 130);
    for (int y = 0; y < 300; y += 3)
        for (int x = 0; x < 300; x += 3)
            ASSERT_EQ(target.Finish().pixel(x, y) & 0xFFFFFF, RGB_WHITE);
}

TEST_F(PartRender, TooSmallCurveDrawsNothingAndKeepsNoBox) {
    L_PARTDEF curve = Curve(20, 30, 45);
    T_PART part = PartOf(curve);
    RenderTarget target(true);
    target.View.CollectBounds = true;
    target.View.Box = BoundingBox{10, 10, 20, 20};
    T_PLACED placed = PlacedAt(part, 150, 150);
    placed.Anchor = true;
    DrawPlacedPart(placed, target.View);
    EXPECT_EQ(target.View.Box.MinX, 10);
    EXPECT_EQ(target.View.Box.MaxX, 20);
    EXPECT_EQ(target.Pixel(0, 0), RGB_WHITE); // no cross at the reset box's centre
    EXPECT_EQ(target.Pixel(150, 150), RGB_WHITE);
}

TEST_F(PartRender, PartsOutsideTheTargetStillCountInTheBox) {
    RenderTarget target(true, 50, 50);
    target.View.CollectBounds = true;
    target.View.Box.Reset();
    Draw(target, Placed());
    EXPECT_EQ(target.View.Box.MinX, 100);
    EXPECT_EQ(target.View.Box.MaxX, 140);
}

TEST_F(PartRender, SilkscreenLaneMarksFollowLanesAndMirroring) {
    // A red mark along the first lane of a right-hand curve is mirrored to the
    // other side of the curve and takes the second lane colour.
    L_PARTDEF curve = Curve(360, 30, 50);
    F_SHAPE* mark = curve.Silkscreen.Create().AddShape();
    mark->Kind = SK_Polyline;
    mark->Color = 255; // pure red, stored 0x00BBGGRR
    mark->AddPoint(5, 0);
    mark->AddPoint(5, 10);
    T_PART right = PartOf(curve, PS_RIGHT);
    RenderTarget target(true);
    T_PLACED placed = PlacedAt(right, 150, 50);
    placed.FirstLaneColor = 0x0000FF;
    placed.SecondLaneColor = 0xFFFF00;
    DrawPlacedPart(placed, target.View);
    // Mirrored: x -5, moved across by the width 20 (at zoom 1): x = 150 + 15.
    const QRgb mirrored = target.Finish().pixel(165, 55);
    EXPECT_GT(qRed(mirrored), 180);
    EXPECT_GT(qGreen(mirrored), 180);
    EXPECT_LT(qBlue(mirrored), 60);
    EXPECT_LT(qRed(target.Finish().pixel(155, 55)), 100); // nothing where it was stored
    EXPECT_EQ(target.View.FirstLaneColor, 0xFFFF00u);
}

// A preview draws a page of printer units onto a small image through a
// scaling painter: parts far beyond the image's own pixels still show.
TEST_F(PartRender, ShowsThroughAScalingPainter) {
    RenderTarget target(false);
    target.Painter->scale(0.1, 0.1);
    T_PLACED placed = PlacedAt(Part, 2000, 1000);
    placed.FillColor = 0x204080;
    target.View.Scale = 20; // covers 2000..2400 x 1000..1800 before the painter scales it
    DrawPlacedPart(placed, target.View);
    EXPECT_EQ(target.Pixel(220, 140), 0x204080u);
}
