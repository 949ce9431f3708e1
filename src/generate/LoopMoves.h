#pragma once
#include "LoopPieces.h"
#include "LoopSeeds.h"
#include "check/LoopCloser.h"

#include <random>

// Changes that keep a closed loop closed, and loops that start at random.
// Each returns an empty loop when it finds nothing to do.

using LoopRandom = std::mt19937_64;

// Every piece of the kit as the loop closer takes it, and as a loop piece.
struct KitPieces {
    std::vector<ClosingPiece> Closing;
    std::vector<LoopPiece> Loop;
};
KitPieces PiecesOfKit(const PieceKit& kit);

// The same straight added at two places that head opposite ways.
Loop Stretched(const PieceKit& kit, const Loop& loop, LoopRandom& random);
// Two straights of one shape that head opposite ways taken out.
Loop Shrunk(const PieceKit& kit, const Loop& loop, LoopRandom& random);
// An S-bend (a curve and its counter-curve) added at two places that head
// opposite ways: the one shifts the loop sideways, the other shifts it back.
Loop WithSBends(const PieceKit& kit, const Loop& loop, LoopRandom& random);
// A run of up to three pieces replaced by other pieces with the same turn and
// displacement, found by the loop closer.
Loop WithRunReplaced(const PieceKit& kit, const KitPieces& pieces, const Loop& loop,
                     LoopRandom& random);
// A random half turning through 180 degrees, laid twice.
Loop RandomDoubledHalf(const PieceKit& kit, LoopRandom& random, int maxPieces);
// A random walk that turns mostly one way, closed by the loop closer once its
// end comes near its start.
Loop RandomClosedWalk(const PieceKit& kit, const KitPieces& pieces, LoopRandom& random,
                      int maxPieces);
// A lobe of a figure-eight: one of the runs, curves and another run at
// random, the rest to the crossing found by the loop closer.
bool RandomLobe(const PieceKit& kit, const KitPieces& pieces, LoopRandom& random,
                const EightRoads& roads, const std::vector<Loop>& runs, Lobe& lobe);
