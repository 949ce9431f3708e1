#include "GeometryTestParts.h"
#include "geometry/Placement.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

T_PLACED Placed(T_PART& part, Pose pose) {
    T_PLACED placed;
    placed.X = pose.X;
    placed.Y = pose.Y;
    placed.Angle = pose.Angle;
    placed.Part = &part;
    return placed;
}

} // namespace

TEST(HitTest, HalvesOfAStraight) {
    L_PARTDEF def = Straight(10, 40);
    T_PART part = PartOf(def);
    const T_PLACED placed = Placed(part, {100, 100, 0});
    P_VIEW view;
    view.Scale = 2;
    const struct {
        float X, Y;
        int Hit;
    } cases[] = {{110, 120, 1}, {110, 140, 1}, {110, 141, 2}, {110, 180, 2}, {110, 181, 0},
                 {110, 99, 0},  {100, 110, 1}, {120, 110, 1}, {121, 110, 0}, {99, 110, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(HitTestPart(placed, view, c.X, c.Y), c.Hit) << c.X << "," << c.Y;
}

TEST(HitTest, TurnedStraight) {
    L_PARTDEF def = Straight(10, 40);
    T_PART part = PartOf(def);
    // At 90 degrees the part runs toward -x and lies across +y.
    const T_PLACED placed = Placed(part, {0, 0, 360});
    P_VIEW view;
    EXPECT_EQ(HitTestPart(placed, view, -5, 5), 1);
    EXPECT_EQ(HitTestPart(placed, view, -35, 5), 2);
    EXPECT_EQ(HitTestPart(placed, view, 5, 5), 0);
    EXPECT_EQ(HitTestPart(placed, view, -5, -5), 0);
}

TEST(HitTest, BordersWidenTheOppositeSides) {
    L_PARTDEF def = Straight(10, 40);
    def.InnerBorderWidth = 2;
    def.OuterBorderWidth = 3;
    T_PART inner = PartOf(def, PS_INNER_BORDER);
    T_PART outer = PartOf(def, PS_OUTER_BORDER);
    P_VIEW view;
    EXPECT_EQ(HitTestPart(Placed(inner, {0, 0, 0}), view, -2, 5), 1);
    EXPECT_EQ(HitTestPart(Placed(inner, {0, 0, 0}), view, -2.5f, 5), 0);
    EXPECT_EQ(HitTestPart(Placed(inner, {0, 0, 0}), view, 11, 5), 0);
    EXPECT_EQ(HitTestPart(Placed(outer, {0, 0, 0}), view, 13, 5), 1);
    EXPECT_EQ(HitTestPart(Placed(outer, {0, 0, 0}), view, -1, 5), 0);
    // The bit widens the area whatever the border draws.
    def.InnerBorderStep = 0;
    EXPECT_EQ(HitTestPart(Placed(inner, {0, 0, 0}), view, -2, 5), 1);
}

TEST(HitTest, HalvesOfCurves) {
    L_PARTDEF def = Curve(360, 30, 40);
    T_PART right = PartOf(def);
    T_PART left = PartOf(def, PS_LEFT);
    P_VIEW view;
    const T_PLACED r = Placed(right, {0, 0, 0}); // centre (-30, 0)
    const T_PLACED l = Placed(left, {0, 0, 0});  // centre (40, 0)
    const float c45 = 0.70710678f;
    const struct {
        const T_PLACED* Placed;
        float X, Y;
        int Hit;
    } cases[] = {
        {&r, 5, 5, 1},                             // near the start edge
        {&r, -30 + 35 * c45 - 0.01f, 35 * c45, 2}, // just past the middle bearing
        {&r, -30 + 35 * c45, 35 * c45 + 0.3f, 2},
        {&r, -25, 34, 2}, // near the end edge
        {&r, -30 + 35 * c45 + 0.3f, 35 * c45 - 0.3f, 1},
        {&r, 15, 1, 0},  // beyond the outer radius
        {&r, -2, 1, 0},  // inside the inner radius
        {&l, 5, 5, 1},   // left curve, near its start
        {&l, 38, 34, 2}, // left curve, near its end
        {&l, -5, 5, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HitTestPart(*c.Placed, view, c.X, c.Y), c.Hit) << c.X << "," << c.Y;
}

TEST(HitTest, ExactlyTheMiddleBearingIsTheSecondHalfOfARightCurve) {
    L_PARTDEF def = Curve(360, 30, 40);
    def.InnerBorderWidth = 1; // so that the inner edge itself lies well inside the area
    T_PART right = PartOf(def, PS_INNER_BORDER);
    P_VIEW view;
    EXPECT_EQ(HitTestPart(Placed(right, {0, 0, 0}), view, -30 + 30 * CosQ(180), 30 * SinQ(180)), 2);
}

TEST(HitTest, CurveBordersWidenTheRadii) {
    L_PARTDEF def = Curve(360, 30, 40);
    def.InnerBorderWidth = 4;
    def.OuterBorderWidth = 5;
    T_PART plain = PartOf(def);
    T_PART bordered = PartOf(def, PS_INNER_BORDER | PS_OUTER_BORDER);
    P_VIEW view;
    // Radius 27 (inner border) and 44 (outer border), at 10 degrees of arc.
    const float s = 0.17364818f, c = 0.98480775f;
    for (float radius : {27.0f, 44.0f}) {
        const float x = -30 + radius * c, y = radius * s;
        EXPECT_EQ(HitTestPart(Placed(plain, {0, 0, 0}), view, x, y), 0) << radius;
        EXPECT_EQ(HitTestPart(Placed(bordered, {0, 0, 0}), view, x, y), 1) << radius;
    }
}

TEST(HitTest, TopmostAndAllHitsAtAPoint) {
    L_PARTDEF def = Straight(10, 40);
    T_PART parts[40];
    auto placement = NewPlacement();
    for (int i = 0; i < 40; ++i) {
        parts[i] = PartOf(def);
        placement->Entries[placement->Count++] = Placed(parts[i], {0, 0, 0});
    }
    P_VIEW view;
    EXPECT_EQ(FindTopmostPart(*placement, view, 5, 5), &placement->Entries[39]);
    EXPECT_EQ(FindTopmostPart(*placement, view, 50, 5), nullptr);
    const PartsAt* hits = FindPartsAt(*placement, view, 5, 5);
    ASSERT_NE(hits, nullptr);
    ASSERT_EQ(hits->Count, MAX_PARTS_AT);
    EXPECT_EQ(hits->Hits[0], &placement->Entries[39]);
    EXPECT_EQ(hits->Hits[31], &placement->Entries[8]);
    EXPECT_EQ(hits->Hits[32], nullptr);
    EXPECT_EQ(FindPartsAt(*placement, view, 50, 5), nullptr);
}
