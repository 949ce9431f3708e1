#pragma once
#include "Pointer.h"

// The pointer handlers of the room canvas: drawing the room outline, moving its view.
void RoomCanvasMouseDown(A_APPL& appl, const PointerEvent& event);
void RoomCanvasMouseUp(A_APPL& appl, const PointerEvent& event);
void RoomCanvasMouseMove(A_APPL& appl, const PointerEvent& event);
