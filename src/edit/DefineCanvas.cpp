#include "DefineCanvas.h"

#include "FreehandEdit.h"

void DefineCanvasMouseDown(A_APPL& appl, const PointerEvent& event) {
    if (event.Button == PointerButton::Left)
        PressLeft(appl, event.X, event.Y);
    FreehandMouseDown(appl, event);
}

void DefineCanvasMouseUp(A_APPL& appl, const PointerEvent& event) {
    ReleaseButtons(appl);
    FreehandMouseUp(appl, event);
}

void DefineCanvasMouseMove(A_APPL& appl, const PointerEvent& event) {
    FreehandPointerMove(appl, event);
}
