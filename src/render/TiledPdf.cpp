#include "TiledPdf.h"

#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace {

constexpr float UNITS_PER_MM = EXPORT_UNITS_PER_MM;
constexpr int UNITS_DPI = EXPORT_UNITS_DPI;
constexpr float MARK_ARM_MM = 6.0f;
constexpr float MARK_RADIUS_MM = 2.5f;

// Tiles needed to cover length with pages that print printable and advance by step.
int TilesFor(float length, float printable, float step) {
    if (length <= printable || step <= 0.0f)
        return 1;
    return 1 + static_cast<int>(std::ceil((length - printable) / step - 1e-4f));
}

PageTiles TilesOn(float widthMm, float heightMm, QSizeF sheet, bool landscape) {
    PageTiles tiles;
    tiles.Landscape = landscape;
    tiles.PageWidthMm = static_cast<float>(landscape ? sheet.height() : sheet.width());
    tiles.PageHeightMm = static_cast<float>(landscape ? sheet.width() : sheet.height());
    const float printableX = tiles.PageWidthMm - 2 * TILE_PAGE_MARGIN_MM;
    const float printableY = tiles.PageHeightMm - 2 * TILE_PAGE_MARGIN_MM;
    tiles.StepXMm = printableX - TILE_OVERLAP_MM;
    tiles.StepYMm = printableY - TILE_OVERLAP_MM;
    tiles.Columns = TilesFor(widthMm, printableX, tiles.StepXMm);
    tiles.Rows = TilesFor(heightMm, printableY, tiles.StepYMm);
    return tiles;
}

// Rows are lettered A..Z, then AA, AB, ... as spreadsheets do.
QString RowName(int row) {
    QString name;
    for (++row; row > 0; row = (row - 1) / 26)
        name.prepend(QChar('A' + (row - 1) % 26));
    return name;
}

QString TileName(int column, int row) {
    return RowName(row) + QString::number(column + 1);
}

float Units(float mm) {
    return mm * UNITS_PER_MM;
}

struct TiledJob {
    TrueScaleSource& Source;
    WorldExtent Extent;
    PageTiles Tiles;
    float PerCm; // device units per world centimetre
    int Denominator;
    float PrintableX() const { return Tiles.StepXMm + TILE_OVERLAP_MM; }
    float PrintableY() const { return Tiles.StepYMm + TILE_OVERLAP_MM; }
};

void Cross(QPainter& painter, QPointF at) {
    const float arm = Units(MARK_ARM_MM), radius = Units(MARK_RADIUS_MM);
    painter.drawLine(at - QPointF(arm, 0), at + QPointF(arm, 0));
    painter.drawLine(at - QPointF(0, arm), at + QPointF(0, arm));
    painter.drawEllipse(at, radius, radius);
}

// Alignment crosses at fixed places of the layout, in the bands that pages
// share: each page draws the ones it holds (those of its own grid corners and
// its neighbours'), so neighbours' crosses coincide.
void AlignmentMarks(QPainter& painter, const TiledJob& job, QPointF layoutToPage, int column,
                    int row) {
    painter.setBrush(Qt::NoBrush);
    const float half = TILE_OVERLAP_MM / 2;
    // White under black, so that the crosses show on tracks as on the board.
    for (const QPen& pen : {QPen(Qt::white, Units(0.8f)), QPen(Qt::black, Units(0.2f))}) {
        painter.setPen(pen);
        for (int i = std::max(column - 1, 0); i <= std::min(column + 2, job.Tiles.Columns); ++i)
            for (int j = std::max(row - 1, 0); j <= std::min(row + 2, job.Tiles.Rows); ++j) {
                const float x = i * job.Tiles.StepXMm + half, y = j * job.Tiles.StepYMm + half;
                for (QPointF mm : {QPointF(x, y), QPointF(x, y + job.Tiles.StepYMm / 2),
                                   QPointF(x + job.Tiles.StepXMm / 2, y)})
                    Cross(painter, layoutToPage + mm * UNITS_PER_MM);
            }
    }
}

// Where the next page's edge lands (dashed), and crop marks in the margin
// where this page's printed area begins.
void CutMarks(QPainter& painter, const TiledJob& job, int column, int row) {
    const float m = Units(TILE_PAGE_MARGIN_MM);
    const float right = m + Units(job.PrintableX()), bottom = m + Units(job.PrintableY());
    painter.setPen(QPen(Qt::black, Units(0.2f)));
    for (float x : {m, right}) {
        painter.drawLine(QPointF(x, 0), QPointF(x, m * 0.8f));
        painter.drawLine(QPointF(x, bottom + m * 0.2f), QPointF(x, bottom + m));
    }
    for (float y : {m, bottom}) {
        painter.drawLine(QPointF(0, y), QPointF(m * 0.8f, y));
        painter.drawLine(QPointF(right + m * 0.2f, y), QPointF(right + m, y));
    }
    painter.setPen(QPen(Qt::darkGray, Units(0.3f), Qt::DashLine));
    if (column + 1 < job.Tiles.Columns)
        painter.drawLine(QPointF(m + Units(job.Tiles.StepXMm), m),
                         QPointF(m + Units(job.Tiles.StepXMm), bottom));
    if (row + 1 < job.Tiles.Rows)
        painter.drawLine(QPointF(m, m + Units(job.Tiles.StepYMm)),
                         QPointF(right, m + Units(job.Tiles.StepYMm)));
}

