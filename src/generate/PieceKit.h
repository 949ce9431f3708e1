#pragma once
#include "design/Design.h"

#include <cstdint>
#include <limits>
#include <vector>

// The track a layout may be built from: the brand's parts grouped by shape
// (parts of one shape are interchangeable on a plan), each with how many of
// it may be used, and the brand's crossing if it has one.

constexpr int64_t UNLIMITED_PARTS = std::numeric_limits<int32_t>::max();

struct KitShape {
    std::vector<L_PARTDEF*> Parts; // one shape, in the brand's order
    std::vector<int64_t> Budget;   // of each part
    int64_t Total = 0;             // of the shape, at most UNLIMITED_PARTS
    bool Curve() const { return Parts.front()->Type == PT_Curve; }
    const L_PARTDEF& Def() const { return *Parts.front(); }
};

struct KitCrossing {
    // The two roads of an X piece, or one crossing straight laid in each road.
    L_PARTDEF* FirstRoad = nullptr;
    L_PARTDEF* SecondRoad = nullptr;
    int64_t FirstBudget = 0;
    int64_t SecondBudget = 0;
    // One X piece serves both roads; crossing straights take one per road.
    bool Usable() const {
        return FirstRoad &&
               (FirstRoad == SecondRoad ? FirstBudget >= 2 : FirstBudget > 0 && SecondBudget > 0);
    }
};

struct PieceKit {
    std::vector<KitShape> Shapes; // straights first, longest first; then curves
    KitCrossing Crossing;
    int FirstCurve() const;
};

// budget holds how many of each of the brand's parts (by index) may be used,
// UNLIMITED_PARTS for any number. A limited budget uses whatever it holds but
// crossings and lane swaps; an unlimited one only plain straights and curves.
PieceKit KitOf(L_BRAND& brand, const std::vector<int64_t>& budget);
// Whether a part is a crossing: the first road of an X piece (whose second
// road it names), or a straight its brand describes as a crossing.
bool IsCrossingPart(const L_BRAND& brand, const L_PARTDEF& def);
