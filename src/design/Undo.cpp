#include "Undo.h"

T_UNDO::T_UNDO(L_PARTDEF* emptyDef) : EmptyDef(emptyDef) {}

void T_UNDO::Record(int slot, const T_DESIGN& design) {
    if (History[slot])
        *History[slot] = design;
    else
        History[slot] = std::make_unique<T_DESIGN>(design);
}

const T_DESIGN& T_UNDO::Snapshot(int slot) {
    if (!History[slot]) // never recorded: an empty design, as the history starts
        History[slot] = std::make_unique<T_DESIGN>(EmptyDef);
    return *History[slot];
}

void T_UNDO::ResetUndo(const T_DESIGN& design) {
    UndoCount = UndoIndex = RedoLimit = 0;
    Record(0, design);
}

void T_UNDO::PushUndo(const T_DESIGN& design) {
    UndoIndex = (UndoIndex + 1) % UNDO_SNAPSHOTS;
    Record(UndoIndex, design);
    UndoCount = std::min(UndoCount + 1, UNDO_SNAPSHOTS - 1);
    RedoLimit = UndoCount;
}

bool T_UNDO::Undo(T_DESIGN& design) {
    if (UndoCount == 0)
        return false;
    // What changed since the last record (a quick turn records nothing of its
    // own) is kept, so that a redo brings back the design as it was.
    Record(UndoIndex, design);
    --UndoCount;
    UndoIndex = UndoIndex == 0 ? UNDO_SNAPSHOTS - 1 : UndoIndex - 1;
    design = Snapshot(UndoIndex);
    return true;
}

bool T_UNDO::Redo(T_DESIGN& design) {
    if (UndoCount >= RedoLimit)
        return false;
    ++UndoCount;
    UndoIndex = (UndoIndex + 1) % UNDO_SNAPSHOTS;
    design = Snapshot(UndoIndex);
    return true;
}
