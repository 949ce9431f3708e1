#include "geometry/PartGeometry.h"
#include "GeometryTestParts.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

Pose Advance(const T_PART& part, Pose pose, float scale = 1.0f) {
    AdvancePose(part, pose.X, pose.Y, pose.Angle, scale);
    return pose;
}

} // namespace

TEST(PartGeometry, EndPoseOfEveryType) {
    L_PARTDEF straight = Straight(10, 35);
    L_PARTDEF right = Curve(360, 30, 45);
    L_PARTDEF adapter;
    adapter.Type = PT_Interface;
    adapter.InterfaceWidth1 = 10;
    adapter.InterfaceWidth2 = 20;
    adapter.InterfaceLength = 15;
    L_PARTDEF chicane;
    chicane.Type = PT_Freeform;
    chicane.FreeformNextX = 3;
    chicane.FreeformNextY = 30;
    chicane.FreeformAngle = -40;
    L_PARTDEF empty = Straight(12, 12);
    empty.Type = PT_None;
    L_PARTDEF unknown = Straight(10, 10);
    unknown.Type = 9;
    const struct {
        const char* Name;
        T_PART Part;
        Pose Start;
        Pose End;
    } cases[] = {
        {"straight", PartOf(straight), {0, 0, 0}, {0, 35, 0}},
        {"straight turned", PartOf(straight), {5, 5, 360}, {-30, 5, 360}},
        {"right curve", PartOf(right), {0, 0, 0}, {-30, 30, 360}},
        {"left curve", PartOf(right, PS_LEFT), {0, 0, 0}, {45, 45, 1080}},
        {"right bit only mirrors", PartOf(right, PS_RIGHT), {0, 0, 0}, {-30, 30, 360}},
        {"right curve wraps", PartOf(right), {0, 0, 1300}, {0, 0, 220}},
        {"interface", PartOf(adapter), {0, 0, 0}, {-5, 15, 0}},
        {"freeform wraps", PartOf(chicane), {0, 0, 20}, {0, 0, 1420}},
        {"empty part", PartOf(empty), {0, 0, 0}, {0, 12, 0}},
        {"unknown type", PartOf(unknown), {1, 2, 3}, {1, 2, 3}},
    };
    for (const auto& c : cases) {
        const Pose end = Advance(c.Part, c.Start);
        EXPECT_EQ(end.Angle, c.End.Angle) << c.Name;
        if (c.Start.Angle == 0 || c.End.Angle == c.Start.Angle) {
            EXPECT_NEAR(end.X, c.End.X, 1e-4) << c.Name;
            EXPECT_NEAR(end.Y, c.End.Y, 1e-4) << c.Name;
        }
    }
}

TEST(PartGeometry, LeftCurveFromAngle100) {
    L_PARTDEF curve = Curve(180, 20, 30);
    EXPECT_EQ(Advance(PartOf(curve, PS_LEFT), {0, 0, 100}).Angle, 1360);
}

TEST(PartGeometry, ScaleMultipliesEveryLength) {
    L_PARTDEF curve = Curve(360, 30, 45);
    const Pose end = Advance(PartOf(curve), {100, 50, 0}, 2.0f);
    EXPECT_NEAR(end.X, 40, 1e-4);
    EXPECT_NEAR(end.Y, 110, 1e-4);
    const Pose delta = PartDelta(PartOf(curve, PS_LEFT));
    EXPECT_NEAR(delta.X, 45, 1e-4);
    EXPECT_EQ(delta.Angle, 1080);
}