// A font sized in the page's units, so that it prints as large on any
// printer's resolution.
QFont UnitsFont(float points, bool bold) {
    QFont font;
    font.setPixelSize(std::max(1, static_cast<int>(points * UNITS_DPI / 72.0f + 0.5f)));
    font.setBold(bold);
    return font;
}

void Label(QPainter& painter, QPointF at, const QString& text, float pointSize, bool bold) {
    painter.setFont(UnitsFont(pointSize, bold));
    // On white, so that it reads over a filled track.
    const QRectF box = painter.fontMetrics().boundingRect(text).translated(at.toPoint());
    painter.fillRect(box.adjusted(-Units(1), -Units(1), Units(1), Units(1)), Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(at, text);
}

// The tile's name, the page's place in the grid and its neighbours, clear of
// the bands that neighbours cover.
void TileLabels(QPainter& painter, const TiledJob& job, int column, int row) {
    const float m = Units(TILE_PAGE_MARGIN_MM);
    const float right = m + Units(job.PrintableX()), bottom = m + Units(job.PrintableY());
    const QString scale = QStringLiteral("1:%1").arg(job.Denominator);
    Label(painter, {m + Units(TILE_OVERLAP_MM + 3), m + Units(TILE_OVERLAP_MM + 12)},
          TileName(column, row), 24, true);
    Label(painter, {m + Units(TILE_OVERLAP_MM + 3), m + Units(TILE_OVERLAP_MM + 18)},
          QStringLiteral("row %1 of %2, column %3 of %4, %5")
              .arg(RowName(row), RowName(job.Tiles.Rows - 1))
              .arg(column + 1)
              .arg(job.Tiles.Columns)
              .arg(scale),
          8, false);
    if (column + 1 < job.Tiles.Columns)
        Label(painter, {right - Units(28), m + (bottom - m) * 0.4f},
              QStringLiteral("%1 \u2192").arg(TileName(column + 1, row)), 10, true);
    if (row + 1 < job.Tiles.Rows)
        Label(painter, {m + (right - m) * 0.4f, bottom - Units(16)},
              QStringLiteral("%1 \u2193").arg(TileName(column, row + 1)), 10, true);
}

// Device units on the page back to world centimetres.
QRectF WorldOf(const TiledJob& job, QPointF layoutToPage, const QRectF& onPage) {
    const QPointF origin(layoutToPage.x() - job.Extent.MinX * job.PerCm,
                         layoutToPage.y() - job.Extent.MinY * job.PerCm);
    return QRectF((onPage.topLeft() - origin) / job.PerCm, onPage.size() / job.PerCm);
}

void TilePage(QPainter& painter, const TiledJob& job, int column, int row,
              const JobProgress* cancel) {
    const float m = Units(TILE_PAGE_MARGIN_MM);
    const QPointF layoutToPage(m - Units(column * job.Tiles.StepXMm),
                               m - Units(row * job.Tiles.StepYMm));
    const QRectF printable(m, m, Units(job.PrintableX()), Units(job.PrintableY()));
    painter.save();
    painter.setClipRect(printable);
    // Only the pieces that touch this page are drawn on it.
    PaintTrueScale(job.Source, painter,
                   {job.PerCm, static_cast<float>(layoutToPage.x()) - job.Extent.MinX * job.PerCm,
                    static_cast<float>(layoutToPage.y()) - job.Extent.MinY * job.PerCm,
                    UNITS_PER_MM},
                   WorldOf(job, layoutToPage, printable), cancel);
    AlignmentMarks(painter, job, layoutToPage, column, row);
    painter.restore();
    CutMarks(painter, job, column, row);
    TileLabels(painter, job, column, row);
}

// The whole layout shrunk onto one page with the grid of tiles over it.
void OverviewPage(QPainter& painter, const TiledJob& job, const QString& title) {
    const float m = Units(TILE_PAGE_MARGIN_MM), top = m + Units(15);
    const float gridW = Units(job.Tiles.Columns * job.Tiles.StepXMm + TILE_OVERLAP_MM);
    const float gridH = Units(job.Tiles.Rows * job.Tiles.StepYMm + TILE_OVERLAP_MM);
    const float s = std::min((Units(job.Tiles.PageWidthMm) - 2 * m) / gridW,
                             (Units(job.Tiles.PageHeightMm) - m - top) / gridH);
    Label(painter, {m, m + Units(6)}, title, 12, true);
    // Scaled by the paint itself rather than the painter, so the parts are
    // culled against the page and the lines keep their printed width.
    const QRectF everything(job.Extent.MinX, job.Extent.MinY, job.Extent.Width(),
                            job.Extent.Height());
    PaintTrueScale(job.Source, painter,
                   {job.PerCm * s, m - job.Extent.MinX * job.PerCm * s,
                    top - job.Extent.MinY * job.PerCm * s, UNITS_PER_MM},
                   everything);
    // A third of a cell's height, readable however small the grid.
    const float cellPoints = s * Units(job.Tiles.StepYMm) / 3.0f / (UNITS_DPI / 72.0f);
    painter.setFont(UnitsFont(std::clamp(cellPoints, 6.0f, 48.0f), true));
    painter.setBrush(Qt::NoBrush);
    for (int c = 0; c < job.Tiles.Columns; ++c)
        for (int r = 0; r < job.Tiles.Rows; ++r) {
            const QRectF cell(m + s * Units(c * job.Tiles.StepXMm),
                              top + s * Units(r * job.Tiles.StepYMm), s * Units(job.PrintableX()),
                              s * Units(job.PrintableY()));
            painter.setPen(QPen(QColor(0, 0, 160), Units(0.3f)));
            painter.drawRect(cell);
            painter.drawText(cell, Qt::AlignCenter, TileName(c, r));
        }
}

} // namespace

