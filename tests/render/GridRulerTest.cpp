#include "render/GridRuler.h"
#include "RenderFixture.h"
#include "view/Panel.h"

namespace {

constexpr Rgb RULER = 0xF0F0E6;

// A 200 x 200 raster panel drawn with one of the two marks.
std::unique_ptr<P_PANEL> Panel(float zoom, ViewOffset offset) {
    auto panel = std::make_unique<P_PANEL>();
    panel->SetSize(200, 200);
    panel->Zoom = zoom;
    panel->Offset = offset;
    panel->View.UseBitmap = true;
    panel->Bitmap.Clear(RGB_WHITE);
    return panel;
}

Rgb At(const P_PANEL& panel, int x, int y) {
    return panel.Bitmap.Pixels().pixel(x, y) & 0xFFFFFF;
}

} // namespace

TEST(Grid, DotsOnWorldMultiplesAndTheOriginCross) {
    auto panel = Panel(1.0f, {23, -7});
    DrawGrid(*panel, true);
    // The world origin lies at (123, 93); dots every 10 pixels from there.
    EXPECT_EQ(At(*panel, 103, 83), RGB_BLACK);
    EXPECT_EQ(At(*panel, 183, 13), RGB_BLACK);
    EXPECT_EQ(At(*panel, 3, 193), RGB_BLACK);
    EXPECT_EQ(At(*panel, 108, 83), RGB_WHITE);
    EXPECT_EQ(At(*panel, 103, 88), RGB_WHITE);
    for (int d : {-2, 0, 2})
        EXPECT_EQ(At(*panel, 123, 93 + d), RGB_RED) << d;
    EXPECT_EQ(At(*panel, 125, 93), RGB_RED);
    EXPECT_EQ(At(*panel, 121, 93), RGB_RED);
}

TEST(Grid, InchSpacingWhenNotMetric) {
    auto panel = Panel(2.0f, {});
    panel->GridX = panel->GridY = 5; // 5 inches: 25.4 pixels at zoom 2
    DrawGrid(*panel, false);
    EXPECT_EQ(At(*panel, 125, 125), RGB_BLACK);
    EXPECT_EQ(At(*panel, 150, 150), RGB_BLACK);
    EXPECT_EQ(At(*panel, 74, 100), RGB_BLACK); // 100 - 25.4, truncated
    EXPECT_EQ(At(*panel, 120, 120), RGB_WHITE);
}

TEST(Grid, DenserThanTwoPixelsShowsOnlyTheOrigin) {
    auto panel = Panel(0.1f, {});
    DrawGrid(*panel, true);
    EXPECT_EQ(At(*panel, 100, 100), RGB_RED);
    EXPECT_EQ(At(*panel, 50, 50), RGB_WHITE);
}

TEST(Ruler, BandsEdgesAndTicks) {
    auto panel = Panel(1.0f, {});
    DrawRuler(*panel, true);
    EXPECT_EQ(At(*panel, 5, 150), RULER);
    EXPECT_EQ(At(*panel, 150, 5), RULER);
    EXPECT_EQ(At(*panel, 150, 12), RGB_BLACK);
    EXPECT_EQ(At(*panel, 12, 150), RGB_BLACK);
    EXPECT_EQ(At(*panel, 50, 50), RGB_WHITE);
    // Ticks every 10 pixels from the centre: long at the phase point, short beside it.
    EXPECT_EQ(At(*panel, 1, 100), RGB_BLACK);
    EXPECT_EQ(At(*panel, 7, 110), RGB_BLACK);
    EXPECT_EQ(At(*panel, 3, 110), RULER);
    EXPECT_EQ(At(*panel, 100, 1), RGB_BLACK);
    EXPECT_EQ(At(*panel, 90, 3), RULER);
}

TEST(Ruler, LongTicksEveryMetreOrEveryThreeFeet) {
    auto metric = Panel(0.2f, {}); // ticks every 2 px, long every 20
    DrawRuler(*metric, true);
    EXPECT_EQ(At(*metric, 1, 120), RGB_BLACK);
    EXPECT_EQ(At(*metric, 1, 110), RULER);
    auto feet = Panel(0.2f, {}); // a foot is 6.096 px, long every 3 ticks
    DrawRuler(*feet, false);
    EXPECT_EQ(At(*feet, 1, 118), RGB_BLACK); // 100 + 3 x 6.096, truncated
    EXPECT_EQ(At(*feet, 1, 106), RULER);
}
