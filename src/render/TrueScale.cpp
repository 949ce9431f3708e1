#include "TrueScale.h"

#include "geometry/PartGeometry.h"

#include "DxfExport.h"
#include "TemplateSvg.h"

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

QSizeF PdfPageSizeMm(const WorldExtent& extent, int scaleDenominator) {
    const float mmPerCm = PaperMmPerCm(scaleDenominator);
    return {(extent.Width() + 2 * MARGIN_CM) * mmPerCm,
            (extent.Height() + 2 * MARGIN_CM) * mmPerCm};
}

bool PdfPageFits(const WorldExtent& extent, int scaleDenominator) {
    const QSizeF page = PdfPageSizeMm(extent, scaleDenominator);
    return page.width() <= MAX_PDF_PAGE_MM && page.height() <= MAX_PDF_PAGE_MM;
}

TrueScaleSource::TrueScaleSource(CanvasSet& canvases, TrueScaleStyle style)
    : Canvases(canvases), Style(style), Extent(LayoutExtent(canvases)) {
    // The template shows every lane in its colour; the picture as the screen does.
    Layout.Build(canvases.Design.Design,
                 style == TrueScaleStyle::Template || canvases.Design.ColorLanes);
}

void PaintTrueScale(TrueScaleSource& source, QPainter& painter, const PaperMapping& map,
                    const QRectF& worldClip, const JobProgress* cancel) {
    if (source.Style == TrueScaleStyle::Template) {
        PaintTemplate(painter, source.Layout, source.Canvases.Room.Layer,
                      source.Canvases.Design.Freehand, map, worldClip, cancel);
        return;
    }
    PaintAtScale(source.Canvases, painter, {map.UnitsPerCm, map.OriginX, map.OriginY, false, 2},
                 source.Layout, worldClip, cancel);
}

const char* StyleName(TrueScaleStyle style) {
    return style == TrueScaleStyle::Template ? "template" : "screen";
}

bool StyleFromName(const std::string& name, TrueScaleStyle& style) {
    if (name != "template" && name != "screen")
        return false;
    style = name == "template" ? TrueScaleStyle::Template : TrueScaleStyle::Screen;
    return true;
}

namespace {

// The whole layout and its border on one sheet of its own size.
struct Sheet {
    TrueScaleSource Source;
    float PerCm; // file units per world cm
    QSizeF Units;

    Sheet(CanvasSet& canvases, TrueScaleStyle style, int scaleDenominator)
        : Source(canvases, style), PerCm(UnitsPerCm(scaleDenominator)),
          Units((Source.Extent.Width() + 2 * MARGIN_CM) * PerCm,
                (Source.Extent.Height() + 2 * MARGIN_CM) * PerCm) {}

    PaperMapping Mapping() const {
        const WorldExtent& e = Source.Extent;
        return {PerCm, (MARGIN_CM - e.MinX) * PerCm, (MARGIN_CM - e.MinY) * PerCm,
                EXPORT_UNITS_PER_MM};
    }
    QRectF Clip() const {
        const WorldExtent& e = Source.Extent;
        return QRectF(e.MinX - MARGIN_CM, e.MinY - MARGIN_CM, e.Width() + 2 * MARGIN_CM,
                      e.Height() + 2 * MARGIN_CM);
    }

    void Paint(QPainter& painter, JobProgress* progress) {
        if (progress)
            progress->Total = 1;
        PaintTrueScale(Source, painter, Mapping(), Clip(), progress);
        if (progress)
            progress->Step();
    }
};

bool Cancelled(const JobProgress* progress) {
    return progress && progress->Cancelled();
}

} // namespace

namespace {

bool WriteTemplateSvg(Sheet& sheet, const std::string& partial, const QString& title,
                      JobProgress* progress) {
    TemplateSvgWriter writer;
    if (progress)
        progress->Total = 1;
    DrawTemplate(writer, sheet.Source.Layout, sheet.Source.Canvases.Room.Layer,
                 sheet.Source.Canvases.Design.Freehand, sheet.Mapping(), sheet.Clip(), progress);
    if (Cancelled(progress))
        return false;
    if (progress)
        progress->Step();
    return writer.Write(partial, sheet.Units / EXPORT_UNITS_PER_MM, EXPORT_UNITS_PER_MM, title);
}

bool WriteScreenSvg(Sheet& sheet, const std::string& partial, const QString& title,
                    JobProgress* progress) {
    QSvgGenerator svg;
    svg.setFileName(QString::fromLocal8Bit(partial.c_str()));
    svg.setResolution(EXPORT_UNITS_DPI);
    svg.setSize(sheet.Units.toSize());
    // The viewBox in millimetres; the painting in tenths of them.
    svg.setViewBox(QRectF(0, 0, sheet.Units.width() / EXPORT_UNITS_PER_MM,
                          sheet.Units.height() / EXPORT_UNITS_PER_MM));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.scale(1.0 / EXPORT_UNITS_PER_MM, 1.0 / EXPORT_UNITS_PER_MM);
    sheet.Paint(painter, progress);
    return painter.end() && !Cancelled(progress);
}

} // namespace

bool ExportSvg(CanvasSet& canvases, const std::string& fileName, int scaleDenominator,
               TrueScaleStyle style, JobProgress* progress) {
    Sheet sheet(canvases, style, scaleDenominator);
    if (sheet.Source.Extent.Empty)
        return false;
    const std::string partial = PartialFileName(fileName);
    const bool written = style == TrueScaleStyle::Template
                             ? WriteTemplateSvg(sheet, partial, DesignTitle(canvases), progress)
                             : WriteScreenSvg(sheet, partial, DesignTitle(canvases), progress);
    return CommitPartial(partial, fileName, written);
}

bool ExportPdf(CanvasSet& canvases, const std::string& fileName, int scaleDenominator,
               TrueScaleStyle style, JobProgress* progress) {
    Sheet sheet(canvases, style, scaleDenominator);
    const WorldExtent& extent = sheet.Source.Extent;
    if (extent.Empty || !PdfPageFits(extent, scaleDenominator))
        return false;
    const std::string partial = PartialFileName(fileName);
    bool written = false;
    {
        QPdfWriter pdf(QString::fromLocal8Bit(partial.c_str()));
        pdf.setResolution(EXPORT_UNITS_DPI);
        pdf.setPageSize(QPageSize(PdfPageSizeMm(extent, scaleDenominator), QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(DesignTitle(canvases));
        QPainter painter;
        if (painter.begin(&pdf)) {
            sheet.Paint(painter, progress);
            written = painter.end() && !Cancelled(progress);
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

bool ExportLayoutFile(CanvasSet& canvases, const std::string& fileName, int scaleDenominator,
                      TrueScaleStyle style, JobProgress* progress) {
    const QString suffix = SuffixOf(fileName);
    if (suffix == "svg")
        return ExportSvg(canvases, fileName, scaleDenominator, style, progress);
    if (suffix == "dxf")
        return ExportDxf(canvases, fileName, scaleDenominator);
    if (suffix == "pdf")
        return ExportPdf(canvases, fileName, scaleDenominator, style, progress);
    return false;
}