PageTiles TileLayout(float widthMm, float heightMm, QPageSize::PageSizeId paper) {
    const QSizeF sheet = QPageSize(paper).size(QPageSize::Millimeter);
    const PageTiles upright = TilesOn(widthMm, heightMm, sheet, false);
    const PageTiles turned = TilesOn(widthMm, heightMm, sheet, true);
    return turned.Pages() < upright.Pages() ? turned : upright;
}

TiledDocument::TiledDocument(CanvasSet& canvases, int scaleDenominator, QPageSize::PageSizeId paper,
                             TrueScaleStyle style)
    : Source(std::make_unique<TrueScaleSource>(canvases, style)), Paper(paper),
      Denominator(std::max(scaleDenominator, 1)), Title(DesignTitle(canvases)) {
    const WorldExtent& extent = Source->Extent;
    const float mmPerCm = PaperMmPerCm(Denominator);
    if (!extent.Empty)
        Grid = TileLayout(extent.Width() * mmPerCm, extent.Height() * mmPerCm, paper);
}

TiledDocument::~TiledDocument() = default;

bool TiledDocument::Empty() const {
    return Source->Extent.Empty;
}

QPageLayout TiledDocument::PageLayout() const {
    return QPageLayout(QPageSize(Paper),
                       Grid.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

void TiledDocument::PaintPage(QPainter& painter, int page, const JobProgress* cancel) {
    const TiledJob job{*Source, Source->Extent, Grid, PaperMmPerCm(Denominator) * UNITS_PER_MM,
                       Denominator};
    if (page == 0) {
        OverviewPage(painter, job,
                     QStringLiteral("%1: %2 pages of %3 at 1:%4")
                         .arg(Title)
                         .arg(Grid.Columns * Grid.Rows)
                         .arg(QPageSize(Paper).name())
                         .arg(Denominator));
        return;
    }
    const int tile = page - 1;
    TilePage(painter, job, tile % Grid.Columns, tile / Grid.Columns, cancel);
}

bool PaintTiles(TiledDocument& document, QPagedPaintDevice& device, JobProgress* progress,
                const std::function<void()>& onCancel) {
    if (document.Empty())
        return false;
    if (progress)
        progress->Total = document.Pages();
    device.setPageLayout(document.PageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The pages are laid out in tenths of a millimetre whatever the device's resolution.
    painter.scale(device.logicalDpiX() / static_cast<double>(UNITS_DPI),
                  device.logicalDpiY() / static_cast<double>(UNITS_DPI));
    for (int page = 0; page < document.Pages(); ++page) {
        if (progress && progress->Cancelled())
            break;
        if (page > 0)
            device.newPage();
        document.PaintPage(painter, page, progress);
        if (progress)
            progress->Step();
    }
    const bool cancelled = progress && progress->Cancelled();
    if (cancelled && onCancel)
        onCancel();
    return painter.end() && !cancelled;
}

bool PaintTiles(CanvasSet& canvases, QPagedPaintDevice& device, int scaleDenominator,
                QPageSize::PageSizeId paper, PageTiles& tiles, TrueScaleStyle style,
                JobProgress* progress) {
    TiledDocument document(canvases, scaleDenominator, paper, style);
    tiles = document.Tiles();
    return PaintTiles(document, device, progress);
}

bool ExportTiledPdf(CanvasSet& canvases, const std::string& fileName, int scaleDenominator,
                    QPageSize::PageSizeId paper, PageTiles& tiles, TrueScaleStyle style,
                    JobProgress* progress) {
    const std::string partial = PartialFileName(fileName);
    bool painted = false;
    {
        QPdfWriter pdf(QString::fromLocal8Bit(partial.c_str()));
        pdf.setResolution(UNITS_DPI);
        pdf.setTitle(DesignTitle(canvases));
        painted = PaintTiles(canvases, pdf, scaleDenominator, paper, tiles, style, progress);
    }
    return CommitPartial(partial, fileName, painted);
}
