#pragma once
#include "freehand/Freehand.h"

#include <vector>

// Where a suggested layout has to lie: a table top or the floor of a room, as
// a polygon in world centimetres, and the clearance every part (borders
// included) keeps from its edges.

constexpr double BOARD_MARGIN_CM = 2.0;

struct BoardPoint {
    double X = 0.0;
    double Y = 0.0;
};

struct Box {
    double MinX = 0.0, MinY = 0.0, MaxX = 0.0, MaxY = 0.0;
    double Width() const { return MaxX - MinX; }
    double Height() const { return MaxY - MinY; }
};

struct Board {
    std::vector<BoardPoint> Outline; // corners in order, the first not repeated
    double Margin = BOARD_MARGIN_CM;
    bool Empty() const { return Outline.size() < 3; }
};

// A width x height table with its corner at the origin.
Board RectangleBoard(double width, double height);
// The largest closed outline of a room layer (a rectangle, a polygon or a
// polyline that ends where it starts); empty when the layer has none.
Board RoomBoard(const F_FREEHAND& layer);
double BoardArea(const Board& board);
Box BoxOf(const std::vector<BoardPoint>& points);
Box BoxOf(const Board& board);

// Closed polygons in centimetres: the surface a layout covers.
struct Footprint {
    std::vector<std::vector<BoardPoint>> Polygons;
    Box Bounds;
};

// Whether the footprint moved by (dx, dy) lies inside the board, every edge at
// least the margin from the board's edges.
bool FootprintInside(const Board& board, const Footprint& footprint, double dx, double dy);
// A shift that puts the footprint inside the board, the most central first
// tried; false when none of the shifts tried fits.
bool FitFootprint(const Board& board, const Footprint& footprint, double& dx, double& dy);
