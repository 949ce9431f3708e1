#include "PartRender.h"

#include "FreehandRender.h"
#include "Primitives.h"
#include "base/Saturate.h"
#include "freehand/Freehand.h"
#include "toolkit/DrawCanvas.h"
#include "toolkit/RasterBitmap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

bool Culling = true;
bool SmallPartStrokes = true;

constexpr int LABEL_SIZE_PRINTING = 5;
constexpr int ARROW_PEN_WIDTH = 3;
constexpr int CULL_MARGIN = 16; // pixels for the label and the cross

// The one shared point list of the part drawing.
PointBuffer& Buffer() {
    thread_local PointBuffer buffer; // exports draw on worker threads
    return buffer;
}

BoundingBox BoxOf(const PointBuffer& points) {
    BoundingBox box;
    box.Reset();
    for (int i = 0; i < points.Count; ++i)
        box.Add(points.Points[i].X, points.Points[i].Y);
    return box;
}

// Whether anything of the part can show on the target: its box, widened by
// its own size (silkscreens), its borders and the label, meets the target.
bool Visible(const BoundingBox& box, const L_PARTDEF& def, const P_VIEW& view) {
    if (box.IsReset())
        return false;
    const float reach = std::max({def.InnerBorderWidth, def.OuterBorderWidth, def.FreeformWidth,
                                  def.FreeformLength}) *
                        view.Scale;
    const int margin =
        std::max(box.MaxX - box.MinX, box.MaxY - box.MinY) + TruncToPixel(reach) + CULL_MARGIN;
    return box.MaxX + margin >= 0 && box.MaxY + margin >= 0 &&
           box.MinX - margin < TargetWidth(view) && box.MinY - margin < TargetHeight(view);
}

Rgb SurfacePen(const P_VIEW& view) {
    return view.Monochrome() ? RGB_WHITE : RGB_SILVER;
}

void DrawSurface(const PointBuffer& outline, const T_PLACED& placed, P_VIEW& view) {
    if (view.Filled)
        FilledPolygon(view, outline.Points.data(), outline.Count, SurfacePen(view),
                      placed.FillColor);
    else
        OpenPolyline(view, outline.Points.data(), outline.Count, placed.FillColor, RASTER_ALPHA);
}

void DrawEmptyPart(const PointBuffer& outline, const T_PLACED& placed, P_VIEW& view) {
    const Rgb brush = placed.FillColor == RGB_BLACK ? RGB_SILVER : placed.FillColor;
    FilledPolygon(view, outline.Points.data(), outline.Count, RGB_BLACK, brush);
    const L_PARTDEF& def = *placed.Part->Def;
    const float q = def.StraightWidth / 2, length = def.StraightLength, head = 2 * q / 3;
    const PartFrame frame(placed.StartPose(), view.Scale);
    const int previousWidth = CanvasPenWidth(view);
    SetCanvasPenWidth(view, ARROW_PEN_WIDTH);
    const PixelPoint tip = frame.At(q, length);
    StraightLine(view, frame.At(q, 0), tip, RGB_YELLOW);
    StraightLine(view, frame.At(q - head, length - head), tip, RGB_YELLOW);
    StraightLine(view, frame.At(q + head, length - head), tip, RGB_YELLOW);
    SetCanvasPenWidth(view, previousWidth);
}

void DrawLanes(const T_PLACED& placed, P_VIEW& view) {
    const L_PARTDEF& def = *placed.Part->Def;
    // Lanes closer than a pixel would only paint over the surface.
    if (!HasLanes(def) || def.LaneDistance * view.Scale < 1.0f)
        return;
    PointBuffer& points = Buffer();
    const Pose pose = placed.StartPose();
    if (def.Type == PT_Curve) {
        SecondLane(*placed.Part, pose, view.Scale, view.Printing, points);
        OpenPolyline(view, points.Points.data(), points.Count, placed.SecondLaneColor,
                     RASTER_ALPHA);
        FirstLane(*placed.Part, pose, view.Scale, view.Printing, points);
        OpenPolyline(view, points.Points.data(), points.Count, placed.FirstLaneColor, RASTER_ALPHA);
        return;
    }
    FirstLane(*placed.Part, pose, view.Scale, view.Printing, points);
    StraightLine(view, points.Points[0], points.Points[1], placed.FirstLaneColor);
    SecondLane(*placed.Part, pose, view.Scale, view.Printing, points);
    StraightLine(view, points.Points[0], points.Points[1], placed.SecondLaneColor);
}

