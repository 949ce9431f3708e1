#pragma once
#include "geometry/View.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>
#include <string>
#include <vector>

// A point in fixed point with 16 fraction bits, in 64 bits so that every int
// pixel fits: parts far off the bitmap at a high zoom lie beyond 32767.
struct FixedPoint {
    int64_t X = 0;
    int64_t Y = 0;
};
inline FixedPoint ToFixed(int x, int y) {
    return {int64_t{x} * 65536, int64_t{y} * 65536};
}

// The anti-aliased 32-bit drawing surface of a canvas: every call gives its
// own colour and alpha. Drawing happens between BeginUpdate and EndUpdate.
class RasterBitmap {
  public:
    // The logical size; pixelRatio device pixels stand behind each of its pixels.
    void SetSize(int width, int height, qreal pixelRatio = 1.0);
    int Width() const;
    int Height() const;
    const QImage& Pixels() const { return Image; }

    void BeginUpdate();
    void EndUpdate();

    void Clear(Rgb color);
    void SetPixel(int x, int y, Rgb color);
    void FillRect(int left, int top, int right, int bottom, Rgb color); // opaque
    void Line(int x1, int y1, int x2, int y2, Rgb color, int alpha);
    void Polyline(const FixedPoint* points, int count, Rgb color, int alpha);
    // Separate lines of one colour, from and to pixel centres, `width`
    // pixels wide, in one call and without smoothing: strokes of a few pixels.
    void Lines(const std::vector<QLineF>& lines, Rgb color, int alpha, float width = 1.0f);
    void PolygonFill(const FixedPoint* points, int count, Rgb color, int alpha);
    void Ellipse(int x1, int y1, int x2, int y2, Rgb color, int alpha);
    void SetFont(const std::string& family, int pixelSize);
    void Text(int x, int y, const std::string& text, Rgb color);
    // Width and height of a text in the current font.
    int TextWidth(const std::string& text) const;
    int TextHeight() const;

    // The block copy to the window image.
    void CopyTo(QImage& window) const;

  private:
    QPainter& Paint();
    void PathPoints(const FixedPoint* points, int count);
    // Pens and brushes change only when the colour does: setting them costs
    // more than drawing a small part.
    void UsePen(Rgb color, int alpha);
    void UseBrush(Rgb color, int alpha);

    QImage Image{1, 1, QImage::Format_ARGB32_Premultiplied};
    std::unique_ptr<QPainter> Painter;
    QFont Font;
    std::vector<QPointF> Scratch; // reused, so drawing allocates nothing per part
    uint32_t PenArgb = 0;         // 0: no pen set in this update
    uint32_t BrushArgb = 0;
};
