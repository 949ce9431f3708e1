#pragma once
#include "Pointer.h"

// Drawing on the freehand layer of the current panel: the design's drawing,
// the room outline or the silkscreen under edit. The canvases call these
// first on every pointer event; without a current panel they do nothing.
void FreehandMouseDown(A_APPL& appl, const PointerEvent& event);
void FreehandMouseUp(A_APPL& appl, const PointerEvent& event);
void FreehandMouseMove(A_APPL& appl, const PointerEvent& event);
// A move of a canvas that only draws: a drag gesture of a freehand press
// begins, then the freehand move.
void FreehandPointerMove(A_APPL& appl, const PointerEvent& event);
// A drag gesture armed by a freehand press begins.
void StartShapeDrag(A_APPL& appl);
void StartPointMove(A_APPL& appl);

// The freehand toolbar: colour (0xRRGGBB) and pen width of new shapes and the
// selected one, the selected text, deleting the selected shape.
void FreeColourCommand(A_APPL& appl, Rgb colour);
void FreePenWidthCommand(A_APPL& appl, const std::string& text);
void FreeEditTextCommand(A_APPL& appl);
void FreeDeleteShapeCommand(A_APPL& appl);

// The layer a panel edits; null for the part drawing canvas without a part.
F_FREEHAND* LayerOf(A_APPL& appl, P_PANEL& panel);
