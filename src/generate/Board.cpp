#include "Board.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double PLACING_SLACK_CM = 0.1;
// Distances equal to the margin up to rounding count as keeping it.
constexpr double ROUNDING_CM = 1e-6;

double Cross(const BoardPoint& o, const BoardPoint& a, const BoardPoint& b) {
    return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X);
}

double SignedArea(const std::vector<BoardPoint>& polygon) {
    double area = 0.0;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
        area += polygon[j].X * polygon[i].Y - polygon[i].X * polygon[j].Y;
    return area / 2.0;
}

double PointSegmentDistance(const BoardPoint& p, const BoardPoint& a, const BoardPoint& b) {
    const double dx = b.X - a.X, dy = b.Y - a.Y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.X - (a.X + t * dx), p.Y - (a.Y + t * dy));
}

bool SegmentsCross(const BoardPoint& a, const BoardPoint& b, const BoardPoint& c,
                   const BoardPoint& d) {
    const double d1 = Cross(c, d, a), d2 = Cross(c, d, b);
    const double d3 = Cross(a, b, c), d4 = Cross(a, b, d);
    return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
}

double SegmentDistance(const BoardPoint& a, const BoardPoint& b, const BoardPoint& c,
                       const BoardPoint& d) {
    if (SegmentsCross(a, b, c, d))
        return 0.0;
    return std::min({PointSegmentDistance(a, c, d), PointSegmentDistance(b, c, d),
                     PointSegmentDistance(c, a, b), PointSegmentDistance(d, a, b)});
}

bool Inside(const std::vector<BoardPoint>& polygon, double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const BoardPoint &p = polygon[i], &q = polygon[j];
        if ((p.Y > y) != (q.Y > y) && x < (q.X - p.X) * (y - p.Y) / (q.Y - p.Y) + p.X)
            inside = !inside;
    }
    return inside;
}

// Whether any edge comes within the margin of the box moved by (dx, dy): a
// polygon far from every edge needs no edge-by-edge test.
bool NearAnEdge(const std::vector<BoardPoint>& edges, const Box& box, double dx, double dy,
                double margin) {
    for (size_t e = 0, f = edges.size() - 1; e < edges.size(); f = e++) {
        const BoardPoint &a = edges[f], &b = edges[e];
        if (std::max(a.X, b.X) + margin >= box.MinX + dx &&
            std::min(a.X, b.X) - margin <= box.MaxX + dx &&
            std::max(a.Y, b.Y) + margin >= box.MinY + dy &&
            std::min(a.Y, b.Y) - margin <= box.MaxY + dy)
            return true;
    }
    return false;
}

std::vector<BoardPoint> ClosedOutline(const F_SHAPE& shape) {
    std::vector<BoardPoint> points;
    const int count = std::clamp(shape.PointCount, 0, MAX_POINTS);
    if ((shape.Kind == SK_Rectangle || shape.Kind == SK_FilledRectangle) && count >= 2) {
        const F_POINT a = shape.Points[0], b = shape.Points[1];
        return {{a.X, a.Y}, {b.X, a.Y}, {b.X, b.Y}, {a.X, b.Y}};
    }
    if (shape.Kind != SK_Polygon && shape.Kind != SK_Polyline)
        return points;
    for (int i = 0; i < count; ++i)
        points.push_back({shape.Points[i].X, shape.Points[i].Y});
    const bool repeated = points.size() > 1 && points.front().X == points.back().X &&
                          points.front().Y == points.back().Y;
    if (repeated)
        points.pop_back();
    else if (shape.Kind == SK_Polyline)
        points.clear(); // an open line bounds nothing
    return points;
}

} // namespace

Board RectangleBoard(double width, double height) {
    Board board;
    board.Outline = {{0, 0}, {width, 0}, {width, height}, {0, height}};
    return board;
}

