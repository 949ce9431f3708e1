#include "RasterBitmap.h"

#include "Colors.h"

#include <QFontMetrics>

void RasterBitmap::SetSize(int width, int height, qreal pixelRatio) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == Width() && height == Height() && pixelRatio == Image.devicePixelRatio())
        return;
    Painter.reset();
    // Device pixels behind the logical size: the painter scales every call, so
    // a high-density screen gets sharp edges instead of an enlarged bitmap.
    Image = QImage(qRound(width * pixelRatio), qRound(height * pixelRatio),
                   QImage::Format_ARGB32_Premultiplied);
    Image.setDevicePixelRatio(pixelRatio);
    Image.fill(Qt::white);
}

int RasterBitmap::Width() const {
    return qRound(Image.width() / Image.devicePixelRatio());
}

int RasterBitmap::Height() const {
    return qRound(Image.height() / Image.devicePixelRatio());
}

void RasterBitmap::BeginUpdate() {
    PenArgb = BrushArgb = 0;
    Painter = std::make_unique<QPainter>(&Image);
    Painter->setRenderHint(QPainter::Antialiasing, true);
    Painter->setFont(Font);
}

void RasterBitmap::EndUpdate() {
    Painter.reset();
}

QPainter& RasterBitmap::Paint() {
    // Drawing outside an update still works, at the price of a painter per call.
    if (!Painter)
        BeginUpdate();
    return *Painter;
}

void RasterBitmap::Clear(Rgb color) {
    if (Painter)
        Painter->fillRect(Image.rect(), ToQColor(color));
    else
        Image.fill(ToQColor(color));
}

void RasterBitmap::SetPixel(int x, int y, Rgb color) {
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    if (Image.devicePixelRatio() == 1.0)
        reinterpret_cast<QRgb*>(Image.scanLine(y))[x] = 0xFF000000u | color;
    else
        Paint().fillRect(QRectF(x, y, 1, 1), ToQColor(color));
}

void RasterBitmap::FillRect(int left, int top, int right, int bottom, Rgb color) {
    QPainter& painter = Paint();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), ToQColor(color));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

namespace {

uint32_t Argb(Rgb color, int alpha) {
    return (uint32_t(alpha) << 24) | color | 1u << 31;
}

} // namespace

void RasterBitmap::UsePen(Rgb color, int alpha) {
    if (PenArgb == Argb(color, alpha))
        return;
    PenArgb = Argb(color, alpha);
    Paint().setPen(QPen(ToQColor(color, alpha), 1.0));
}

void RasterBitmap::UseBrush(Rgb color, int alpha) {
    if (BrushArgb == Argb(color, alpha))
        return;
    BrushArgb = Argb(color, alpha);
    Paint().setBrush(ToQColor(color, alpha));
}

void RasterBitmap::Line(int x1, int y1, int x2, int y2, Rgb color, int alpha) {
    QPainter& painter = Paint();
    UsePen(color, alpha);
    painter.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
}

void RasterBitmap::Lines(const std::vector<QLineF>& lines, Rgb color, int alpha, float width) {
    if (lines.empty())
        return;
    QPainter& painter = Paint();
    if (width == 1.0f) {
        UsePen(color, alpha);
    } else {
        painter.setPen(QPen(ToQColor(color, alpha), width, Qt::SolidLine, Qt::FlatCap));
        PenArgb = 0; // the next line sets its pen again
    }
    const bool smooth = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    painter.setRenderHint(QPainter::Antialiasing, smooth);
}

void RasterBitmap::PathPoints(const FixedPoint* points, int count) {
    Scratch.resize(count);
    for (int i = 0; i < count; ++i)
        Scratch[i] = QPointF(points[i].X / 65536.0 + 0.5, points[i].Y / 65536.0 + 0.5);
}

void RasterBitmap::Polyline(const FixedPoint* points, int count, Rgb color, int alpha) {
    if (count < 2)
        return;
    QPainter& painter = Paint();
    PathPoints(points, count);
    UsePen(color, alpha);
    painter.drawPolyline(Scratch.data(), count);
}

void RasterBitmap::PolygonFill(const FixedPoint* points, int count, Rgb color, int alpha) {
    if (count < 3)
        return;
    QPainter& painter = Paint();
    PathPoints(points, count);
    painter.setPen(Qt::NoPen);
    PenArgb = 0; // the next line sets its pen again
    UseBrush(color, alpha);
    painter.drawPolygon(Scratch.data(), count);
}

void RasterBitmap::Ellipse(int x1, int y1, int x2, int y2, Rgb color, int alpha) {
    QPainter& painter = Paint();
    UsePen(color, alpha);
    UseBrush(color, alpha);
    painter.drawEllipse(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
}

void RasterBitmap::SetFont(const std::string& family, int pixelSize) {
    Font = QFont(QString::fromStdString(family));
    Font.setPixelSize(std::max(pixelSize, 1));
    if (Painter)
        Painter->setFont(Font);
}

void RasterBitmap::Text(int x, int y, const std::string& text, Rgb color) {
    QPainter& painter = Paint();
    UsePen(color, 255);
    const QFontMetrics metrics(Font);
    painter.drawText(QPoint(x, y + metrics.ascent()), QString::fromLatin1(text.c_str()));
}

int RasterBitmap::TextWidth(const std::string& text) const {
    return QFontMetrics(Font).horizontalAdvance(QString::fromLatin1(text.c_str()));
}

int RasterBitmap::TextHeight() const {
    return QFontMetrics(Font).height();
}

void RasterBitmap::CopyTo(QImage& window) const {
    if (window.size() != Image.size() || window.devicePixelRatio() != Image.devicePixelRatio()) {
        window = QImage(Image.size(), QImage::Format_ARGB32_Premultiplied);
        window.setDevicePixelRatio(Image.devicePixelRatio());
    }
    QPainter painter(&window);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, Image);
}
