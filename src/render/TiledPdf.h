#pragma once
#include "TrueScale.h"

#include <QPageLayout>
#include <QPageSize>
#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPainter;

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

// A tiled print of a layout: placed and measured once, any page painted on
// its own (a preview shows the pages it is asked for).
class TiledDocument {
  public:
    TiledDocument(CanvasSet& canvases, int scaleDenominator, QPageSize::PageSizeId paper,
                  TrueScaleStyle style);
    ~TiledDocument();
    bool Empty() const;
    const PageTiles& Tiles() const { return Grid; }
    int Pages() const { return Grid.Pages(); }
    QPageLayout PageLayout() const;
    // Page 0 is the overview, then the tiles row by row; in tenths of a
    // millimetre from the page's top-left corner.
    void PaintPage(QPainter& painter, int page, const JobProgress* cancel = nullptr);

  private:
    std::unique_ptr<TrueScaleSource> Source;
    QPageSize::PageSizeId Paper;
    int Denominator;
    QString Title;
    PageTiles Grid;
};

// Every page of the document onto a paged device; false when nothing is
// laid, the device cannot be painted or the job was cancelled. A cancelled
// job calls onCancel before the painting ends (a printer drops the job).
bool PaintTiles(TiledDocument& document, QPagedPaintDevice& device, JobProgress* progress = nullptr,
                const std::function<void()>& onCancel = {});

// Paints the overview and the tiles onto a paged device (a PDF, a printer, a
// print preview), turning its pages as the grid needs; false when nothing is
// laid, the device cannot be painted or the job was cancelled. Progress
// counts pages, the overview first.
bool PaintTiles(CanvasSet& canvases, QPagedPaintDevice& device, int scaleDenominator,
                QPageSize::PageSizeId paper, PageTiles& tiles,
                TrueScaleStyle style = TrueScaleStyle::Template, JobProgress* progress = nullptr);

// Writes the tiled PDF at 1:scaleDenominator; false when nothing is laid,
// the file could not be written or the job was cancelled (no file is left
// then). tiles gets the grid used.
bool ExportTiledPdf(CanvasSet& canvases, const std::string& fileName, int scaleDenominator,
                    QPageSize::PageSizeId paper, PageTiles& tiles,
                    TrueScaleStyle style = TrueScaleStyle::Template,
                    JobProgress* progress = nullptr);
