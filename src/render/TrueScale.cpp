#include "TrueScale.h"

#include "geometry/PartGeometry.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>

namespace {

// The files are drawn in tenths of a millimetre: fine enough for a router.
constexpr float UNITS_PER_MM = 10.0f;
constexpr int UNITS_DPI = 254;    // 10 units to the millimetre
constexpr float MARGIN_CM = 2.0f; // around the layout

void Add(WorldExtent& extent, float x, float y) {
    if (extent.Empty) {
        extent = {x, y, x, y, false};
        return;
    }
    extent.MinX = std::min(extent.MinX, x);
    extent.MinY = std::min(extent.MinY, y);
    extent.MaxX = std::max(extent.MaxX, x);
    extent.MaxY = std::max(extent.MaxY, y);
}

void AddLayer(WorldExtent& extent, const F_FREEHAND& layer) {
    for (int s = 0; s < layer.ShapeCount; ++s)
        for (int i = 0; i < layer.Shapes[s].PointCount; ++i)
            Add(extent, layer.Shapes[s].Points[i].X, layer.Shapes[s].Points[i].Y);
}

// Pixels per centimetre of the drawing at 1:denominator, in file units.
float UnitsPerCm(int denominator) {
    return 10.0f * UNITS_PER_MM / static_cast<float>(std::max(denominator, 1));
}

} // namespace

WorldExtent LayoutExtent(CanvasSet& canvases) {
    WorldExtent extent;
    T_DESIGN& design = canvases.Design.Design;
    auto placement = NewPlacement();
    PointBuffer outline;
    for (T_TRACK& track : design.Tracks) {
        if (!track.InUse || track.HoldsOnlyEmptyPart())
            continue;
        placement->Count = 0;
        PlaceTrack(*placement, P_VIEW{}, track);
        for (int k = 0; k < placement->Count; ++k) {
            outline.Clear();
            // In tenths of a millimetre, so the extent is not rounded to whole centimetres.
            Pose pose = placement->Entries[k].StartPose();
            pose.X *= 100.0f;
            pose.Y *= 100.0f;
            PartOutline(*placement->Entries[k].Part, pose, 100.0f, true, outline);
            for (int i = 0; i < outline.Count; ++i)
                Add(extent, outline.Points[i].X / 100.0f, outline.Points[i].Y / 100.0f);
        }
    }
    AddLayer(extent, canvases.Design.Freehand);
    AddLayer(extent, canvases.Room.Layer);
    return extent;
}

bool ExportSvg(CanvasSet& canvases, const std::string& fileName, int scaleDenominator) {
    const WorldExtent extent = LayoutExtent(canvases);
    if (extent.Empty)
        return false;
    const float perCm = UnitsPerCm(scaleDenominator);
    const float widthCm = extent.Width() + 2 * MARGIN_CM,
                heightCm = extent.Height() + 2 * MARGIN_CM;
    const QSizeF units(widthCm * perCm, heightCm * perCm);
    QSvgGenerator svg;
    svg.setFileName(QString::fromLocal8Bit(fileName.c_str()));
    svg.setResolution(UNITS_DPI);
    svg.setSize(units.toSize());
    // The viewBox in millimetres; the painting in tenths of them.
    svg.setViewBox(QRectF(0, 0, units.width() / UNITS_PER_MM, units.height() / UNITS_PER_MM));
    svg.setTitle(QString::fromLatin1(canvases.Design.Design.FileName.c_str()));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.scale(1.0 / UNITS_PER_MM, 1.0 / UNITS_PER_MM);
    PaintAtScale(
        canvases, painter,
        {perCm, (MARGIN_CM - extent.MinX) * perCm, (MARGIN_CM - extent.MinY) * perCm, false, 2});
    return painter.end() && QFile::exists(svg.fileName());
}

bool ExportPdf(CanvasSet& canvases, const std::string& fileName, int scaleDenominator) {
    const WorldExtent extent = LayoutExtent(canvases);
    if (extent.Empty)
        return false;
    const float perCm = UnitsPerCm(scaleDenominator);
    const float mmPerCm = 10.0f / static_cast<float>(std::max(scaleDenominator, 1));
    const QSizeF page((extent.Width() + 2 * MARGIN_CM) * mmPerCm,
                      (extent.Height() + 2 * MARGIN_CM) * mmPerCm);
    QPdfWriter pdf(QString::fromLocal8Bit(fileName.c_str()));
    pdf.setResolution(UNITS_DPI);
    pdf.setPageSize(QPageSize(page, QPageSize::Millimeter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QString::fromLatin1(canvases.Design.Design.FileName.c_str()));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    PaintAtScale(
        canvases, painter,
        {perCm, (MARGIN_CM - extent.MinX) * perCm, (MARGIN_CM - extent.MinY) * perCm, false, 2});
    return painter.end();
}
