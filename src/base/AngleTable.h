#pragma once
#include <cstdint>

// Angles are integers in quarter degrees, 1440 to a full turn, kept in 0..1439.
using QuarterDegrees = int32_t;
constexpr QuarterDegrees FULL_TURN = 1440;

// Every sine and cosine of geometry, placement, drawing and editing comes from
// these tables, so that all of them agree to the last bit.
struct AngleTable {
    float Cos[FULL_TURN];
    float Sin[FULL_TURN];
};

extern AngleTable Angles;

// Fills the tables: i * pi / 720 in double precision, stored as floats, with
// cos(270 degrees) and sin(180 degrees) set to exactly 0. Already done before
// main; start-up calls it again as the program's first step.
void FillAngleTable();

// Brings any angle into 0..1439.
inline QuarterDegrees NormalizeAngle(int64_t angle) {
    int64_t a = angle % FULL_TURN;
    return static_cast<QuarterDegrees>(a < 0 ? a + FULL_TURN : a);
}
