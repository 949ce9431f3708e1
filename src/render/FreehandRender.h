#pragma once
#include "geometry/View.h"

struct F_FREEHAND;
struct F_SHAPE;

// Draws one shape through the view's mapping. Mirrored negates x first (the
// silkscreens of right-hand curves). A shape stored in black is drawn in
// blackAs, which silkscreens set to their part's fill colour.
void DrawShape(const F_SHAPE& shape, P_VIEW& view, bool mirrored, Rgb blackAs = RGB_BLACK);
// Every shape of the layer in stored order.
void DrawLayer(const F_FREEHAND& layer, P_VIEW& view);

constexpr const char* DRAWING_FONT = "Arial";