void DrawKerbs(const T_PLACED& placed, P_VIEW& view, Border border) {
    const L_PARTDEF& def = *placed.Part->Def;
    const float width = border == Border::Inner ? def.InnerBorderWidth : def.OuterBorderWidth;
    if (width * view.Scale < 1.0f)
        return; // kerbs thinner than a pixel would not show
    const Rgb outlinePen = placed.FillColor == RGB_BLACK ? RGB_RED : placed.FillColor;
    const Rgb filledPen = view.Monochrome() ? RGB_BLACK : RGB_SILVER;
    ForEachKerb(*placed.Part, border, placed.StartPose(), view.Scale, view.Printing,
                [&](const std::array<PixelPoint, 4>& quad, int k) {
                    if (view.Filled) {
                        FilledQuad(view, quad.data(), filledPen, k % 2 == 0 ? RGB_RED : RGB_WHITE);
                        return;
                    }
                    const PixelPoint closed[5] = {quad[0], quad[1], quad[2], quad[3], quad[0]};
                    OpenPolyline(view, closed, 5, outlinePen, RASTER_ALPHA);
                });
}

void DrawLabel(const T_PLACED& placed, P_VIEW& view, int cx, int cy) {
    const std::string& code = placed.Part->Def->Code;
    if (view.UseBitmap) {
        view.Bitmap->SetFont(DRAWING_FONT, PART_LABEL_SIZE);
        view.Bitmap->Text(cx - view.Bitmap->TextWidth(code) / 2, cy - view.Bitmap->TextHeight() / 2,
                          code, RGB_YELLOW);
        return;
    }
    DrawCanvas& canvas = *view.Canvas;
    canvas.SetFont(DRAWING_FONT, view.Printing ? LABEL_SIZE_PRINTING : PART_LABEL_SIZE, RGB_BLACK);
    canvas.SetBrush(RGB_YELLOW);
    canvas.Text(cx - canvas.TextWidth(code) / 2, cy - canvas.TextHeight() / 2, code);
}

void DrawAnchorCross(P_VIEW& view, int cx, int cy) {
    StraightLine(view, {cx - 4, cy}, {cx + 5, cy}, RGB_RED);
    StraightLine(view, {cx, cy - 4}, {cx, cy + 5}, RGB_RED);
}

void DrawBody(const PointBuffer& outline, const T_PLACED& placed, P_VIEW& view) {
    const L_PARTDEF& def = *placed.Part->Def;
    switch (def.Type) {
    case PT_None:
        DrawEmptyPart(outline, placed, view);
        return;
    case PT_Freeform:
        DrawSilkscreen(placed, view, false, 0.0f);
        return;
    case PT_Straight:
    case PT_Curve:
    case PT_Interface:
        break;
    default:
        return;
    }
    if (def.Type == PT_Curve && !CurveHasShape(def, view.Printing))
        return;
    DrawSurface(outline, placed, view);
    DrawLanes(placed, view);
    DrawKerbs(placed, view, Border::Inner);
    DrawKerbs(placed, view, Border::Outer);
    const bool mirrored = def.Type == PT_Curve && (placed.Part->Status & PS_RIGHT);
    DrawSilkscreen(placed, view, mirrored, mirrored ? def.CurveWidth : 0.0f);
}

// Parts that cover fewer pixels than this, along or across, are strokes
// along their middle: outlines, lanes, kerbs and silkscreens of a pixel or
// two would only blur into each other.
constexpr float DETAIL_PIXELS = 4.0f;
constexpr int QUARTER_TURN = 360;         // quarter degrees
constexpr float STROKE_WIDTH_STEP = 0.5f; // stroke widths are batched in half pixels

// How far a part reaches at most along or across, in world cm.
float PartSpan(const L_PARTDEF& def) {
    switch (def.Type) {
    case PT_Straight:
        return std::max(def.StraightLength, def.StraightWidth);
    case PT_Interface:
        return std::max({def.InterfaceLength, def.InterfaceWidth1, def.InterfaceWidth2});
    case PT_Curve:
        return def.CurveOuterRadius * (def.CurveAngle > QUARTER_TURN ? 2.0f : 1.0f);
    default:
        return -1.0f; // drawn as they are at every size
    }
}

// How wide the road is across, in world cm.
float PartBreadth(const L_PARTDEF& def) {
    switch (def.Type) {
    case PT_Straight:
        return def.StraightWidth;
    case PT_Interface:
        return std::min(def.InterfaceWidth1, def.InterfaceWidth2);
    case PT_Curve:
        return def.CurveOuterRadius - def.CurveInnerRadius;
    default:
        return -1.0f;
    }
}

