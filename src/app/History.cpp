#include "History.h"

#include "Appl.h"
#include "DesignCommands.h"

namespace {

// Every change of the history follows a change of the design: the caption
// shows the name and changed state it has now (an undo restores both).
void ShowUndoState(A_APPL& appl, const Change& change) {
    ShowDesignCaption(appl);
    if (appl.Window)
        appl.Window->EnableUndoRedo(appl.Design.History.UndoEnabled(),
                                    appl.Design.History.RedoEnabled());
    appl.Changes.Announce(change);
}

// A restored design has none of the selections of the one it replaces.
void Restored(A_APPL& appl) {
    appl.Edit.DropGesture();
    appl.Design.SelectedTrack = nullptr;
    appl.Design.DeselectShape();
    ShowUndoState(appl, {ChangeKind::Design});
}

void Step(A_APPL& appl, bool (T_UNDO::*step)(T_DESIGN&)) {
    appl.Edit.PendingPreview = false;
    if ((appl.Design.History.*step)(appl.Design.Design))
        Restored(appl);
    RepaintPanel(appl.Canvases);
}

} // namespace

void ResetUndo(A_APPL& appl) {
    appl.Design.History.ResetUndo(appl.Design.Design);
    ShowUndoState(appl, {ChangeKind::Design});
}

void PushUndo(A_APPL& appl, const Change& change) {
    appl.Design.History.PushUndo(appl.Design.Design);
    ShowUndoState(appl, change);
}

Change TrackChange(const T_DESIGN& design, const T_TRACK* track) {
    return {ChangeKind::Track, track && !track->Group ? design.SlotOf(track) : -1};
}

void UndoCommand(A_APPL& appl) {
    Step(appl, &T_UNDO::Undo);
}

void RedoCommand(A_APPL& appl) {
    Step(appl, &T_UNDO::Redo);
}
