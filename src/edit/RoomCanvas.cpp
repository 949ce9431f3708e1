#include "RoomCanvas.h"

#include "FreehandEdit.h"
#include "ViewPan.h"

void RoomCanvasMouseDown(A_APPL& appl, const PointerEvent& event) {
    if (event.Button == PointerButton::Left)
        PressLeft(appl, event.X, event.Y);
    FreehandMouseDown(appl, event);
    const EditMode mode = appl.Edit.Mode;
    if (event.Button == PointerButton::Middle)
        BeginPan(appl, appl.Room, event.X, event.Y);
    else if (event.Button == PointerButton::Left && mode == EditMode::MoveStart)
        BeginViewDrag(appl, appl.Room, event.X, event.Y);
    else if (event.Button == PointerButton::Right &&
             (mode == EditMode::MoveStart || mode == EditMode::Move))
        SetEditMode(appl, EditMode::Select);
}

void RoomCanvasMouseUp(A_APPL& appl, const PointerEvent& event) {
    ReleaseButtons(appl);
    if (EndPan(appl))
        return;
    FreehandMouseUp(appl, event);
    if (appl.Edit.Mode != EditMode::Move)
        return;
    // The room's view is no part of the design: no snapshot.
    SetEditMode(appl, EditMode::MoveStart);
    RepaintPanel(appl.Canvases);
}

void RoomCanvasMouseMove(A_APPL& appl, const PointerEvent& event) {
    if (MovePan(appl, event.X, event.Y))
        return;
    FreehandPointerMove(appl, event);
    if (appl.Edit.Mode == EditMode::Move)
        DragView(appl, appl.Room, event.X, event.Y);
}