bool IsSmall(const T_PLACED& placed, const P_VIEW& view) {
    if (!SmallPartStrokes || !view.BatchSmallParts)
        return false;
    const L_PARTDEF& def = *placed.Part->Def;
    const float span = PartSpan(def);
    return span >= 0.0f &&
           (span * view.Scale < DETAIL_PIXELS || PartBreadth(def) * view.Scale < DETAIL_PIXELS);
}

// The strokes of the small parts, one list per colour and width, drawn together.
struct StrokeBatch {
    Rgb Colour;
    float Width;
    std::vector<QLineF> Lines;
};
std::vector<StrokeBatch>& Batches() {
    thread_local std::vector<StrokeBatch> batches;
    return batches;
}

std::vector<QLineF>& BatchOf(Rgb colour, float width) {
    std::vector<StrokeBatch>& batches = Batches();
    for (StrokeBatch& batch : batches)
        if (batch.Colour == colour && batch.Width == width)
            return batch.Lines;
    batches.push_back({colour, width, {}});
    return batches.back().Lines;
}

// The stroke is as wide as the road, in half pixels, at least one pixel.
float StrokeWidth(const L_PARTDEF& def, const P_VIEW& view) {
    const float pixels = PartBreadth(def) * view.Scale;
    return std::max(1.0f, std::round(pixels / STROKE_WIDTH_STEP) * STROKE_WIDTH_STEP);
}

// Enough lines along a curve of radius r pixels that none strays more than a
// quarter pixel from the arc.
int StrokeSegments(QuarterDegrees angle, float r, int most) {
    int n = 1;
    while (n < most && r * (1.0f - CosQ(angle / (2 * n))) > 0.25f)
        ++n;
    return n;
}

constexpr int MOST_STROKE_POINTS = 17;
using StrokePoints = std::array<QPointF, MOST_STROKE_POINTS>;

// The middle of a small part from its start to its end, in pixels: one line
// for a straight, a few along a curve.
int MiddleOf(const T_PLACED& placed, const P_VIEW& view, StrokePoints& points) {
    const L_PARTDEF& def = *placed.Part->Def;
    const PartFrame frame(placed.StartPose(), view.Scale);
    const auto at = [&](float u, float v) {
        return QPointF(frame.WorldX(u, v) + 0.5f, frame.WorldY(u, v) + 0.5f);
    };
    if (def.Type != PT_Curve) {
        const float u = (def.Type == PT_Interface ? def.InterfaceWidth1 : def.StraightWidth) / 2;
        points[0] = at(u, 0);
        points[1] = at(u, def.Type == PT_Interface ? def.InterfaceLength : def.StraightLength);
        return 2;
    }
    const Arc arc = ArcOf(def, placed.Part->Status);
    const float r = (def.CurveInnerRadius + def.CurveOuterRadius) / 2;
    const int segments = StrokeSegments(def.CurveAngle, r * view.Scale, MOST_STROKE_POINTS - 1);
    for (int k = 0; k <= segments; ++k) {
        // In 64 bits: a definition file may give any angle.
        const auto phi = static_cast<QuarterDegrees>(int64_t{def.CurveAngle} * k / segments);
        points[k] = at(arc.U(r, phi), Arc::V(r, phi));
    }
    return segments + 1;
}

// A small part as a stroke: counted in the bounds, culled, batched.
void StrokeSmallPart(const T_PLACED& placed, P_VIEW& view) {
    StrokePoints points;
    const int count = MiddleOf(placed, view, points);
    qreal left = points[0].x(), right = left, top = points[0].y(), bottom = top;
    for (int k = 1; k < count; ++k) {
        left = std::min(left, points[k].x());
        right = std::max(right, points[k].x());
        top = std::min(top, points[k].y());
        bottom = std::max(bottom, points[k].y());
    }
    if (view.CollectBounds) { // the road's half width round its middle, as its outline
        const float half = PartBreadth(*placed.Part->Def) * view.Scale / 2;
        view.Box.Add(TruncToPixel(left - half), TruncToPixel(top - half));
        view.Box.Add(TruncToPixel(right + half), TruncToPixel(bottom + half));
    }
    const float reach = DETAIL_PIXELS + CULL_MARGIN;
    if (view.MeasureOnly || right < -reach || bottom < -reach || left > TargetWidth(view) + reach ||
        top > TargetHeight(view) + reach)
        return;
    std::vector<QLineF>& lines = BatchOf(placed.FillColor, StrokeWidth(*placed.Part->Def, view));
    for (int k = 1; k < count; ++k)
        lines.emplace_back(points[k - 1], points[k]);
    if (placed.Anchor)
        DrawAnchorCross(view, TruncToPixel((left + right) / 2), TruncToPixel((top + bottom) / 2));
}

} // namespace