Board RoomBoard(const F_FREEHAND& layer) {
    Board board;
    double largest = 0.0;
    for (int i = 0; i < layer.ShapeCount; ++i) {
        const std::vector<BoardPoint> outline = ClosedOutline(layer.Shapes[i]);
        if (outline.size() < 3)
            continue;
        const double area = std::fabs(SignedArea(outline));
        if (area > largest && std::isfinite(area)) {
            largest = area;
            board.Outline = outline;
        }
    }
    return board;
}

double BoardArea(const Board& board) {
    return board.Empty() ? 0.0 : std::fabs(SignedArea(board.Outline));
}

Box BoxOf(const std::vector<BoardPoint>& points) {
    Box box;
    if (points.empty())
        return box;
    box = {points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (const BoardPoint& p : points) {
        box.MinX = std::min(box.MinX, p.X);
        box.MaxX = std::max(box.MaxX, p.X);
        box.MinY = std::min(box.MinY, p.Y);
        box.MaxY = std::max(box.MaxY, p.Y);
    }
    return box;
}

Box BoxOf(const Board& board) {
    return BoxOf(board.Outline);
}

bool FootprintInside(const Board& board, const Footprint& footprint, double dx, double dy) {
    if (board.Empty())
        return false;
    const Box room = BoxOf(board);
    const Box& own = footprint.Bounds;
    const double m = board.Margin - ROUNDING_CM;
    if (own.MinX + dx < room.MinX + m || own.MaxX + dx > room.MaxX - m ||
        own.MinY + dy < room.MinY + m || own.MaxY + dy > room.MaxY - m)
        return false;
    const std::vector<BoardPoint>& edges = board.Outline;
    for (const std::vector<BoardPoint>& polygon : footprint.Polygons) {
        if (polygon.empty())
            continue;
        // Each polygon wholly inside or wholly outside once no edge comes near.
        if (!Inside(edges, polygon[0].X + dx, polygon[0].Y + dy))
            return false;
        if (!NearAnEdge(edges, BoxOf(polygon), dx, dy, m))
            continue;
        for (size_t i = 0; i < polygon.size(); ++i) {
            const BoardPoint a{polygon[i].X + dx, polygon[i].Y + dy};
            const BoardPoint& next = polygon[(i + 1) % polygon.size()];
            const BoardPoint b{next.X + dx, next.Y + dy};
            for (size_t e = 0, f = edges.size() - 1; e < edges.size(); f = e++)
                if (SegmentDistance(a, b, edges[f], edges[e]) < m)
                    return false;
        }
    }
    return true;
}

bool FitFootprint(const Board& board, const Footprint& footprint, double& dx, double& dy) {
    if (board.Empty())
        return false;
    const Box room = BoxOf(board);
    const Box& own = footprint.Bounds;
    // A hair inside the margin: the track's pose is stored in floats and the
    // outlines are laid again from it.
    Board strict = board;
    strict.Margin += PLACING_SLACK_CM;
    const double m = strict.Margin;
    // Centred, or against a corner of the board: a layout that fits an arm of
    // an L-shaped room fits it touching two of the arm's edges.
    std::vector<double> xs{(room.MinX + room.MaxX - own.MinX - own.MaxX) / 2};
    std::vector<double> ys{(room.MinY + room.MaxY - own.MinY - own.MaxY) / 2};
    for (const BoardPoint& corner : board.Outline) {
        xs.push_back(corner.X + m - own.MinX);
        xs.push_back(corner.X - m - own.MaxX);
        ys.push_back(corner.Y + m - own.MinY);
        ys.push_back(corner.Y - m - own.MaxY);
    }
    struct Shift {
        double X, Y, FromCentre;
    };
    std::vector<Shift> shifts;
    for (double x : xs)
        for (double y : ys)
            shifts.push_back({x, y, std::hypot(x - xs[0], y - ys[0])});
    std::stable_sort(shifts.begin(), shifts.end(),
                     [](const Shift& a, const Shift& b) { return a.FromCentre < b.FromCentre; });
    for (const Shift& shift : shifts)
        if (FootprintInside(strict, footprint, shift.X, shift.Y)) {
            dx = shift.X;
            dy = shift.Y;
            return true;
        }
    return false;
}
