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

// Texts of the freehand layers are sized in the world: a text of size s has
// a font of s x 0.5 cm, so every output shows it alike. Its letters' cap
// height is that of the font's capitals.
constexpr double TEXT_FONT_CM_PER_SIZE = 0.5;
constexpr double TEXT_CAP_HEIGHT_PER_FONT = 0.7; // capitals of Arial and its metric twins
constexpr double TEXT_ASCENT_PER_FONT = 0.905;
// The font's pixel size on a target of pixelsPerCm.
int TextPixelSize(int32_t textSize, double pixelsPerCm);
