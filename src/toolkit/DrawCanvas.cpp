#include "DrawCanvas.h"

#include "Colors.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <algorithm>
#include <climits>

DrawCanvas::DrawCanvas(QPainter& painter) : Target(painter) {
    ApplyPen();
    SetBrush(RGB_WHITE);
}

// The device's far corner in drawing coordinates: a painter that scales
// (a preview drawing a page onto a smaller image) still sees the whole page.
QPointF DrawCanvas::FarCorner() const {
    const QPaintDevice& device = *Target.device();
    const QPointF corner =
        Target.worldTransform().inverted().map(QPointF(device.width(), device.height()));
    return QPointF(std::clamp(corner.x(), 0.0, double(INT_MAX)),
                   std::clamp(corner.y(), 0.0, double(INT_MAX)));
}

int DrawCanvas::Width() const {
    return static_cast<int>(FarCorner().x());
}
int DrawCanvas::Height() const {
    return static_cast<int>(FarCorner().y());
}

void DrawCanvas::ApplyPen() {
    QPen pen(ToQColor(PenColor));
    pen.setWidth(PenWidthPx);
    pen.setJoinStyle(Qt::MiterJoin);
    Target.setPen(pen);
}

void DrawCanvas::SetPen(Rgb color) {
    PenColor = color;
    ApplyPen();
}

void DrawCanvas::SetPenWidth(int width) {
    PenWidthPx = std::max(width, 1);
    ApplyPen();
}

void DrawCanvas::SetBrush(Rgb color) {
    BrushColor = color;
    BrushClear = false;
    Target.setBrush(ToQColor(color));
}

void DrawCanvas::SetBrushClear(bool clear) {
    BrushClear = clear;
    Target.setBrush(clear ? QBrush(Qt::NoBrush) : QBrush(ToQColor(BrushColor)));
}

void DrawCanvas::SetXor(bool on) {
    Target.setCompositionMode(on ? QPainter::RasterOp_SourceXorDestination
                                 : QPainter::CompositionMode_SourceOver);
}

void DrawCanvas::Points(const PixelPoint* points, int count) {
    Scratch.resize(count);
    for (int i = 0; i < count; ++i)
        Scratch[i] = QPoint(points[i].X, points[i].Y);
}

void DrawCanvas::Polygon(const PixelPoint* points, int count) {
    if (count < 2)
        return;
    Points(points, count);
    Target.drawPolygon(Scratch.data(), count);
}

void DrawCanvas::Polyline(const PixelPoint* points, int count) {
    if (count < 2)
        return;
    Points(points, count);
    Target.drawPolyline(Scratch.data(), count);
}

void DrawCanvas::MoveTo(int x, int y) {
    Current = QPoint(x, y);
}

void DrawCanvas::LineTo(int x, int y) {
    Target.drawLine(Current, QPoint(x, y));
    Current = QPoint(x, y);
}

void DrawCanvas::Rectangle(int left, int top, int right, int bottom) {
    Target.drawRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void DrawCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Target.drawEllipse(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized());
}

void DrawCanvas::SetFont(const std::string& family, int pointSize, Rgb color) {
    QFont font(QString::fromStdString(family));
    font.setPointSize(std::max(pointSize, 1));
    Target.setFont(font);
    FontColor = color;
}

void DrawCanvas::SetFontPixels(const std::string& family, int pixelSize, Rgb color) {
    QFont font(QString::fromStdString(family));
    font.setPixelSize(std::max(pixelSize, 1));
    Target.setFont(font);
    FontColor = color;
}

int DrawCanvas::TextWidth(const std::string& text) const {
    return QFontMetrics(Target.font(), Target.device())
        .horizontalAdvance(QString::fromLatin1(text.c_str()));
}

int DrawCanvas::TextHeight() const {
    return QFontMetrics(Target.font(), Target.device()).height();
}

void DrawCanvas::Text(int x, int y, const std::string& text) {
    const QFontMetrics metrics(Target.font(), Target.device());
    const QString qtext = QString::fromLatin1(text.c_str());
    if (!BrushClear)
        Target.fillRect(QRect(x, y, metrics.horizontalAdvance(qtext), metrics.height()),
                        ToQColor(BrushColor));
    const QPen pen = Target.pen();
    Target.setPen(ToQColor(FontColor));
    Target.drawText(QPoint(x, y + metrics.ascent()), qtext);
    Target.setPen(pen);
}
