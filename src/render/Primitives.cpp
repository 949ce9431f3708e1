#include "Primitives.h"

#include "toolkit/DrawCanvas.h"
#include "toolkit/RasterBitmap.h"

#include <array>

namespace {

// The shared fixed-point array of the raster path.
FixedPoint* Fixed(const PixelPoint* points, int count) {
    thread_local std::array<FixedPoint, PointBuffer::CAPACITY + 1> fixed;
    count = std::min(count, static_cast<int>(fixed.size()));
    for (int i = 0; i < count; ++i)
        fixed[i] = ToFixed(points[i].X, points[i].Y);
    return fixed.data();
}

} // namespace

void FilledPolygon(P_VIEW& view, const PixelPoint* points, int count, Rgb pen, Rgb brush) {
    if (view.UseBitmap) {
        const FixedPoint* fixed = Fixed(points, count);
        view.Bitmap->PolygonFill(fixed, count, brush, RASTER_ALPHA);
        view.Bitmap->Polyline(fixed, count, pen, RASTER_ALPHA);
        return;
    }
    view.Canvas->SetPen(pen);
    view.Canvas->SetBrush(brush);
    view.Canvas->Polygon(points, count);
}

void OpenPolyline(P_VIEW& view, const PixelPoint* points, int count, Rgb color, int alpha) {
    if (view.UseBitmap) {
        view.Bitmap->Polyline(Fixed(points, count), count, color, alpha);
        return;
    }
    view.Canvas->SetPen(color);
    view.Canvas->Polyline(points, count);
}

void StraightLine(P_VIEW& view, PixelPoint from, PixelPoint to, Rgb color) {
    if (view.UseBitmap) {
        view.Bitmap->Line(from.X, from.Y, to.X, to.Y, color, 255);
        return;
    }
    view.Canvas->SetPen(color);
    view.Canvas->MoveTo(from.X, from.Y);
    view.Canvas->LineTo(to.X, to.Y);
}

void FilledQuad(P_VIEW& view, const PixelPoint* quad, Rgb pen, Rgb brush) {
    if (view.UseBitmap) {
        const FixedPoint* fixed = Fixed(quad, 4);
        view.Bitmap->PolygonFill(fixed, 4, brush, RASTER_ALPHA);
        view.Bitmap->Polyline(fixed, 4, pen, RASTER_ALPHA);
        return;
    }
    view.Canvas->SetPen(pen);
    view.Canvas->SetBrush(brush);
    view.Canvas->Polygon(quad, 4);
}

void SetCanvasPenWidth(P_VIEW& view, int width) {
    if (!view.UseBitmap && view.Canvas)
        view.Canvas->SetPenWidth(width);
}

int CanvasPenWidth(const P_VIEW& view) {
    return !view.UseBitmap && view.Canvas ? view.Canvas->PenWidth() : 1;
}

int TargetWidth(const P_VIEW& view) {
    if (view.UseBitmap)
        return view.Bitmap ? view.Bitmap->Width() : 0;
    return view.Canvas ? view.Canvas->Width() : 0;
}

int TargetHeight(const P_VIEW& view) {
    if (view.UseBitmap)
        return view.Bitmap ? view.Bitmap->Height() : 0;
    return view.Canvas ? view.Canvas->Height() : 0;
}
