#pragma once
#include "Repaint.h"
#include "TemplateStyle.h"
#include "base/JobProgress.h"

#include <QSizeF>
#include <QString>
#include <string>

// The layout at true scale: its extent in the world, and vector files of it
// drawn by the same painting as the printout.

struct WorldExtent {
    float MinX = 0.0f; // cm
    float MinY = 0.0f;
    float MaxX = 0.0f;
    float MaxY = 0.0f;
    bool Empty = true;
    float Width() const { return MaxX - MinX; }
    float Height() const { return MaxY - MinY; }
};

// The exports are drawn in tenths of a millimetre: fine enough for a router.
constexpr float EXPORT_UNITS_PER_MM = 10.0f;
constexpr int EXPORT_UNITS_DPI = 254; // 10 units to the millimetre
// Millimetres on paper per world centimetre at 1:scaleDenominator.
inline float PaperMmPerCm(int scaleDenominator) {
    return 10.0f / static_cast<float>(scaleDenominator > 1 ? scaleDenominator : 1);
}

// What the tracks, the design's drawing and the room cover.
WorldExtent LayoutExtent(CanvasSet& canvases);

// A layout measured and placed once for a true-scale output of any number
// of pages, in one of the two styles.
struct TrueScaleSource {
    CanvasSet& Canvases;
    TrueScaleStyle Style;
    WorldExtent Extent;
    WorldLayout Layout;

    TrueScaleSource(CanvasSet& canvases, TrueScaleStyle style);
};
// Paints what of the layout meets worldClip (cm); stops early once cancelled.
void PaintTrueScale(TrueScaleSource& source, QPainter& painter, const PaperMapping& map,
                    const QRectF& worldClip, const JobProgress* cancel = nullptr);
// The name of a style as the tool and the settings write it, and back.
const char* StyleName(TrueScaleStyle style);
bool StyleFromName(const std::string& name, TrueScaleStyle& style);

// Common PDF readers refuse pages beyond 200 inches: no one-page PDF is
// written larger; the tiled PDF takes such a layout.
constexpr float MAX_PDF_PAGE_MM = 5080.0f;
// The one-page PDF's sheet at 1:scaleDenominator: the layout and its border.
QSizeF PdfPageSizeMm(const WorldExtent& extent, int scaleDenominator);
bool PdfPageFits(const WorldExtent& extent, int scaleDenominator);

// SVG and one-page PDF of the layout at 1:scaleDenominator, sized in
// millimetres; false when the file could not be written, nothing is laid or
// (PDF) the page would not fit.
bool ExportSvg(CanvasSet& canvases, const std::string& fileName, int scaleDenominator,
               TrueScaleStyle style = TrueScaleStyle::Screen, JobProgress* progress = nullptr);
bool ExportPdf(CanvasSet& canvases, const std::string& fileName, int scaleDenominator,
               TrueScaleStyle style = TrueScaleStyle::Screen, JobProgress* progress = nullptr);

// Whether the name ends in .svg, .dxf or .pdf (in any case).
bool HasExportSuffix(const std::string& fileName);
// SVG, DXF or PDF by the file name's extension; false for any other (and
// when cancelled: no file is left then).
bool ExportLayoutFile(CanvasSet& canvases, const std::string& fileName, int scaleDenominator,
                      TrueScaleStyle style = TrueScaleStyle::Screen,
                      JobProgress* progress = nullptr);

// The design's file name without its folder, for titles of the exports.
QString DesignTitle(CanvasSet& canvases);

// Exports are written beside their target and moved over it only once
// complete, so a failed export leaves the user's old file as it was.
std::string PartialFileName(const std::string& fileName);
// Moves the partial file over the target when written, else removes it.
bool CommitPartial(const std::string& partial, const std::string& fileName, bool written);
