#pragma once
#include "geometry/Placement.h"

// A figure-eight's X is two straight parts laid through each other at their
// middles, one in each road. Such a pair is a crossing, never an overlap, at
// whatever heights the two parts lie.

constexpr float CROSSING_CENTRE_MM = 2.0f;
constexpr QuarterDegrees CROSSING_MIN_ANGLE = 120; // 30 degrees between the axes

// Where a straight part placed at world scale (cm) has its middle and which
// way its axis runs; none for any other part.
struct CrossingAxis {
    bool Straight = false;
    float CentreX = 0.0f;
    float CentreY = 0.0f;
    QuarterDegrees Angle = 0;
};
CrossingAxis AxisOf(const T_PLACED& placed);

// Whether two parts cross each other.
bool IsCrossing(const CrossingAxis& a, const CrossingAxis& b);
