#pragma once
#include "geometry/PartGeometry.h"
#include "geometry/View.h"

#include <QFont>
#include <QPainter>
#include <string>
#include <vector>

// The plain canvas of a window or a printer: a pen with a width, a brush,
// polygons, polylines, lines, rectangles, ellipses, text with a background,
// exclusive-or drawing. Sizes are device pixels.
class DrawCanvas {
  public:
    explicit DrawCanvas(QPainter& painter);

    QPainter& Painter() { return Target; }
    // The size of the target in drawing coordinates (through the painter's transform).
    int Width() const;
    int Height() const;

    void SetPen(Rgb color);
    void SetPenWidth(int width);
    int PenWidth() const { return PenWidthPx; }
    void SetBrush(Rgb color);
    void SetBrushClear(bool clear);
    // Exclusive-or drawing, for ghosts that a second drawing erases.
    void SetXor(bool on);

    void Polygon(const PixelPoint* points, int count);
    void Polyline(const PixelPoint* points, int count);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int x1, int y1, int x2, int y2);

    void SetFont(const std::string& family, int pointSize, Rgb color);
    // A font sized in the painter's own units, whatever the device's resolution.
    void SetFontPixels(const std::string& family, int pixelSize, Rgb color);
    int TextWidth(const std::string& text) const;
    int TextHeight() const;
    // Text with its top-left corner at (x, y), on an opaque background of the
    // brush colour unless the brush is clear.
    void Text(int x, int y, const std::string& text);

  private:
    QPointF FarCorner() const;
    void ApplyPen();
    void Points(const PixelPoint* points, int count);

    QPainter& Target;
    Rgb PenColor = RGB_BLACK;
    int PenWidthPx = 1;
    Rgb BrushColor = RGB_WHITE;
    bool BrushClear = false;
    Rgb FontColor = RGB_BLACK;
    QPoint Current;
    std::vector<QPoint> Scratch;
};
