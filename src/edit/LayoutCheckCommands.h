#pragma once
#include "app/Appl.h"
#include "check/LoopCloser.h"

#include <string>
#include <vector>

// The layout check in the program: findings as lines of a list, going to a
// finding, marks on the canvas and closing a loop as one undoable edit.

struct FindingLine {
    std::string Text;
    int Slot = -1; // the track it is about
    int Index = 0; // the part, or 0
    bool Open = false;
};

// Spots the canvas marks while the check shows: open ends and overlaps.
struct CheckMark {
    float X = 0.0f; // world cm
    float Y = 0.0f;
};

std::vector<FindingLine> LayoutFindings(A_APPL& appl, std::vector<CheckMark>& marks);
// Selects the track (and part) of a finding and centres the view on it.
void GoToFinding(A_APPL& appl, const FindingLine& finding);
// "Close Loop...": proposals for the selected open track; the chosen one,
// previewed in yellow while it is highlighted, is added as one edit.
void CloseLoopCommand(A_APPL& appl);
