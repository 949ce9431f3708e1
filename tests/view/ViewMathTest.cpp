#include "view/ViewMath.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<P_PANEL> Panel(int width, int height, float zoom, ViewOffset offset) {
    auto panel = std::make_unique<P_PANEL>();
    panel->SetSize(width, height);
    panel->Zoom = zoom;
    panel->Offset = offset;
    return panel;
}

} // namespace

TEST(ViewMath, PanelDefaults) {
    P_PANEL panel;
    EXPECT_EQ(panel.Zoom, 1.0f);
    EXPECT_TRUE(panel.Filled && panel.Ruler && panel.Grid && panel.ColorLanes);
    EXPECT_FALSE(panel.ShowPoints || panel.ShowOutOfStock || panel.ColorOutOfStock ||
                 panel.ShowPartCodes);
    EXPECT_EQ(panel.GridX, 10.0f);
    EXPECT_EQ(panel.View.SelectedColor, RGB_BLUE);
    EXPECT_EQ(panel.View.FirstLaneColor, RGB_SILVER);
    EXPECT_EQ(panel.View.SelectionFirst, -1);
    EXPECT_TRUE(panel.View.BlitWhenDone);
    EXPECT_FALSE(panel.View.UseBitmap);
}

TEST(ViewMath, WorldToScreenAndBack) {
    auto panel = Panel(800, 600, 2.0f, {10, -4});
    EXPECT_EQ(WorldToScreenX(*panel, 5), 420.0f);
    EXPECT_EQ(WorldToScreenY(*panel, 5), 306.0f);
    const WorldPoint world = ScreenToWorld(*panel, 420, 306);
    EXPECT_FLOAT_EQ(world.X, 5);
    EXPECT_FLOAT_EQ(world.Y, 5);
    panel->SetSize(801, 601);
    EXPECT_EQ(panel->CentreX, 400);
    EXPECT_EQ(panel->CentreY, 300);
    panel->PrepareView();
    EXPECT_EQ(panel->View.OriginX, 410.0f);
    EXPECT_EQ(panel->View.OriginY, 296.0f);
    EXPECT_EQ(panel->View.Scale, 2.0f);
}

TEST(ViewMath, SnapToGridRoundsHalvesAwayFromZero) {
    auto panel = Panel(800, 600, 1.0f, {});
    const struct {
        bool Metric;
        float X, Y, SnappedX, SnappedY;
    } cases[] = {{true, 14.9f, 15.0f, 10, 20},
                 {true, -15.0f, -14.9f, -20, -10},
                 {true, 0.0f, 4.99f, 0, 0},
                 {false, 12.7f, 12.6f, 25.4f, 0},
                 {false, -38.1f, 1, -50.8f, 0}};
    for (const auto& c : cases) {
        float x = c.X, y = c.Y;
        SnapToGrid(*panel, c.Metric, x, y);
        EXPECT_NEAR(x, c.SnappedX, 1e-4) << c.X;
        EXPECT_NEAR(y, c.SnappedY, 1e-4) << c.Y;
    }
    panel->Grid = false;
    float x = 14.9f, y = 3;
    SnapToGrid(*panel, true, x, y);
    EXPECT_EQ(x, 14.9f);
}

// Each axis snaps to its own spacing: a swap of the two would pass square grids.
TEST(ViewMath, SnapToGridKeepsEachAxisToItsOwnSpacing) {
    auto panel = Panel(800, 600, 1.0f, {});
    panel->GridX = 4;
    panel->GridY = 25;
    const struct {
        bool Metric;
        float X, Y, SnappedX, SnappedY;
    } cases[] = {{true, 13.9f, 13.9f, 12, 25},
                 {true, -6.1f, -37.6f, -8, -50},
                 {false, 11.0f, 40.0f, 4 * 2.54f, 25 * 2.54f}};
    for (const auto& c : cases) {
        float x = c.X, y = c.Y;
        SnapToGrid(*panel, c.Metric, x, y);
        EXPECT_NEAR(x, c.SnappedX, 1e-4) << c.X;
        EXPECT_NEAR(y, c.SnappedY, 1e-4) << c.Y;
    }
}

TEST(ViewMath, ZoomBarAndFields) {
    EXPECT_FLOAT_EQ(ZoomFromBar(1), 0.275f);
    EXPECT_FLOAT_EQ(ZoomFromBar(24), 2.0f);
    EXPECT_FLOAT_EQ(ZoomFromBar(48), 3.8f);
    EXPECT_EQ(FormatZoom(3.8f), " 3.8000");
    EXPECT_EQ(FormatZoom(12.5f), " 12.5000");
    EXPECT_FLOAT_EQ(*ParseZoomEntry("2.5"), 2.5f);
    EXPECT_FLOAT_EQ(*ParseZoomEntry(" 0.01"), 0.01f);
    for (const char* refused : {"0", "-1", "abc", "", " ", "0.0"})
        EXPECT_FALSE(ParseZoomEntry(refused).has_value()) << refused;
}

TEST(ViewMath, GridSpacingEntries) {
    EXPECT_FLOAT_EQ(*ParseGridEntry("2.54"), 2.54f);
    EXPECT_FLOAT_EQ(*ParseGridEntry("0.1"), 0.1f);
    for (const char* refused : {"0.05", "abc", "", "-3"})
        EXPECT_FALSE(ParseGridEntry(refused).has_value()) << refused;
    EXPECT_EQ(FormatGridSpacing(10.0f), "10.0000");
    EXPECT_EQ(FormatGridSpacing(0.1f), "0.1000");
}

TEST(ViewMath, PointerPositionTexts) {
    auto panel = Panel(800, 600, 2.0f, {});
    PointerTexts texts = PointerPositionTexts(*panel, true, DistanceState{}, 400, 300);
    EXPECT_EQ(texts.Position, "( 0.0000, 0.0000) m");
    EXPECT_EQ(texts.Distance, "");
    texts = PointerPositionTexts(*panel, true, DistanceState{}, 600, 100);
    EXPECT_EQ(texts.Position, "( 1.0000, -1.0000) m");
    texts = PointerPositionTexts(*panel, false, DistanceState{true, 400, 300}, 460, 380);
    // 30 by 40 cm from the origin: 50 cm.
    EXPECT_EQ(texts.Position, "( 0.9843, 1.3123) ft");
    EXPECT_EQ(texts.Distance, "1.6404 ft");
}

TEST(ViewMath, CentreAndZoom) {
    auto panel = Panel(800, 600, 1.0f, {});
    BoundingBox box{100, 100, 500, 200}; // 400 x 100 pixels
    EXPECT_FLOAT_EQ(*FitZoom(*panel, box), 2.0f * 0.98f);
    BoundingBox reset;
    reset.Reset();
    EXPECT_FALSE(FitZoom(*panel, reset).has_value());
    BoundingBox flat{10, 50, 210, 50};
    EXPECT_FLOAT_EQ(*FitZoom(*panel, flat), 4.0f * 0.98f);
    // The box measured at the new zoom moves to the centre.
    panel->Offset = {20, 0};
    const ViewOffset offset = CentreOffset(*panel, BoundingBox{0, 0, 200, 100});
    EXPECT_FLOAT_EQ(offset.X, -(0 - 400 - 20 + 100));
    EXPECT_FLOAT_EQ(offset.Y, -(0 - 300 - 0 + 50));
}