void DrawSmallParts(P_VIEW& view) {
    for (StrokeBatch& batch : Batches()) {
        if (view.UseBitmap)
            view.Bitmap->Lines(batch.Lines, batch.Colour, RASTER_ALPHA, batch.Width);
        batch.Lines.clear();
    }
}

BoundingBox PartBox(const T_PLACED& placed, const P_VIEW& view) {
    PointBuffer& outline = Buffer();
    PartOutline(*placed.Part, placed.StartPose(), view.Scale, view.Printing, outline);
    return BoxOf(outline);
}

void DrawPlacedPart(const T_PLACED& placed, P_VIEW& view) {
    if (IsSmall(placed, view)) {
        StrokeSmallPart(placed, view);
        return;
    }
    PointBuffer& outline = Buffer();
    PartOutline(*placed.Part, placed.StartPose(), view.Scale, view.Printing, outline);
    const BoundingBox box = BoxOf(outline);
    if (view.CollectBounds && !box.IsReset())
        view.Box.Merge(box);
    if (view.MeasureOnly || (Culling && !Visible(box, *placed.Part->Def, view)))
        return;
    DrawBody(outline, placed, view);
    // A part too small to draw has no box, so no centre for a label or a cross.
    const int cx = box.MinX + (box.MaxX - box.MinX) / 2;
    const int cy = box.MinY + (box.MaxY - box.MinY) / 2;
    if (view.ShowPartCodes && placed.Part->Def->Type != PT_None)
        DrawLabel(placed, view, cx, cy);
    if (placed.Anchor)
        DrawAnchorCross(view, cx, cy);
}

namespace {

constexpr int SHADOW_PIXELS_PER_STEP = 3;
constexpr int SHADOW_MAX_STEPS = 6;
constexpr int SHADOW_ALPHA = 70;
constexpr int SUNK_ALPHA = 110;

bool ShowsHeight(const T_PLACED& placed, const P_VIEW& view, bool raised) {
    const int8_t height = placed.Part->Height;
    return view.ShowHeights && view.UseBitmap && !view.Printing && !view.MeasureOnly &&
           (raised ? height > 0 : height < 0) && placed.Part->Def->Type != PT_None &&
           !IsSmall(placed, view);
}

// The part's outline moved by (dx, dy) pixels, filled in black at alpha.
void ShadeOutline(const T_PLACED& placed, P_VIEW& view, int dx, int dy, int alpha) {
    PointBuffer& outline = Buffer();
    PartOutline(*placed.Part, placed.StartPose(), view.Scale, view.Printing, outline);
    const BoundingBox box = BoxOf(outline);
    if (outline.Count < 3 || (Culling && !Visible(box, *placed.Part->Def, view)))
        return;
    std::array<FixedPoint, PointBuffer::CAPACITY> points;
    for (int i = 0; i < outline.Count; ++i)
        points[i] = ToFixed(outline.Points[i].X + dx, outline.Points[i].Y + dy);
    view.Bitmap->PolygonFill(points.data(), outline.Count, RGB_BLACK, alpha);
}

} // namespace

void DrawHeightShadow(const T_PLACED& placed, P_VIEW& view) {
    if (!ShowsHeight(placed, view, true))
        return;
    const int offset =
        std::min<int>(placed.Part->Height, SHADOW_MAX_STEPS) * SHADOW_PIXELS_PER_STEP;
    ShadeOutline(placed, view, offset, offset, SHADOW_ALPHA);
}

void DrawSunkShade(const T_PLACED& placed, P_VIEW& view) {
    if (ShowsHeight(placed, view, false))
        ShadeOutline(placed, view, 0, 0, SUNK_ALPHA);
}

void SetCulling(bool on) {
    Culling = on;
}

void SetSmallPartStrokes(bool on) {
    SmallPartStrokes = on;
}

void DrawSilkscreen(const T_PLACED& placed, P_VIEW& view, bool mirrored, float offset) {
    const F_FREEHAND* silkscreen = placed.Part->Def->Silkscreen.get();
    if (!silkscreen)
        return;
    view.FirstLaneColor = mirrored ? placed.SecondLaneColor : placed.FirstLaneColor;
    view.SecondLaneColor = mirrored ? placed.FirstLaneColor : placed.SecondLaneColor;
    view.OriginX = placed.X + offset * CosQ(placed.Angle) * view.Scale;
    view.OriginY = placed.Y + offset * SinQ(placed.Angle) * view.Scale;
    view.Angle = placed.Angle;
    for (int i = 0; i < silkscreen->ShapeCount; ++i)
        DrawShape(silkscreen->Shapes[i], view, mirrored, placed.FillColor);
}
