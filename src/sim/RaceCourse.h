#pragma once
#include "LapSimulation.h"
#include "geometry/PartGeometry.h"

#include <vector>

// Where a car of a lane is on the layout: the lanes as the canvas lays them
// out, followed at the speeds of the lane's simulated lap.

// A spot on a lane in world centimetres, with the direction of travel
// (radians, 0 along +X, turning towards +Y).
struct LaneSpot {
    double X = 0.0;
    double Y = 0.0;
    double Heading = 0.0;
    int Piece = 0;
};

// One piece of a lane: what the car follows, copied from the part and its
// placement so that the course outlives an edit of the design.
struct CoursePiece {
    Pose Start;
    int Type = 0;
    float Length = 0.0f; // along the part: straights and interfaces
    float FromU = 0.0f;  // across the part where the lane enters ...
    float ToU = 0.0f;    // ... and leaves (a lane swap moves it across)
    float Radius = 0.0f; // of the lane on a curve
    Arc CurveArc{0.0f, 1.0f};
    QuarterDegrees Angle = 0;
    Pose End;               // parts without lanes: from start to end
    double LapLength = 0.0; // m, this piece's share of the simulated lap
};

// The course of one lane (0 or 1) of a track laid alone at world scale.
std::vector<CoursePiece> LaneCourse(T_TRACK& track, int lane);
// The spot that many metres along the lap.
LaneSpot SpotOnCourse(const std::vector<CoursePiece>& course, double metres);
