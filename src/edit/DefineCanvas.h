#pragma once
#include "Pointer.h"

// The part drawing canvas: its pointer events only draw the silkscreen.
void DefineCanvasMouseDown(A_APPL& appl, const PointerEvent& event);
void DefineCanvasMouseUp(A_APPL& appl, const PointerEvent& event);
void DefineCanvasMouseMove(A_APPL& appl, const PointerEvent& event);
