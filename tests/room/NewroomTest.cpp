#include "room/Newroom.h"

#include <gtest/gtest.h>

namespace {

RoomOutlineRequest Request(RoomShape shape, std::array<std::string, 6> measures,
                           bool invert = false, bool filled = true) {
    RoomOutlineRequest request;
    request.Shape = shape;
    request.Measures = measures;
    request.Invert = invert;
    request.Filled = filled;
    return request;
}

const F_SHAPE& Outline(F_FREEHAND& layer, const RoomOutlineRequest& request, bool metric = true) {
    layer.ClearLayer();
    AddRoomOutline(layer, request, metric);
    EXPECT_EQ(layer.ShapeCount, 1);
    return layer.Shapes[0];
}

void ExpectPoints(const F_SHAPE& shape, std::initializer_list<F_POINT> points) {
    ASSERT_EQ(shape.PointCount, static_cast<int>(points.size()));
    int i = 0;
    for (const F_POINT& p : points) {
        EXPECT_NEAR(shape.Points[i].X, p.X, 0.001f) << "point " << i;
        EXPECT_NEAR(shape.Points[i].Y, p.Y, 0.001f) << "point " << i;
        ++i;
    }
}

} // namespace

TEST(RoomWizard, RectangleInMetresAndFeet) {
    F_FREEHAND layer;
    const F_SHAPE& filled = Outline(layer, Request(RoomShape::Rectangle, {"4", "3"}));
    EXPECT_EQ(filled.Kind, SK_FilledRectangle);
    EXPECT_EQ(filled.Color, 32768);
    EXPECT_EQ(filled.PenWidth, 1);
    ExpectPoints(filled, {{-200, -150}, {200, 150}});
    EXPECT_TRUE(layer.Changed);
    EXPECT_EQ(Outline(layer, Request(RoomShape::Rectangle, {"4", "3"}, false, false)).Kind,
              SK_Rectangle);
    ExpectPoints(Outline(layer, Request(RoomShape::Rectangle, {"4", "3"}), false),
                 {{-60.96f, -45.72f}, {60.96f, 45.72f}});
    ExpectPoints(Outline(layer, Request(RoomShape::Rectangle, {"x", "3"})), {{0, -150}, {0, 150}});
}

TEST(RoomWizard, LShapedAndItsMirror) {
    F_FREEHAND layer;
    const std::array<std::string, 6> m{"6", "4", "2", "1.5"};
    const F_SHAPE& plain = Outline(layer, Request(RoomShape::LShaped, m, false, false));
    EXPECT_EQ(plain.Kind, SK_Polyline);
    ExpectPoints(plain, {{-300, -200},
                         {-300, 200},
                         {-100, 200},
                         {-100, -50},
                         {300, -50},
                         {300, -200},
                         {-300, -200}});
    const F_SHAPE& mirrored = Outline(layer, Request(RoomShape::LShaped, m, true));
    EXPECT_EQ(mirrored.Kind, SK_Polygon);
    ExpectPoints(
        mirrored,
        {{300, -200}, {300, 200}, {100, 200}, {100, -50}, {-300, -50}, {-300, -200}, {300, -200}});
}

TEST(RoomWizard, MAndTShapedAndTheirFlips) {
    F_FREEHAND layer;
    const std::array<std::string, 6> m{"8", "4", "2", "1", "1", "3"};
    ExpectPoints(Outline(layer, Request(RoomShape::MShaped, m)), {{-400, -200},
                                                                  {-400, 200},
                                                                  {-200, 200},
                                                                  {-200, -100},
                                                                  {300, -100},
                                                                  {300, 100},
                                                                  {400, 100},
                                                                  {400, -200},
                                                                  {-400, -200}});
    ExpectPoints(Outline(layer, Request(RoomShape::MShaped, m, true)), {{-400, 200},
                                                                        {-400, -200},
                                                                        {-200, -200},
                                                                        {-200, 100},
                                                                        {300, 100},
                                                                        {300, -100},
                                                                        {400, -100},
                                                                        {400, 200},
                                                                        {-400, 200}});
    ExpectPoints(Outline(layer, Request(RoomShape::TShaped, m)), {{-400, -200},
                                                                  {-400, -100},
                                                                  {-200, -100},
                                                                  {-200, 200},
                                                                  {-100, 200},
                                                                  {-100, 100},
                                                                  {400, 100},
                                                                  {400, -200},
                                                                  {-400, -200}});
    ExpectPoints(Outline(layer, Request(RoomShape::TShaped, m, true)), {{-400, 200},
                                                                        {-400, 100},
                                                                        {-200, 100},
                                                                        {-200, -200},
                                                                        {-100, -200},
                                                                        {-100, -100},
                                                                        {400, -100},
                                                                        {400, 200},
                                                                        {-400, 200}});
}

TEST(RoomWizard, NoneDrawsNothing) {
    F_FREEHAND layer;
    AddRoomOutline(layer, Request(RoomShape::None, {"4", "3"}), true);
    EXPECT_EQ(layer.ShapeCount, 0);
    EXPECT_FALSE(layer.Changed);
}
