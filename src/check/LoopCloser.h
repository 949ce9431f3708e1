#pragma once
#include "LayoutCheck.h"

#include <vector>

// Proposals that bring an open track back to the start of its part 0: parts
// added after its last part, or, for a track that runs too far, a few of its
// last parts taken off first (and others added in their place).

struct ClosingPiece {
    L_PARTDEF* Def = nullptr;
    uint8_t Status = 0; // the hand of a curve
};

struct Proposal {
    std::vector<ClosingPiece> Removed; // the track's last parts taken off, in track order
    std::vector<ClosingPiece> Pieces;  // then added after the last part that stays
    float ResidualMillimetres = 0.0f;
    size_t Changes() const { return Removed.size() + Pieces.size(); }
};

struct CloseOptions {
    int MaxParts = 4;         // parts removed and added together
    bool InStockOnly = false; // only parts the design leaves free in stock
    CheckTolerance Tolerance;
    int Best = 5;
};

// The best proposals for the track in slot, fewest parts changed first, then
// the smallest gap left; none for a closed, empty or unused track.
std::vector<Proposal> ProposeClosings(T_DESIGN& design, int slot, const CloseOptions& options = {});
// Takes the proposal's parts off the track's end (the parts before them stay
// where they lie) and appends its additions; false when the track cannot
// take them all (nothing changes then).
bool ApplyProposal(T_TRACK& track, const Proposal& proposal);
// The pieces one step may add: every part of the brand, curves in both hands.
std::vector<ClosingPiece> PiecesOf(L_BRAND& brand);
// Every sequence of at most maxParts of the pieces that leads from the pose
// `from` to the pose `to` within the tolerance (none for maxParts 0), found by
// meeting in the middle; in the pieces' order, shortest first.
std::vector<std::vector<ClosingPiece>> PathsBetween(const std::vector<ClosingPiece>& pieces,
                                                    const Pose& from, const Pose& to, int maxParts,
                                                    const CheckTolerance& tolerance);
