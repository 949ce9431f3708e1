#pragma once
#include "base/AngleTable.h"

// World-to-screen mapping of a drawing: scale (pixels per cm), origin (pixels)
// and rotation. The drawing context of the canvases extends it.
struct ViewTransform {
    float Scale = 1.0f;
    float OriginX = 0.0f;
    float OriginY = 0.0f;
    QuarterDegrees Angle = 0;
};

struct ScreenPoint {
    int X = 0;
    int Y = 0;
};

// Rotates (x, y) by the view's angle, scales it and moves it to the origin;
// the pixel is truncated toward zero.
ScreenPoint WorldToScreen(const ViewTransform& view, float x, float y);