TEST(PartGeometry, CurveSamplingStep) {
    const struct {
        QuarterDegrees Alpha;
        bool Printing;
        int Step;
        bool Shape;
    } cases[] = {{20, false, 30, false}, {20, true, 5, true},    {45, false, 15, true},
                 {90, true, 15, true},   {360, false, 30, true}, {29, false, 30, false},
                 {4, true, 5, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(CurveStep(c.Alpha, c.Printing), c.Step) << c.Alpha;
        EXPECT_EQ(CurveHasShape(Curve(c.Alpha, 10, 20), c.Printing), c.Shape) << c.Alpha;
    }
}

TEST(PartGeometry, CurveOutlineSamplesBothArcs) {
    L_PARTDEF curve = Curve(360, 30, 45); // step 30: 13 points per arc
    PointBuffer out;
    PartOutline(PartOf(curve), {0, 0, 0}, 1.0f, false, out);
    ASSERT_EQ(out.Count, 27);
    // Outer arc from its end edge back to the start, then the inner arc.
    EXPECT_EQ(out.Points[0].X, -30);
    EXPECT_EQ(out.Points[0].Y, 45);
    EXPECT_EQ(out.Points[12].X, 15);
    EXPECT_EQ(out.Points[12].Y, 0);
    EXPECT_EQ(out.Points[13].X, 0);
    EXPECT_EQ(out.Points[13].Y, 0);
    EXPECT_EQ(out.Points[25].X, -30);
    EXPECT_EQ(out.Points[25].Y, 30);
    EXPECT_EQ(out.Points[26].X, out.Points[0].X); // closed
    // An angle the step does not divide stops short of the end edge.
    L_PARTDEF odd = Curve(100, 30, 45);
    PartOutline(PartOf(odd), {0, 0, 0}, 1.0f, false, out);
    EXPECT_EQ(out.Count, 4 + 4 + 1);
    PartOutline(PartOf(odd), {0, 0, 0}, 1.0f, true, out); // step 5 when printing
    EXPECT_EQ(out.Count, 21 + 21 + 1);
}

TEST(PartGeometry, TooSmallCurveHasNoShape) {
    L_PARTDEF curve = Curve(20, 30, 45);
    curve.LaneDistance = 7.8f;
    PointBuffer out;
    PartOutline(PartOf(curve), {0, 0, 0}, 1.0f, false, out);
    EXPECT_EQ(out.Count, 0);
    FirstLane(PartOf(curve), {0, 0, 0}, 1.0f, false, out);
    EXPECT_EQ(out.Count, 0);
    PartOutline(PartOf(curve), {0, 0, 0}, 1.0f, true, out);
    EXPECT_GT(out.Count, 0);
}

TEST(PartGeometry, HugeCurveStaysInsideThePointBuffer) {
    L_PARTDEF curve = Curve(100000, 30, 45);
    PointBuffer out;
    PartOutline(PartOf(curve), {0, 0, 0}, 1.0f, true, out);
    EXPECT_EQ(out.Count, PointBuffer::CAPACITY);
}

TEST(PartGeometry, OutlinesOfStraightAndInterface) {
    L_PARTDEF straight = Straight(10, 30);
    PointBuffer out;
    PartOutline(PartOf(straight), {100, 100, 0}, 2.0f, false, out);
    ASSERT_EQ(out.Count, 5);
    const int expected[5][2] = {{100, 100}, {100, 160}, {120, 160}, {120, 100}, {100, 100}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(out.Points[i].X, expected[i][0]);
        EXPECT_EQ(out.Points[i].Y, expected[i][1]);
    }
    L_PARTDEF adapter;
    adapter.Type = PT_Interface;
    adapter.InterfaceWidth1 = 10;
    adapter.InterfaceWidth2 = 20;
    adapter.InterfaceLength = 15;
    PartOutline(PartOf(adapter), {0, 0, 0}, 1.0f, false, out);
    ASSERT_EQ(out.Count, 5);
    EXPECT_EQ(out.Points[1].X, -5);
    EXPECT_EQ(out.Points[2].X, 15);
}

TEST(PartGeometry, LanesAcrossStraightsAndCurves) {
    L_PARTDEF straight = Straight(16, 30);
    straight.LaneDistance = 8;
    PointBuffer first, second;
    FirstLane(PartOf(straight), {0, 0, 0}, 1.0f, false, first);
    SecondLane(PartOf(straight), {0, 0, 0}, 1.0f, false, second);
    ASSERT_EQ(first.Count, 2);
    EXPECT_EQ(first.Points[0].X, 4);
    EXPECT_EQ(second.Points[1].X, 12);
    EXPECT_EQ(second.Points[1].Y, 30);
    straight.LaneDistance = 0;
    FirstLane(PartOf(straight), {0, 0, 0}, 1.0f, false, first);
    EXPECT_EQ(first.Count, 0);

    L_PARTDEF curve = Curve(360, 30, 46); // middle radius 38
    curve.LaneDistance = 8;
    FirstLane(PartOf(curve), {0, 0, 0}, 1.0f, false, first);
    SecondLane(PartOf(curve), {0, 0, 0}, 1.0f, false, second);
    // Right curve: lane 1 on radius 34 from the start edge, lane 2 on 42 from the end.
    EXPECT_EQ(first.Points[0].X, 4);
    EXPECT_EQ(first.Points[0].Y, 0);
    EXPECT_EQ(second.Points[0].X, -30);
    EXPECT_EQ(second.Points[0].Y, 42);
    FirstLane(PartOf(curve, PS_LEFT), {0, 0, 0}, 1.0f, false, first);
    EXPECT_EQ(first.Points[0].X, 46 - 42); // left curve: lane 1 on radius 42
}

TEST(PartGeometry, StraightKerbSegments) {
    L_PARTDEF straight = Straight(10, 30);
    straight.InnerBorderWidth = 2;
    straight.InnerBorderStep = 3;
    straight.OuterBorderWidth = 4;
    straight.OuterBorderStep = 2;
    std::vector<std::array<PixelPoint, 4>> inner, outer;
    const T_PART part = PartOf(straight, PS_INNER_BORDER | PS_OUTER_BORDER);
    // Scale 1000 makes the 0.001 widening of the steps visible in pixels.
    ForEachKerb(part, Border::Inner, {0, 0, 0}, 1000.0f, false,
                [&](const std::array<PixelPoint, 4>& quad, int) { inner.push_back(quad); });
    ForEachKerb(part, Border::Outer, {0, 0, 0}, 1000.0f, false,
                [&](const std::array<PixelPoint, 4>& quad, int) { outer.push_back(quad); });
    ASSERT_EQ(inner.size(), 3u);
    EXPECT_EQ(inner[0][0].X, 10000); // the inner strip lies on the +u side
    EXPECT_EQ(inner[0][3].X, 12000);
    EXPECT_NEAR(inner[1][0].Y, 10001, 1);
    EXPECT_NEAR(inner[2][0].Y, 20002, 1);
    EXPECT_NEAR(inner[2][1].Y, 30003, 1);
    ASSERT_EQ(outer.size(), 2u);
    EXPECT_EQ(outer[0][0].X, -4000);
    EXPECT_EQ(outer[0][3].X, 0);
}

TEST(PartGeometry, BordersShowOnlyWithWidthStepsAndBit) {
    L_PARTDEF straight = Straight(10, 30);
    straight.InnerBorderWidth = 2;
    straight.InnerBorderStep = 0;
    EXPECT_FALSE(HasBorder(PartOf(straight, PS_INNER_BORDER), Border::Inner));
    straight.InnerBorderStep = 3;
    EXPECT_TRUE(HasBorder(PartOf(straight, PS_INNER_BORDER), Border::Inner));
    EXPECT_FALSE(HasBorder(PartOf(straight, 0), Border::Inner));
    straight.InnerBorderWidth = 0.0005f;
    EXPECT_FALSE(HasBorder(PartOf(straight, PS_INNER_BORDER), Border::Inner));
    L_PARTDEF adapter = Straight(10, 30);
    adapter.Type = PT_Interface;
    adapter.OuterBorderWidth = 2;
    adapter.OuterBorderStep = 2;
    EXPECT_FALSE(HasBorder(PartOf(adapter, PS_OUTER_BORDER), Border::Outer));
}

TEST(PartGeometry, CurveKerbsSpanTheirArc) {
    L_PARTDEF curve = Curve(360, 30, 45);
    curve.OuterBorderWidth = 5;
    curve.OuterBorderStep = 4;
    std::vector<int> starts;
    ForEachKerb(PartOf(curve, PS_OUTER_BORDER), Border::Outer, {0, 0, 0}, 1.0f, false,
                [&](const std::array<PixelPoint, 4>& quad, int k) {
                    EXPECT_EQ(k, static_cast<int>(starts.size()));
                    starts.push_back(quad[0].Y);
                });
    // Segments of 90.001 quarter degrees start at 0, 90, 180 and 270.
    ASSERT_EQ(starts.size(), 4u);
    EXPECT_EQ(starts[0], 0);
    EXPECT_EQ(starts[1], 17); // 45 sin 22.5 degrees
    EXPECT_EQ(starts[2], 31); // 45 sin 45 degrees
}

TEST(PartGeometry, HugeKerbCountsAreCapped) {
    L_PARTDEF straight = Straight(10, 1e30f);
    straight.InnerBorderWidth = 2;
    straight.InnerBorderStep = 2000000000;
    int segments = 0;
    ForEachKerb(PartOf(straight, PS_INNER_BORDER), Border::Inner, {0, 0, 0}, 1.0f, false,
                [&](const std::array<PixelPoint, 4>&, int) { ++segments; });
    EXPECT_EQ(segments, MAX_KERB_SEGMENTS);
}

// A damaged definition's largest angle: in float it rounds up past the int
// range; the one kerb segment still ends at that angle (modulo a turn)
// instead of wrapping to the most negative int.
TEST(PartGeometry, KerbOfAHugeCurveAngleEndsAtThatAngle) {
    constexpr QuarterDegrees HUGE_ANGLE = INT32_MAX;
    L_PARTDEF curve = Curve(HUGE_ANGLE, 30, 45);
    curve.OuterBorderWidth = 5;
    curve.OuterBorderStep = 1;
    const T_PART part = PartOf(curve, PS_OUTER_BORDER);
    std::vector<std::array<PixelPoint, 4>> quads;
    ForEachKerb(part, Border::Outer, {0, 0, 0}, 1.0f, true,
                [&](const std::array<PixelPoint, 4>& quad, int) { quads.push_back(quad); });
    ASSERT_EQ(quads.size(), 1u);
    const PartFrame frame({0, 0, 0}, 1.0f);
    const Arc arc = ArcOf(curve, part.Status);
    const PixelPoint end = frame.At(arc.U(50, HUGE_ANGLE), Arc::V(50, HUGE_ANGLE));
    EXPECT_EQ(quads[0][2].X, end.X);
    EXPECT_EQ(quads[0][2].Y, end.Y);
}
