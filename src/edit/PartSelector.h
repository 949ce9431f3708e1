#pragma once
#include "Pointer.h"

// The palette of the design's brand: layout and drawing, hover with the tool
// tip and the yellow preview, drag and drop onto the design, double-click.

// Size of the hint panel at the palette's top-left corner; the cells start below it.
constexpr int HINT_PANEL_WIDTH = 125;
constexpr int HINT_PANEL_HEIGHT = 39;
constexpr int PART_SELECTOR_WIDTH = 141;
constexpr int PART_SELECTOR_SCROLLBAR_WIDTH = 17;
constexpr Rgb STOCK_OVERUSED = 0x800000;
constexpr Rgb STOCK_FREE = 0x808080;

// Whether a part of the brand gets a cell: all do while out-of-stock parts show.
bool PartAvailable(const A_APPL& appl, const L_BRAND& brand, const L_PARTDEF& def);
// The palette's fill colour for a part by its stock and use.
Rgb StockColour(const A_APPL& appl, const L_BRAND& brand, const L_PARTDEF& def);

// Lays the palette out anew and draws it.
void DrawPartSelector(A_APPL& appl);
// The palette follows the changes: another brand or stock, and the design's
// parts when the palette shows how many are free. Until the palette goes.
int ListenForPaletteChanges(A_APPL& appl);

void PartSelectorMouseMove(A_APPL& appl, int x, int y);
void PartSelectorMouseDown(A_APPL& appl, int x, int y);
void PartSelectorMouseUp(A_APPL& appl, int x, int y);
void PartSelectorDblClick(A_APPL& appl, int x, int y);
void PartSelectorScrolled(A_APPL& appl, int position);

// The palette drag over the design canvas and its drop there.
void PaletteDragOverDesign(A_APPL& appl, int x, int y);
void PaletteDropOnDesign(A_APPL& appl, int x, int y);
// The part under a drag shows in a colour of its own on the design canvas's
// window; restoring it copies the bitmap back over the window.
void HighlightDropTarget(A_APPL& appl, T_PLACED& target, Rgb colour);
void RestoreDropTarget(A_APPL& appl);
// The tinted part while the placement it was found in lasts; null otherwise.
T_PLACED* DropTargetOf(A_APPL& appl);
// Escape during a palette drag: the ghost and the highlight go, nothing is added.
void CancelPaletteDrag(A_APPL& appl);
