#include "History.h"

#include "Appl.h"
#include "DesignCommands.h"

namespace {

// Every change of the history follows a change of the design: the caption
// shows the name and changed state it has now (an undo restores both).
void ShowUndoState(A_APPL& appl) {
    ShowDesignCaption(appl);
    if (!appl.Window)
        return;
    appl.Window->EnableUndoRedo(appl.Design.History.UndoEnabled(),
                                appl.Design.History.RedoEnabled());
    appl.Window->DesignEdited();
}

// A restored design has none of the selections of the one it replaces.
void Restored(A_APPL& appl) {
    appl.Edit.DropGesture();
    appl.Design.SelectedTrack = nullptr;
    appl.Design.DeselectShape();
    ShowUndoState(appl);
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
    ShowUndoState(appl);
}

void PushUndo(A_APPL& appl) {
    appl.Design.History.PushUndo(appl.Design.Design);
    ShowUndoState(appl);
}

void UndoCommand(A_APPL& appl) {
    Step(appl, &T_UNDO::Undo);
}

void RedoCommand(A_APPL& appl) {
    Step(appl, &T_UNDO::Redo);
}
