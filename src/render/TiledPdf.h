#pragma once
#include "TrueScale.h"

#include <QPageSize>

class QPagedPaintDevice;

// The layout at true scale over pages of ordinary paper, to tape together:
// an overview page with the grid of pages, then one page per tile with cut
// and alignment marks and its label (row letter, column number).

struct PageTiles {
    int Columns = 1;
    int Rows = 1;
    bool Landscape = false;
    float PageWidthMm = 0.0f; // the sheet as it lies
    float PageHeightMm = 0.0f;
    float StepXMm = 0.0f; // from one tile's left edge to the next one's
    float StepYMm = 0.0f;
    int Pages() const { return Columns * Rows + 1; } // with the overview
};

// The papers offered for tiled printing, by the names users know them by.
struct PaperChoice {
    const char* Name;
    QPageSize::PageSizeId Id;
};
inline constexpr PaperChoice TILE_PAPERS[] = {{"A4", QPageSize::A4},
                                              {"A3", QPageSize::A3},
                                              {"Letter", QPageSize::Letter},
                                              {"Legal", QPageSize::Legal},
                                              {"Tabloid", QPageSize::Tabloid}};

// Page margin kept free for printers that cannot print to the edge, and the
// band each tile shares with its neighbour.
constexpr float TILE_PAGE_MARGIN_MM = 10.0f;
constexpr float TILE_OVERLAP_MM = 10.0f;

// The grid of tiles for a layout of that size on that paper: the sheet turned
// whichever way needs fewer pages (upright when both need as many).
PageTiles TileLayout(float widthMm, float heightMm, QPageSize::PageSizeId paper);

// Paints the overview and the tiles onto a paged device (a PDF, a printer, a
// print preview), turning its pages as the grid needs; false when nothing is
// laid or the device cannot be painted.
bool PaintTiles(CanvasSet& canvases, QPagedPaintDevice& device, int scaleDenominator,
                QPageSize::PageSizeId paper, PageTiles& tiles);

// Writes the tiled PDF at 1:scaleDenominator; false when nothing is laid or
// the file could not be written. tiles gets the grid used.
bool ExportTiledPdf(CanvasSet& canvases, const std::string& fileName, int scaleDenominator,
                    QPageSize::PageSizeId paper, PageTiles& tiles);
