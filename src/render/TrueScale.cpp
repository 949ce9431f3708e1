#include "TrueScale.h"

#include "geometry/PartGeometry.h"

#include "DxfExport.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cstdio>

namespace {

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

// File units per world centimetre at 1:denominator.
float UnitsPerCm(int denominator) {
    return PaperMmPerCm(denominator) * EXPORT_UNITS_PER_MM;
}

} // namespace

WorldExtent LayoutExtent(CanvasSet& canvases) {
    WorldExtent extent;
    T_DESIGN& design = canvases.Design.Design;
    PointBuffer outline;
    ForEachTrackAlone(design, [&](int, const T_PLACEMENT& placement) {
        for (int k = 0; k < placement.Count; ++k) {
            outline.Clear();
            // In tenths of a millimetre, so the extent is not rounded to whole centimetres.
            Pose pose = placement.Entries[k].StartPose();
            pose.X *= 100.0f;
            pose.Y *= 100.0f;
            PartOutline(*placement.Entries[k].Part, pose, 100.0f, true, outline);
            for (int i = 0; i < outline.Count; ++i)
                Add(extent, outline.Points[i].X / 100.0f, outline.Points[i].Y / 100.0f);
        }
    });
    AddLayer(extent, canvases.Design.Freehand);
    AddLayer(extent, canvases.Room.Layer);
    return extent;
}

QString DesignTitle(CanvasSet& canvases) {
    const std::string& name = canvases.Design.Design.FileName;
    return name.empty() ? QStringLiteral("Layout")
                        : QFileInfo(QString::fromLocal8Bit(name.c_str())).fileName();
}

std::string PartialFileName(const std::string& fileName) {
    return fileName + ".partial";
}

bool CommitPartial(const std::string& partial, const std::string& fileName, bool written) {
    if (written && std::rename(partial.c_str(), fileName.c_str()) == 0)
        return true;
    std::remove(partial.c_str());
    return false;
}

bool ExportSvg(CanvasSet& canvases, const std::string& fileName, int scaleDenominator) {
    const WorldExtent extent = LayoutExtent(canvases);
    if (extent.Empty)
        return false;
    const std::string partial = PartialFileName(fileName);
    const float perCm = UnitsPerCm(scaleDenominator);
    const float widthCm = extent.Width() + 2 * MARGIN_CM,
                heightCm = extent.Height() + 2 * MARGIN_CM;
    const QSizeF units(widthCm * perCm, heightCm * perCm);
    bool written = false;
    {
        QSvgGenerator svg;
        svg.setFileName(QString::fromLocal8Bit(partial.c_str()));
        svg.setResolution(EXPORT_UNITS_DPI);
        svg.setSize(units.toSize());
        // The viewBox in millimetres; the painting in tenths of them.
        svg.setViewBox(QRectF(0, 0, units.width() / EXPORT_UNITS_PER_MM,
                              units.height() / EXPORT_UNITS_PER_MM));
        svg.setTitle(DesignTitle(canvases));
        QPainter painter;
        if (painter.begin(&svg)) {
            painter.scale(1.0 / EXPORT_UNITS_PER_MM, 1.0 / EXPORT_UNITS_PER_MM);
            PaintAtScale(canvases, painter,
                         {perCm, (MARGIN_CM - extent.MinX) * perCm,
                          (MARGIN_CM - extent.MinY) * perCm, false, 2});
            written = painter.end();
        }
    }
    return CommitPartial(partial, fileName, written);
}

QSizeF PdfPageSizeMm(const WorldExtent& extent, int scaleDenominator) {
    const float mmPerCm = PaperMmPerCm(scaleDenominator);
    return {(extent.Width() + 2 * MARGIN_CM) * mmPerCm,
            (extent.Height() + 2 * MARGIN_CM) * mmPerCm};
}

bool PdfPageFits(const WorldExtent& extent, int scaleDenominator) {
    const QSizeF page = PdfPageSizeMm(extent, scaleDenominator);
    return page.width() <= MAX_PDF_PAGE_MM && page.height() <= MAX_PDF_PAGE_MM;
}

bool ExportPdf(CanvasSet& canvases, const std::string& fileName, int scaleDenominator) {
    const WorldExtent extent = LayoutExtent(canvases);
    if (extent.Empty || !PdfPageFits(extent, scaleDenominator))
        return false;
    const std::string partial = PartialFileName(fileName);
    const float perCm = UnitsPerCm(scaleDenominator);
    const QSizeF page = PdfPageSizeMm(extent, scaleDenominator);
    bool written = false;
    {
        QPdfWriter pdf(QString::fromLocal8Bit(partial.c_str()));
        pdf.setResolution(EXPORT_UNITS_DPI);
        pdf.setPageSize(QPageSize(page, QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(DesignTitle(canvases));
        QPainter painter;
        if (painter.begin(&pdf)) {
            PaintAtScale(canvases, painter,
                         {perCm, (MARGIN_CM - extent.MinX) * perCm,
                          (MARGIN_CM - extent.MinY) * perCm, false, 2});
            written = painter.end();
        }
    }
    return CommitPartial(partial, fileName, written);
}

namespace {
QString SuffixOf(const std::string& fileName) {
    return QFileInfo(QString::fromLocal8Bit(fileName.c_str())).suffix().toLower();
}
} // namespace

bool HasExportSuffix(const std::string& fileName) {
    const QString suffix = SuffixOf(fileName);
    return suffix == "svg" || suffix == "dxf" || suffix == "pdf";
}

bool ExportLayoutFile(CanvasSet& canvases, const std::string& fileName, int scaleDenominator) {
    const QString suffix = SuffixOf(fileName);
    if (suffix == "svg")
        return ExportSvg(canvases, fileName, scaleDenominator);
    if (suffix == "dxf")
        return ExportDxf(canvases, fileName, scaleDenominator);
    if (suffix == "pdf")
        return ExportPdf(canvases, fileName, scaleDenominator);
    return false;
}
