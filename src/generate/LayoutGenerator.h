#pragma once
#include "Board.h"
#include "base/JobProgress.h"
#include "geometry/PartGeometry.h"

#include <cstdint>
#include <string>
#include <vector>

// Whole layouts proposed for a board and a box of track: one closed two-lane
// track each that closes within the check's tolerance, lies on the board
// with its margin, runs into itself only on a crossing (or over a bridge) and
// uses no part beyond the budget; the longest laps first.

struct SuggestOptions {
    Board Table;
    // How many of each of the brand's parts (by index) may be used;
    // UNLIMITED_PARTS for any number.
    std::vector<int64_t> Budget;
    float MinimumLapCm = 0.0f; // of the shorter lane
    bool Crossing = false;     // figure-eights through the brand's crossing
    bool Bridges = false;      // figure-eights over a bridge one level up
    int Count = 8;
    uint64_t Seed = 1;
    double TimeLimitSeconds = 10.0;
    // The search stops after this many distinct candidates: with the seed it
    // makes the answer the same on every machine fast enough to get there.
    long long MaxCandidates = 60000;
};

struct SuggestedLayout {
    std::vector<T_PART> Parts; // in driving order
    Pose Start;                // where part 0 starts, world cm
    float Lane1 = 0.0f;        // cm
    float Lane2 = 0.0f;
    int DirectionChanges = 0;
    bool Crossing = false; // through a crossing part
    bool Bridge = false;   // over itself one level up
    Box Bounds;            // of every part and border, world cm
    float LapCm() const { return Lane1 < Lane2 ? Lane1 : Lane2; }
};

struct SuggestResult {
    std::vector<SuggestedLayout> Layouts;
    long long Candidates = 0; // distinct loops looked at
    bool Cancelled = false;
    // Set when the board cannot hold even the brand's smallest loop.
    std::string TooSmall;
};

struct T_PLACEMENT;
// What a placement laid at world scale covers: every part's outline and kerbs.
Footprint FootprintOf(const T_PLACEMENT& placement);

SuggestResult SuggestLayouts(L_BRAND& brand, const SuggestOptions& options,
                             JobProgress* progress = nullptr);

// Any number of every part.
std::vector<int64_t> UnlimitedBudget(const L_BRAND& brand);
// The parts the design leaves free in stock (counts its uses).
std::vector<int64_t> FreeStockBudget(T_DESIGN& design);
// Replaces the design's tracks by the layout, as its one track.
void LayLayout(T_DESIGN& design, L_BRAND& brand, const SuggestedLayout& layout);
