#pragma once
#include "LoopPieces.h"

#include <functional>

// Loops that close by their shape: the first half of a point-symmetric loop
// turned through a half turn and laid twice (ovals, rounded rectangles), and
// figure-eights of two lobes through a crossing.

using LoopSink = std::function<void(const Loop&)>;

// Runs of straights of up to maxPieces pieces, no longer than maxLength (cm),
// one run of each length (the fewest pieces), shortest first, the empty run
// among them.
std::vector<Loop> StraightRuns(const PieceKit& kit, int maxPieces, float maxLength);
// The same pieces laid twice: closed when the half turns through 180 degrees.
Loop Doubled(const Loop& half);
// n curves of a shape in one hand.
Loop CurveRun(int shape, int count, uint8_t hand);
Loop Joined(std::initializer_list<Loop> parts);

// Ovals and rounded rectangles of every curve shape with straight runs of
// the longest straight (and one shorter piece) up to maxLength.
void SymmetricSeeds(const PieceKit& kit, float maxLength, const LoopSink& sink);
// The loop a curve shape closes on its own: two half turns.
Loop SmallestLoop(const PieceKit& kit, int curveShape);

// Figure-eights: the crossing's first road, a lobe of left curves and
// straights turning through 270 degrees, the second road, the mirror of a
// lobe. On bridges (without a crossing piece) the crossing is a straight in
// each road and the second pass and its neighbours lie one level up.
struct EightRoads {
    LoopPiece First;
    LoopPiece Second;
    bool Usable = false;
};
EightRoads RoadsOf(const PieceKit& kit, bool bridge);

struct Lobe {
    Loop Pieces;
    Loop FirstRun; // the straights that leave the crossing
    Loop LastRun;  // and those that come back to it
    float Length = 0.0f;
    float MissX = 0.0f; // where it ends beside the second road's start (cm)
    float MissY = 0.0f;
};
struct LobeEnds {
    Pose Leave;  // the end of the first road, laid from the origin
    Pose Arrive; // the start of the second road, across the first's middle
};
LobeEnds EndsOfLobe(const PieceKit& kit, const LoopPiece& first);
Loop FigureEight(const EightRoads& roads, const Lobe& upper, const Lobe& lower);
// Figure-eights of lobes of a run, curves of one shape, a run, curves, a run,
// paired so that what one misses at the crossing the other makes up. Returns
// up to maxLobes lobes (small to large) that close on their own.
std::vector<Lobe> FigureEightSeeds(const PieceKit& kit, const EightRoads& roads, float maxLength,
                                   int maxLobes, const LoopSink& sink);
