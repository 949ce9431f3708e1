#pragma once
#include "geometry/PartGeometry.h"
#include "geometry/View.h"

// The drawing primitives of both paths: into the view's raster bitmap
// (anti-aliased, alpha per call, pen widths ignored) or onto its canvas
// (window or printer, with the canvas's pen width).

constexpr int RASTER_ALPHA = 200;

// Filled polygon through a closed point list: fill in brush, outline in pen.
void FilledPolygon(P_VIEW& view, const PixelPoint* points, int count, Rgb pen, Rgb brush);
// Open line through the points.
void OpenPolyline(P_VIEW& view, const PixelPoint* points, int count, Rgb color, int alpha);
// One straight line; opaque on the raster path.
void StraightLine(P_VIEW& view, PixelPoint from, PixelPoint to, Rgb color);
// A filled kerb quad: the raster outline runs through the four corners, open.
void FilledQuad(P_VIEW& view, const PixelPoint* quad, Rgb pen, Rgb brush);
// Width of a part's pen on the canvas path, restored by the caller.
void SetCanvasPenWidth(P_VIEW& view, int width);
int CanvasPenWidth(const P_VIEW& view);

// Target size in pixels: the bitmap's or the canvas's.
int TargetWidth(const P_VIEW& view);
int TargetHeight(const P_VIEW& view);
