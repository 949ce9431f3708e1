#include "Catalogue.h"

#include "FreehandRender.h"
#include "PartRender.h"
#include "TrueScale.h"
#include "toolkit/DrawCanvas.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr float LARGEST_PART_PX = 220.0f; // the largest part of the brand fills this
constexpr float MAX_PIXELS_PER_CM = 10.0f;
constexpr int MIN_CELL_WIDTH = 200;
constexpr int PADDING = 12;
constexpr int TEXT_LINES = 5; // code, up to three of description, dimensions
constexpr int TEXT_PX = 12;
constexpr int TITLE_PX = 20;
constexpr int HEADER_HEIGHT = 80;
constexpr int MAX_COLUMNS = 4;
constexpr float SCALE_BAR_CM = 10.0f;
constexpr int SHEET_DPI = 96;

// The part as the catalogue shows it: a curve left-hand, without borders
// (they are sold apart), lanes in their colours.
struct ShownPart {
    T_PART Part;
    T_PLACED Placed;

    explicit ShownPart(const L_PARTDEF& def) {
        Part = T_PART{0, def.Type == PT_Curve ? PS_LEFT : uint8_t(0), const_cast<L_PARTDEF*>(&def)};
        Placed.Part = &Part;
        Placed.FillColor = RGB_BLACK;
        Placed.FirstLaneColor = RGB_RED;
        Placed.SecondLaneColor = RGB_GREEN;
    }
};

P_VIEW CatalogueView(float scale) {
    P_VIEW view;
    view.Scale = scale;
    view.Printing = true;
    view.Filled = true;
    view.UseBitmap = false;
    return view;
}

// The part's box at the origin, at the given scale.
BoundingBox BoxAt(const L_PARTDEF& def, float scale) {
    const ShownPart shown(def);
    return PartBox(shown.Placed, CatalogueView(scale));
}

float LargestExtentCm(const L_BRAND& brand) {
    constexpr float measure = 10.0f; // pixels per cm while measuring
    float largest = 1.0f;
    for (int i = 0; i < brand.PartCount; ++i) {
        const BoundingBox box = BoxAt(brand.Parts[i], measure);
        if (!box.IsReset())
            largest = std::max<float>(
                largest,
                static_cast<float>(std::max(box.MaxX - box.MinX, box.MaxY - box.MinY)) / measure);
    }
    return largest;
}

std::string Number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string s = text;
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    return s;
}

QFont SheetFont(int pixels, bool bold = false) {
    QFont font(DRAWING_FONT);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.c_str());
}

void PaintHeader(QPainter& painter, const L_BRAND& brand, const CatalogueLayout& layout) {
    painter.setPen(Qt::black);
    painter.setFont(SheetFont(TITLE_PX, true));
    painter.drawText(QRect(PADDING, PADDING, layout.Width - 2 * PADDING, TITLE_PX + 6),
                     Qt::AlignLeft | Qt::AlignVCenter, Latin1(brand.Name));
    painter.setFont(SheetFont(TEXT_PX));
    const QString about =
        Latin1(brand.Description) + QString("   (%1 parts, track %2 cm wide, all at one scale)")
                                        .arg(brand.PartCount)
                                        .arg(Latin1(Number(brand.DefaultWidth)));
    painter.drawText(
        QRect(PADDING, PADDING + TITLE_PX + 8, layout.Width - 2 * PADDING, TEXT_PX + 6),
        Qt::AlignLeft | Qt::AlignVCenter, about);
    // The scale bar: ten centimetres of track.
    const int y = HEADER_HEIGHT - PADDING;
    const int length = static_cast<int>(std::lround(SCALE_BAR_CM * layout.PixelsPerCm));
    painter.drawLine(PADDING, y, PADDING + length, y);
    painter.drawLine(PADDING, y - 4, PADDING, y + 4);
    painter.drawLine(PADDING + length, y - 4, PADDING + length, y + 4);
    painter.drawText(PADDING + length + 6, y + TEXT_PX / 2 - 1, "10 cm");
}

