#pragma once
#include "geometry/Placement.h"
#include "view/Panel.h"

#include <vector>

// Drawing single parts between repaints: into a panel's raster bitmap (the
// caller refreshes the window), or straight onto its window image in
// exclusive-or mode, so that drawing the same part again erases it (a copy
// of the bitmap erases what was drawn without it).
void DrawOnBitmap(P_PANEL& panel, const T_PLACED& placed);
void DrawOnWindow(P_PANEL& panel, const T_PLACED& placed, P_VIEW& view, bool exclusiveOr);
// Several parts onto the window image in one go.
void DrawPartsOnWindow(P_PANEL& panel, const std::vector<T_PLACED>& parts, P_VIEW& view);
// A small cross straight onto the window: the next repaint removes it.
void DrawCrossOnWindow(P_PANEL& panel, int x, int y, Rgb colour);
