#pragma once
#include "app/Appl.h"

// The Move mode: a press in MoveStart starts dragging the view, which then
// follows the pointer one to one.
void BeginViewDrag(A_APPL& appl, P_PANEL& panel, int x, int y);
void DragView(A_APPL& appl, P_PANEL& panel, int x, int y);

// What every drawing program does with the middle button and the wheel:
// pan the view, and zoom about the pointer.
void BeginPan(A_APPL& appl, P_PANEL& panel, int x, int y);
// False when no pan is under way.
bool MovePan(A_APPL& appl, int x, int y);
bool EndPan(A_APPL& appl);

// One wheel notch is 120 units, as the platform counts them.
constexpr int WHEEL_NOTCH = 120;
// The wheel zooms the panel about the pointer, one notch by WHEEL_ZOOM_STEP,
// from a view of a whole hall to close work on the smallest track; a zoom
// typed beyond that is not pulled back.
constexpr float WHEEL_ZOOM_STEP = 1.25f;
constexpr float WHEEL_ZOOM_MIN = 0.05f; // pixels per cm
constexpr float WHEEL_ZOOM_MAX = 50.0f;
void WheelZoom(A_APPL& appl, P_PANEL& panel, int delta, int x, int y);
// Pans the view sideways by a wheel turn.
void WheelPanAcross(A_APPL& appl, P_PANEL& panel, int delta);
// A wheel turn over a canvas: the plain wheel zooms about the pointer; a
// sideways turn (tilted wheel, touchpad) and Shift with the wheel pan across.
void WheelTurned(A_APPL& appl, P_PANEL& panel, int deltaX, int deltaY, int x, int y, bool shift);
