#pragma once
#include "LayoutCheck.h"

#include <vector>

// Proposals of parts that, added after the last part of an open track, bring
// it back to the start of its part 0.

struct ClosingPiece {
    L_PARTDEF* Def = nullptr;
    uint8_t Status = 0; // the hand of a curve
};

struct Proposal {
    std::vector<ClosingPiece> Pieces;
    float ResidualMillimetres = 0.0f;
};

struct CloseOptions {
    int MaxParts = 4;
    bool InStockOnly = false; // only parts the design leaves free in stock
    CheckTolerance Tolerance;
    int Best = 5;
};

// The best proposals for the track in slot, fewest parts first, then the
// smallest gap left; none for a closed, empty or unused track.
std::vector<Proposal> ProposeClosings(T_DESIGN& design, int slot, const CloseOptions& options = {});
// Appends the proposal's parts after the track's last part; false when the
// track cannot take them all (nothing is added then).
bool ApplyProposal(T_TRACK& track, const Proposal& proposal);
// The pieces one step may add: every part of the brand, curves in both hands.
std::vector<ClosingPiece> PiecesOf(L_BRAND& brand);
