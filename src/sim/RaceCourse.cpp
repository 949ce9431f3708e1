#include "RaceCourse.h"

#include "geometry/Placement.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double RADIANS_PER_QUARTER = M_PI / 720.0;

// Across the part where lane 1 (first) or lane 2 runs on a straight or an interface.
float AcrossOf(const L_PARTDEF& def, bool first) {
    const float width = def.Type == PT_Interface ? def.InterfaceWidth1 : def.StraightWidth;
    return width / 2 + (first ? -def.LaneDistance / 2 : def.LaneDistance / 2);
}

CoursePiece PieceOf(const T_PLACED& placed, bool firstBefore, bool firstAfter, double lapLength) {
    const T_PART& part = *placed.Part;
    const L_PARTDEF& def = *part.Def;
    CoursePiece piece;
    piece.Start = placed.StartPose();
    piece.LapLength = lapLength;
    piece.Type = HasLanes(def) ? def.Type : PT_None;
    switch (piece.Type) {
    case PT_Straight:
    case PT_Interface:
        piece.Length = def.Type == PT_Interface ? def.InterfaceLength : def.StraightLength;
        piece.FromU = AcrossOf(def, firstBefore);
        piece.ToU = AcrossOf(def, firstAfter);
        break;
    case PT_Curve:
        piece.CurveArc = ArcOf(def, part.Status);
        piece.Radius = LaneRadius(def, part.Status, firstAfter);
        piece.Angle = def.CurveAngle;
        break;
    default:
        break;
    }
    piece.End = piece.Start;
    AdvancePose(part, piece.End.X, piece.End.Y, piece.End.Angle, 1.0f);
    return piece;
}

// The point of the piece at that share (0 to 1) of its length, world cm.
void PointOf(const CoursePiece& piece, double share, double& x, double& y) {
    const double turn = piece.Start.Angle * RADIANS_PER_QUARTER;
    const double c = std::cos(turn), s = std::sin(turn);
    double u = 0.0, v = 0.0;
    switch (piece.Type) {
    case PT_Straight:
    case PT_Interface:
        u = piece.FromU + (piece.ToU - piece.FromU) * share;
        v = piece.Length * share;
        break;
    case PT_Curve: {
        const double phi = piece.Angle * share * RADIANS_PER_QUARTER;
        u = piece.CurveArc.CentreU + piece.CurveArc.Sign * piece.Radius * std::cos(phi);
        v = piece.Radius * std::sin(phi);
        break;
    }
    default:
        x = piece.Start.X + (piece.End.X - piece.Start.X) * share;
        y = piece.Start.Y + (piece.End.Y - piece.Start.Y) * share;
        return;
    }
    x = piece.Start.X + u * c - v * s;
    y = piece.Start.Y + u * s + v * c;
}

} // namespace

std::vector<CoursePiece> LaneCourse(T_TRACK& track, int lane) {
    const std::vector<LaneSegment> path = LanePath(track, lane);
    const T_PLACEMENT& placement = PlaceTrackAlone(track);
    std::vector<CoursePiece> course;
    bool swapped = false;
    const int count = std::min(placement.Count, static_cast<int>(path.size()));
    for (int i = 0; i < count; ++i) {
        const bool before = swapped;
        TravelOf(track.Parts[i], swapped);
        // Lane 1 runs on the part's first lane until a lane swap exchanges them.
        course.push_back(PieceOf(placement.Entries[i], (lane == 0) != before,
                                 (lane == 0) != swapped, path[i].Length));
    }
    return course;
}

LaneSpot SpotOnCourse(const std::vector<CoursePiece>& course, double metres) {
    LaneSpot spot;
    if (course.empty())
        return spot;
    double left = std::isfinite(metres) ? std::max(metres, 0.0) : 0.0;
    size_t i = 0;
    while (i + 1 < course.size() && left >= course[i].LapLength) {
        left -= course[i].LapLength;
        ++i;
    }
    const CoursePiece& piece = course[i];
    const double share = piece.LapLength > 0 ? std::clamp(left / piece.LapLength, 0.0, 1.0) : 0.0;
    PointOf(piece, share, spot.X, spot.Y);
    // The direction from a point a little behind to one a little ahead.
    double ax = 0, ay = 0, bx = 0, by = 0;
    PointOf(piece, std::max(share - 0.01, 0.0), ax, ay);
    PointOf(piece, std::min(share + 0.01, 1.0), bx, by);
    spot.Heading = std::atan2(by - ay, bx - ax);
    spot.Piece = static_cast<int>(i);
    return spot;
}
