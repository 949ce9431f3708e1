#include "FreehandRender.h"

#include "Primitives.h"
#include "base/TextValues.h"
#include "freehand/Freehand.h"
#include "toolkit/Colors.h"
#include "toolkit/DrawCanvas.h"
#include "toolkit/RasterBitmap.h"

#include <array>

namespace {

constexpr int VERTEX_MARK = 3;

struct ShapePoints {
    int Count = 0;
    std::array<PixelPoint, MAX_POINTS + 1> Points; // the points and a closing one
};

PixelPoint Transform(const P_VIEW& view, float x, float y, bool mirrored) {
    const ScreenPoint p = WorldToScreen(view, mirrored ? -x : x, y);
    return {p.X, p.Y};
}

// Selected shapes show the selected colour; pure red and green follow the lane
// colours (so silkscreen lane marks follow crossovers); under monochrome
// printing red, green and silver become white or black.
Rgb ShapeColor(const F_SHAPE& shape, const P_VIEW& view, Rgb blackAs) {
    if (&shape == view.SelectedShape)
        return view.SelectedColor;
    const Rgb c = shape.Color == 0 ? blackAs : RgbFromStored(shape.Color);
    if (c != RGB_RED && c != RGB_GREEN && c != RGB_SILVER)
        return c;
    if (view.Monochrome())
        return view.Filled ? RGB_WHITE : RGB_BLACK;
    if (c == RGB_RED)
        return view.FirstLaneColor;
    if (c == RGB_GREEN)
        return view.SecondLaneColor;
    return c;
}

void DrawText(const F_SHAPE& shape, P_VIEW& view, PixelPoint at, Rgb c) {
    const int pixels = TextPixelSize(shape.TextSize, view.Scale);
    if (view.UseBitmap) {
        view.Bitmap->SetFont(DRAWING_FONT, pixels);
        view.Bitmap->Text(at.X, at.Y, shape.Text, c);
        return;
    }
    DrawCanvas& canvas = *view.Canvas;
    canvas.SetFontPixels(DRAWING_FONT, pixels, c);
    canvas.SetBrush(RGB_WHITE);
    canvas.SetBrushClear(true);
    canvas.Text(at.X, at.Y, shape.Text);
    canvas.SetBrushClear(false);
}

void DrawEllipse(P_VIEW& view, PixelPoint a, PixelPoint b, Rgb c) {
    if (view.UseBitmap) {
        view.Bitmap->Ellipse(a.X, a.Y, b.X, b.Y, c, RASTER_ALPHA);
        return;
    }
    view.Canvas->SetPen(c);
    view.Canvas->SetBrush(c);
    view.Canvas->Ellipse(a.X, a.Y, b.X, b.Y);
}

// A polygon or filled rectangle: filled when the view fills, else outlined.
void DrawArea(P_VIEW& view, ShapePoints& points, Rgb c) {
    if (view.Filled) {
        if (view.UseBitmap) {
            // Raster fill over the points, outline left open at the last point.
            FilledPolygon(view, points.Points.data(), points.Count, c, c);
        } else {
            view.Canvas->SetPen(c);
            view.Canvas->SetBrush(c);
            view.Canvas->Polygon(points.Points.data(), points.Count);
        }
        return;
    }
    points.Points[points.Count++] = points.Points[0];
    OpenPolyline(view, points.Points.data(), points.Count, c, RASTER_ALPHA);
}

void RectangleCorners(const F_SHAPE& shape, const P_VIEW& view, bool mirrored, ShapePoints& out) {
    const F_POINT a = shape.Points[0], b = shape.Points[1];
    out.Count = 0;
    for (const F_POINT& corner : {a, F_POINT{a.X, b.Y}, b, F_POINT{b.X, a.Y}})
        out.Points[out.Count++] = Transform(view, corner.X, corner.Y, mirrored);
}

void VertexMarks(P_VIEW& view, const ShapePoints& points) {
    for (int i = 0; i < points.Count; ++i) {
        const PixelPoint p = points.Points[i];
        const int d = VERTEX_MARK;
        const PixelPoint square[5] = {{p.X - d, p.Y - d},
                                      {p.X + d, p.Y - d},
                                      {p.X + d, p.Y + d},
                                      {p.X - d, p.Y + d},
                                      {p.X - d, p.Y - d}};
        OpenPolyline(view, square, 5, RGB_BLUE, 255);
    }
}

} // namespace

int TextPixelSize(int32_t textSize, double pixelsPerCm) {
    return TruncToInt32(textSize * pixelsPerCm * TEXT_FONT_CM_PER_SIZE);
}

void DrawShape(const F_SHAPE& shape, P_VIEW& view, bool mirrored, Rgb blackAs) {
    ShapePoints points;
    for (int i = 0; i < shape.PointCount; ++i)
        points.Points[points.Count++] =
            Transform(view, shape.Points[i].X, shape.Points[i].Y, mirrored);
    const Rgb c = ShapeColor(shape, view, blackAs);
    const int previousWidth = CanvasPenWidth(view);
    SetCanvasPenWidth(view, view.Printing && shape.PenWidth == 1 ? 2 : shape.PenWidth);
    ShapePoints drawn = points;
    switch (shape.Kind) {
    case SK_Text:
        if (points.Count == 1)
            DrawText(shape, view, points.Points[0], c);
        break;
    case SK_Polyline:
        if (points.Count > 1)
            OpenPolyline(view, points.Points.data(), points.Count, c, RASTER_ALPHA);
        break;
    case SK_Polygon:
        if (points.Count > 1)
            DrawArea(view, drawn, c);
        break;
    case SK_Ellipse:
        if (points.Count == 2)
            DrawEllipse(view, points.Points[0], points.Points[1], c);
        break;
    case SK_Rectangle:
    case SK_FilledRectangle:
        if (points.Count != 2)
            break;
        RectangleCorners(shape, view, mirrored, drawn);
        if (shape.Kind == SK_FilledRectangle && view.Filled) {
            DrawArea(view, drawn, c);
        } else {
            drawn.Points[drawn.Count++] = drawn.Points[0];
            OpenPolyline(view, drawn.Points.data(), drawn.Count, c, RASTER_ALPHA);
        }
        break;
    default:
        break;
    }
    SetCanvasPenWidth(view, previousWidth);
    if (view.ShowPoints)
        VertexMarks(view, points);
}

void DrawLayer(const F_FREEHAND& layer, P_VIEW& view) {
    for (int i = 0; i < layer.ShapeCount; ++i)
        DrawShape(layer.Shapes[i], view, false);
}
