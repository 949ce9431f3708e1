#pragma once
#include "Design.h"

#include <array>
#include <memory>

constexpr int UNDO_SNAPSHOTS = 10;

// A ring of whole-design snapshots; the slot at UndoIndex equals the design as
// last recorded, so at most nine steps can be undone.
class T_UNDO {
  public:
    int32_t UndoCount = 0;
    int32_t UndoIndex = 0;
    int32_t RedoLimit = 0;

    explicit T_UNDO(L_PARTDEF* emptyDef);

    void ResetUndo(const T_DESIGN& design);
    // Records the design after an edit; discards what could be redone.
    void PushUndo(const T_DESIGN& design);
    // Restore the previous or next snapshot into design; false when there is none.
    bool Undo(T_DESIGN& design);
    bool Redo(T_DESIGN& design);

    // What the Undo and Redo commands' enabled state shows.
    bool UndoEnabled() const { return UndoCount > 0; }
    bool RedoEnabled() const { return UndoCount < RedoLimit; }

  private:
    // A slot's snapshot is made when first recorded: the megabyte of every
    // slot not yet used is not paid at start-up.
    void Record(int slot, const T_DESIGN& design);
    const T_DESIGN& Snapshot(int slot);

    L_PARTDEF* EmptyDef;
    std::array<std::unique_ptr<T_DESIGN>, UNDO_SNAPSHOTS> History;
};
