#pragma once
#include "Panel.h"
#include "design/Design.h"
#include "design/Undo.h"
#include "freehand/Freehand.h"
#include "geometry/Placement.h"
#include "room/Room.h"

#include <array>
#include <memory>

// The design canvas: its view, the current design with its freehand layer and
// undo history, and the track selection.
struct C_VIRELDO : P_PANEL {
    T_TRACK* SelectedTrack = nullptr;
    int SelectionFirst = -1;
    int SelectionLast = -1;
    T_DESIGN Design;
    F_FREEHAND Freehand;
    T_UNDO History;

    explicit C_VIRELDO(L_PARTDEF* emptyDef);
    // The start state: angle table, display options, an empty design and history.
    void InitDesignController();
};

// The room canvas: its view and the room outline.
struct C_ROOM : P_PANEL, T_ROOM {
    // A room read or made while its page was not shown is fitted when it is.
    bool FitPending = false;

    C_ROOM() { View.UseBitmap = true; }
    // ResetRoom of the room, which also turns its view back to angle 0.
    void Reset();
};

// The part selector: the palette of the design's brand. Its view draws the
// cells; each cell's placed part refers to the part record at its index.
constexpr int MAX_PALETTE_CELLS = 2 * MAX_PARTDEFS; // every curve shows twice
struct C_PALETTE : P_PANEL {
    std::unique_ptr<T_PLACEMENT> Entries = NewPlacement();
    std::array<T_PART, MAX_PALETTE_CELLS> Records{};
    int ScrollPosition = 0;
    int ScrollMaximum = 0;

    // Cells show their part codes unless the user turns them off.
    C_PALETTE() {
        View.UseBitmap = true;
        ShowPartCodes = true;
    }
};

// The part-drawing canvas of the definitions editor and the editor's state.
struct C_DEFINE : P_PANEL {
    L_PARTDEF* Part = nullptr; // the part definition under edit
    L_BRAND* Brand = nullptr;  // the brand under edit
    bool DefinitionsChanged = false;
    bool ReminderShown = false; // the warning about changed part codes, once a run
    L_PARTDEF CopyBuffer;

    C_DEFINE() { View.UseBitmap = true; }
};
