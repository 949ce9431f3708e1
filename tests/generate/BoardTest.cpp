#include "generate/Board.h"
#include "room/Newroom.h"

#include <gtest/gtest.h>

namespace {

Footprint Square(double x, double y, double side) {
    Footprint footprint;
    footprint.Polygons.push_back({{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}});
    footprint.Bounds = {x, y, x + side, y + side};
    return footprint;
}

// An L of 400 x 300 cm whose lower right 200 x 150 is cut away.
Board LRoom() {
    F_FREEHAND layer;
    RoomOutlineRequest request;
    request.Shape = RoomShape::LShaped;
    request.Measures = {"4", "3", "2", "1.5", "0", "0"};
    AddRoomOutline(layer, request, true);
    return RoomBoard(layer);
}

TEST(Board, MarginIsKeptFromEveryEdge) {
    const Board table = RectangleBoard(100, 50);
    struct Case {
        double X, Y, Side;
        bool Inside;
    } cases[] = {
        {2, 2, 46, true},     // touching the margin on three sides
        {1.9, 2, 46, false},  // 1.9 cm from the left edge
        {2, 2, 46.1, false},  // too close to the top
        {51.9, 2, 46, true},  // right against the right margin
        {52.1, 2, 46, false}, // beyond it
        {-10, -10, 5, false}, // off the board
    };
    for (const Case& c : cases)
        EXPECT_EQ(FootprintInside(table, Square(c.X, c.Y, c.Side), 0, 0), c.Inside)
            << c.X << "," << c.Y << " side " << c.Side;
}

TEST(Board, RoomOutlineIsTheLargestClosedShape) {
    const Board room = LRoom();
    ASSERT_EQ(room.Outline.size(), 6u);
    EXPECT_NEAR(BoardArea(room), 400 * 300 - 200 * 150, 0.5);
    F_FREEHAND layer;
    F_SHAPE* line = layer.AddShape();
    line->Kind = SK_Polyline;
    line->AddPoint(0, 0);
    line->AddPoint(100, 0);
    line->AddPoint(100, 100);
    EXPECT_TRUE(RoomBoard(layer).Empty()) << "an open line bounds nothing";
}

// Every corner of the bar lies in the room, but its middle crosses the
// cut-away corner: only the edge test sees it.
TEST(Board, AnEdgeAcrossTheNotchDoesNotFit) {
    const Board room = LRoom();
    const Box box = BoxOf(room);
    Footprint bar;
    bar.Polygons.push_back({{box.MinX + 10, box.MaxY - 60},
                            {box.MaxX - 10, box.MinY + 60},
                            {box.MaxX - 10, box.MinY + 70},
                            {box.MinX + 10, box.MaxY - 50}});
    bar.Bounds = BoxOf(bar.Polygons[0]);
    EXPECT_FALSE(FootprintInside(room, bar, 0, 0));
}

TEST(Board, FitFindsTheArmThatHoldsTheFootprint) {
    const Board room = LRoom();
    // 180 x 180 fits only the arm that is 300 cm deep and 200 cm wide.
    const Footprint square = Square(0, 0, 180);
    double dx = 0, dy = 0;
    ASSERT_TRUE(FitFootprint(room, square, dx, dy));
    EXPECT_TRUE(FootprintInside(room, square, dx, dy));
    EXPECT_FALSE(FitFootprint(room, Square(0, 0, 260), dx, dy));
    EXPECT_FALSE(FitFootprint(Board{}, square, dx, dy));
}

} // namespace