void PaintCell(QPainter& painter, DrawCanvas& canvas, const L_PARTDEF& def, QRect cell,
               const CatalogueLayout& layout) {
    painter.setPen(QColor(0xC0, 0xC0, 0xC0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
    ShownPart shown(def);
    P_VIEW view = CatalogueView(layout.PixelsPerCm);
    view.Canvas = &canvas;
    const BoundingBox box = PartBox(shown.Placed, view);
    if (!box.IsReset()) {
        shown.Placed.X =
            static_cast<float>(cell.left() + (cell.width() - (box.MaxX - box.MinX)) / 2 - box.MinX);
        shown.Placed.Y = static_cast<float>(
            cell.top() + (layout.DrawingHeight - (box.MaxY - box.MinY)) / 2 - box.MinY);
        DrawPlacedPart(shown.Placed, view);
    }
    const QRect text(cell.left() + PADDING / 2, cell.top() + layout.DrawingHeight,
                     cell.width() - PADDING, TEXT_LINES * (TEXT_PX + 4));
    painter.setPen(Qt::black);
    painter.setFont(SheetFont(TEXT_PX, true));
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop, Latin1(def.Code));
    painter.setFont(SheetFont(TEXT_PX));
    const QRect lines = text.adjusted(0, TEXT_PX + 4, 0, 0);
    painter.drawText(lines, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     Latin1(def.Description) + "\n" + Latin1(PartDimensions(def)));
}

bool WritePng(const L_BRAND& brand, const CatalogueLayout& layout, const std::string& fileName) {
    QImage image(layout.Width, layout.Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintCatalogue(painter, brand, layout);
    painter.end();
    return image.save(QString::fromLocal8Bit(fileName.c_str()), "PNG");
}

bool WriteSvg(const L_BRAND& brand, const CatalogueLayout& layout, const std::string& fileName) {
    QSvgGenerator svg;
    svg.setFileName(QString::fromLocal8Bit(fileName.c_str()));
    svg.setResolution(SHEET_DPI);
    svg.setSize(QSize(layout.Width, layout.Height));
    svg.setViewBox(QRect(0, 0, layout.Width, layout.Height));
    svg.setTitle(Latin1(brand.Name));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    PaintCatalogue(painter, brand, layout);
    return painter.end();
}

bool WritePdf(const L_BRAND& brand, const CatalogueLayout& layout, const std::string& fileName) {
    QPdfWriter pdf(QString::fromLocal8Bit(fileName.c_str()));
    pdf.setResolution(SHEET_DPI);
    constexpr double mmPerUnit = 25.4 / SHEET_DPI;
    pdf.setPageSize(QPageSize(QSizeF(layout.Width * mmPerUnit, layout.Height * mmPerUnit),
                              QPageSize::Millimeter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(Latin1(brand.Name));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    PaintCatalogue(painter, brand, layout);
    return painter.end();
}

QString SuffixOf(const std::string& fileName) {
    return QFileInfo(QString::fromLocal8Bit(fileName.c_str())).suffix().toLower();
}

} // namespace

CatalogueLayout LayOutCatalogue(const L_BRAND& brand) {
    CatalogueLayout layout;
    layout.PixelsPerCm = std::min(LARGEST_PART_PX / LargestExtentCm(brand), MAX_PIXELS_PER_CM);
    int tallest = 0, widest = 0;
    for (int i = 0; i < brand.PartCount; ++i) {
        const BoundingBox box = BoxAt(brand.Parts[i], layout.PixelsPerCm);
        if (box.IsReset())
            continue;
        tallest = std::max(tallest, box.MaxY - box.MinY);
        widest = std::max(widest, box.MaxX - box.MinX);
    }
    layout.DrawingHeight = tallest + 2 * PADDING;
    layout.CellWidth = std::max(widest + 2 * PADDING, MIN_CELL_WIDTH);
    layout.CellHeight = layout.DrawingHeight + TEXT_LINES * (TEXT_PX + 4) + PADDING;
    layout.Columns = std::clamp(brand.PartCount, 1, MAX_COLUMNS);
    layout.Rows = std::max((brand.PartCount + layout.Columns - 1) / layout.Columns, 1);
    layout.Width = layout.Columns * layout.CellWidth + 2 * PADDING;
    layout.Height = HEADER_HEIGHT + layout.Rows * layout.CellHeight + PADDING;
    return layout;
}

void PaintCatalogue(QPainter& painter, const L_BRAND& brand, const CatalogueLayout& layout) {
    painter.fillRect(QRect(0, 0, layout.Width, layout.Height), Qt::white);
    PaintHeader(painter, brand, layout);
    DrawCanvas canvas(painter);
    for (int i = 0; i < brand.PartCount; ++i)
        PaintCell(painter, canvas, brand.Parts[i], CatalogueCell(layout, i), layout);
}

QRect CatalogueCell(const CatalogueLayout& layout, int index) {
    return QRect(PADDING + (index % layout.Columns) * layout.CellWidth,
                 HEADER_HEIGHT + (index / layout.Columns) * layout.CellHeight, layout.CellWidth,
                 layout.CellHeight);
}

std::string PartDimensions(const L_PARTDEF& def) {
    switch (def.Type) {
    case PT_Straight:
        return "Length " + Number(def.StraightLength) + " cm";
    case PT_Curve:
        return "Radius " + Number(def.CurveInnerRadius) + "-" + Number(def.CurveOuterRadius) +
               " cm, " + Number(def.CurveAngle * 0.25f) + "\xB0";
    case PT_Interface:
        return "Length " + Number(def.InterfaceLength) + " cm, width " +
               Number(def.InterfaceWidth1) + "-" + Number(def.InterfaceWidth2) + " cm";
    case PT_Freeform:
        return "Length " + Number(def.FreeformLength) + " cm, turn " +
               Number(def.FreeformAngle * 0.25f) + "\xB0";
    default:
        return std::string();
    }
}

bool HasCatalogueSuffix(const std::string& fileName) {
    const QString suffix = SuffixOf(fileName);
    return suffix == "png" || suffix == "svg" || suffix == "pdf";
}

bool WriteCatalogue(const L_BRAND& brand, const std::string& fileName) {
    const CatalogueLayout layout = LayOutCatalogue(brand);
    const QString suffix = SuffixOf(fileName);
    const std::string partial = PartialFileName(fileName);
    bool written = false;
    if (suffix == "png")
        written = WritePng(brand, layout, partial);
    else if (suffix == "svg")
        written = WriteSvg(brand, layout, partial);
    else if (suffix == "pdf")
        written = WritePdf(brand, layout, partial);
    return CommitPartial(partial, fileName, written);
}
