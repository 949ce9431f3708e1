#pragma once
#include "PieceKit.h"
#include "geometry/PartGeometry.h"

#include <string>
#include <vector>

// A closed loop as the generator builds it: shapes of the kit and hands, in
// driving order; the parts are chosen once the loop is kept.

constexpr int CROSSING_FIRST = -1;  // the first road of the crossing
constexpr int CROSSING_SECOND = -2; // the second road

struct LoopPiece {
    int Shape = 0;     // into the kit's shapes, or a crossing road
    uint8_t Hand = 0;  // PS_LEFT or PS_RIGHT for a curve
    int8_t Height = 0; // above the floor on a bridge
    bool operator==(const LoopPiece&) const = default;
};
using Loop = std::vector<LoopPiece>;

const L_PARTDEF& DefOf(const PieceKit& kit, const LoopPiece& piece);
T_PART PartOf(const PieceKit& kit, const LoopPiece& piece);
// The pose after the piece, laid from pose at world scale.
Pose After(const PieceKit& kit, const LoopPiece& piece, Pose pose);
// The start pose of every piece and, last, where the loop ends; from the origin.
std::vector<Pose> PosesOf(const PieceKit& kit, const Loop& loop);
// Turn of a curve piece in quarter degrees, positive to the left.
int LeftTurn(const PieceKit& kit, const LoopPiece& piece);
// How often the curves change hand going round (the ends meet).
int DirectionChanges(const PieceKit& kit, const Loop& loop);
// The same text for loops that are one another driven from another start, the
// other way round or mirrored.
std::string CanonicalKey(const PieceKit& kit, const Loop& loop);
