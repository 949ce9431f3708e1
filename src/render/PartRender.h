#pragma once
#include "geometry/Placement.h"

// Pixel size of the part code labels on screen.
constexpr int PART_LABEL_SIZE = 7;

// Draws one placed part into the view's target: surface, lanes, kerbs,
// silkscreen, code label and anchor cross, and keeps its bounding box (also
// when the view only measures or the part lies outside the target).
// With the view's BatchSmallParts set, a part smaller than a few pixels is
// kept as one stroke along its middle for DrawSmallParts instead.
void DrawPlacedPart(const T_PLACED& placed, P_VIEW& view);
// Draws the strokes of the small parts kept since the last call, one call per colour.
void DrawSmallParts(P_VIEW& view);
// The definition's silkscreen in the part's frame, mirrored about the part's
// reference edge and moved across by offset for right-hand curves.
void DrawSilkscreen(const T_PLACED& placed, P_VIEW& view, bool mirrored, float offset);
// How high a part lies, on the screen's bitmap: a raised part's shadow falls
// below and right of it by its height (drawn before the part), a sunk part
// is shaded darker (drawn after it). Nothing on other targets or at height 0.
void DrawHeightShadow(const T_PLACED& placed, P_VIEW& view);
void DrawSunkShade(const T_PLACED& placed, P_VIEW& view);
// Parts whose box lies wholly outside the target are not drawn; off only to
// measure what that saves.
void SetCulling(bool on);
// Small parts as strokes; off only to measure what that saves and to compare.
void SetSmallPartStrokes(bool on);
// The part's box as DrawPlacedPart measures it.
BoundingBox PartBox(const T_PLACED& placed, const P_VIEW& view);
