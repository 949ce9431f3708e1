#pragma once
#include "Repaint.h"

#include <string>

// The layout as a DXF drawing in millimetres at 1:scaleDenominator, for
// routers and drawing programs: straights as lines, curves as true arcs, on
// the layers TRACKS, LANE1, LANE2, KERBS, SILKSCREEN, FREEHAND and ROOM. y points up, as
// drawing programs expect. False when nothing is laid or the file could not
// be written.
bool ExportDxf(CanvasSet& canvases, const std::string& fileName, int scaleDenominator);
