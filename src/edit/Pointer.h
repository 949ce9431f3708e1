#pragma once
#include "app/Appl.h"

// One pointer event of a canvas, in canvas pixels; the screen position places
// windows that follow the pointer.
enum class PointerButton { None, Left, Right, Middle };
struct PointerEvent {
    PointerButton Button = PointerButton::Left;
    int X = 0;
    int Y = 0;
    int ScreenX = 0;
    int ScreenY = 0;
};

// Drag detection: a left press arms a gesture; it starts on the first move
// that leaves the platform's drag distance with the button still down, and a
// release ends it unstarted.
void PressLeft(A_APPL& appl, int x, int y);
void ArmGesture(A_APPL& appl, Gesture gesture, T_TRACK* track, int part);
// The gesture that this move starts, or none.
Gesture GestureStartedBy(A_APPL& appl, int x, int y);
void ReleaseButtons(A_APPL& appl);

// The platform's drag distance in pixels.
int DragDistance();
