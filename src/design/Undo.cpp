#include "Undo.h"

namespace {

std::unique_ptr<std::array<T_DESIGN, UNDO_SNAPSHOTS>> EmptyHistory(L_PARTDEF* emptyDef) {
    return std::unique_ptr<std::array<T_DESIGN, UNDO_SNAPSHOTS>>(
        new std::array<T_DESIGN, UNDO_SNAPSHOTS>{
            T_DESIGN(emptyDef), T_DESIGN(emptyDef), T_DESIGN(emptyDef), T_DESIGN(emptyDef),
            T_DESIGN(emptyDef), T_DESIGN(emptyDef), T_DESIGN(emptyDef), T_DESIGN(emptyDef),
            T_DESIGN(emptyDef), T_DESIGN(emptyDef)});
}

} // namespace

T_UNDO::T_UNDO(L_PARTDEF* emptyDef) : History(EmptyHistory(emptyDef)) {}

void T_UNDO::ResetUndo(const T_DESIGN& design) {
    UndoCount = UndoIndex = RedoLimit = 0;
    (*History)[0] = design;
}

void T_UNDO::PushUndo(const T_DESIGN& design) {
    UndoIndex = (UndoIndex + 1) % UNDO_SNAPSHOTS;
    (*History)[UndoIndex] = design;
    UndoCount = std::min(UndoCount + 1, UNDO_SNAPSHOTS - 1);
    RedoLimit = UndoCount;
}

bool T_UNDO::Undo(T_DESIGN& design) {
    if (UndoCount == 0)
        return false;
    // What changed since the last record (a quick turn records nothing of its
    // own) is kept, so that a redo brings back the design as it was.
    (*History)[UndoIndex] = design;
    --UndoCount;
    UndoIndex = UndoIndex == 0 ? UNDO_SNAPSHOTS - 1 : UndoIndex - 1;
    design = (*History)[UndoIndex];
    return true;
}

bool T_UNDO::Redo(T_DESIGN& design) {
    if (UndoCount >= RedoLimit)
        return false;
    ++UndoCount;
    UndoIndex = (UndoIndex + 1) % UNDO_SNAPSHOTS;
    design = (*History)[UndoIndex];
    return true;
}
