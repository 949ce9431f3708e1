#pragma once
#include "generate/LayoutGenerator.h"

#include <string>

class A_APPL;

// What File > "Suggest Layouts..." asks before the search: the board or the
// room, the parts, the options. The generator works for the design's brand.
struct SuggestRequest {
    bool UseRoom = false;
    double WidthCm = 240.0;
    double HeightCm = 120.0;
    bool InStockOnly = false;
    double MinimumLapCm = 0.0;
    bool Crossing = false;
    bool Bridges = false;
    int Count = 8;
    uint64_t Seed = 1;
    double TimeLimitSeconds = 10.0;
};

// Whether the room holds a closed outline the layouts can lie in.
bool RoomHasOutline(const A_APPL& appl);
// Whether the design's brand has a crossing a figure-eight can run through.
bool BrandHasCrossing(A_APPL& appl);
// The generator's options for the request; false with the reason when the
// design has no brand or the room no outline.
bool OptionsForRequest(A_APPL& appl, const SuggestRequest& request, SuggestOptions& options,
                       std::string& error);
// What a thumbnail says: the lap of the shorter lane in the user's unit, the
// parts and that lane's lap time for the user's car: "5.34 m, 20 parts, 3.21 s".
std::string ProposalCaption(A_APPL& appl, const SuggestedLayout& layout, char decimalPoint);
