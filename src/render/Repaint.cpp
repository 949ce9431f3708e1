#include "Repaint.h"

#include "FreehandRender.h"
#include "GridRuler.h"
#include "PaintThread.h"
#include "PartRender.h"
#include "toolkit/DrawCanvas.h"
#include "toolkit/GifWriter.h"
#include "view/ViewMath.h"

#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace {

void Clear(P_PANEL& panel) {
    if (panel.View.MeasureOnly)
        return;
    panel.Bitmap.Clear(RGB_WHITE);
}

struct Origin {
    float X;
    float Y;
};

void SetOrigin(P_VIEW& view, Origin origin) {
    view.OriginX = origin.X;
    view.OriginY = origin.Y;
    view.Angle = 0;
}

Origin PanelOrigin(const P_PANEL& panel) {
    return {panel.OriginX(), panel.OriginY()};
}

bool Drawing(const P_PANEL& panel) {
    return panel.View.UseBitmap && !panel.View.MeasureOnly;
}

// The room's layer under the design's own layer, both at the design's mapping.
void DrawLayers(CanvasSet& canvases, Origin origin, bool showPoints) {
    C_VIRELDO& design = canvases.Design;
    P_VIEW& view = design.View;
    SetOrigin(view, origin);
    view.ShowPoints = false;
    view.SelectedShape = nullptr;
    DrawLayer(canvases.Room.Layer, view);
    view.SelectedShape = design.SelectedShape;
    SetOrigin(view, origin);
    view.ShowPoints = showPoints;
    DrawLayer(design.Freehand, view);
}

// The view's mapping and selection as the tracks are laid with.
void TrackView(const C_VIRELDO& design, P_VIEW& view, Origin origin) {
    SetOrigin(view, origin);
    view.ShowPoints = false;
    view.SelectedTrack = design.SelectedTrack;
    view.SelectionFirst = design.SelectionFirst;
    view.SelectionLast = design.SelectionLast;
}

void LayDesign(T_PLACEMENT& placement, P_VIEW& view, C_VIRELDO& design) {
    placement.Restart();
    PlaceDesign(placement, view, design.Design, design.ColorLanes);
    SortPlacementByHeight(placement);
}

// Lays the design anew when anything it is laid from changed, moves the kept
// entries when tracks only moved, maps them again when only the zoom or
// scroll changed, or only recolours the selection when that is all.
void UpdatePlacement(T_PLACEMENT& placement, const P_VIEW& view, C_VIRELDO& design) {
    const unsigned long long shape = ShapeKey(view, design.Design, design.ColorLanes);
    const unsigned long long layout = LayoutKey(design.Design, shape);
    const unsigned long long key = MappedKey(view, layout);
    const unsigned long long selection = SelectionKey(view);
    if (placement.Key != key && placement.Layout == layout) {
        MapPlacement(placement, view); // only zoomed or scrolled
        placement.Key = key;
    } else if (placement.Key != key && placement.Shape == shape) {
        MovePlacement(placement, view); // tracks moved as a whole
        placement.Key = key;
        placement.Layout = layout;
    }
    if (placement.Key != key) {
        P_VIEW laying = view; // laying sets the lane colours of the view it is given
        LayDesign(placement, laying, design);
        placement.Key = key;
        placement.Layout = layout;
        placement.Shape = shape;
    } else if (placement.Selection != selection) {
        RecolourSelection(placement, view);
    }
    placement.Selection = selection;
}

// Keeps the placement up to date (UpdatePlacement) and draws every part; the
// view's box covers the tracks when collect is set.
void DrawTracks(CanvasSet& canvases, Origin origin, bool collect) {
    C_VIRELDO& design = canvases.Design;
    P_VIEW& view = design.View;
    TrackView(design, view, origin);
    view.CollectBounds = collect;
    if (collect)
        view.Box.Reset();
    T_PLACEMENT& placement = canvases.Placement;
    UpdatePlacement(placement, view, design);
    view.BatchSmallParts = view.UseBitmap && !view.Printing;
    for (int i = 0; i < placement.Count; ++i) {
        const T_PLACED& placed = placement.Entries[i];
        DrawHeightShadow(placed, view);
        DrawPlacedPart(placed, view);
        DrawSunkShade(placed, view);
    }
    DrawSmallParts(view);
    view.BatchSmallParts = false;
    view.CollectBounds = false;
}

// The panel's settings that every repaint starts from.
void PrepareRepaint(P_PANEL& panel, bool filled, bool blit) {
    panel.PrepareView();
    panel.View.Filled = filled;
    panel.View.BlitWhenDone = blit;
}

void Repaint(CanvasSet& canvases, bool filled, bool blit) {
    P_PANEL* panel = canvases.Current;
    if (!panel)
        return;
    PrepareRepaint(*panel, filled, blit);
    RunOnPaintThread([&] {
        Clear(*panel);
        if (panel == &canvases.Design)
            PaintDesign(canvases);
        else if (panel == &canvases.Room)
            PaintRoom(canvases);
        else if (panel == &canvases.Define)
            PaintDefine(canvases);
    });
    if (blit && panel->View.UseBitmap && !panel->View.MeasureOnly)
        panel->Blit();
    panel->View.Filled = panel->Filled;
    panel->View.BlitWhenDone = true;
}

} // namespace

std::string KeptPlacementDiffers(CanvasSet& canvases) {
    C_VIRELDO& design = canvases.Design;
    P_VIEW view = design.View;
    TrackView(design, view, PanelOrigin(design));
    if (canvases.Placement.Key != PlacementKey(view, design.Design, design.ColorLanes))
        return {}; // the next repaint lays the design anew
    // What the next repaint would keep, beside what laying afresh gives; only
    // the entries in use are copied (the checks run after every edit).
    thread_local const std::unique_ptr<T_PLACEMENT> next = NewPlacement(), fresh = NewPlacement();
    const T_PLACEMENT& placed = canvases.Placement;
    next->Grow(placed.Count);
    std::copy_n(placed.Entries.begin(), placed.Count, next->Entries.begin());
    next->Count = placed.Count;
    next->Key = placed.Key;
    next->Layout = placed.Layout;
    next->Shape = placed.Shape;
    next->Selection = placed.Selection;
    UpdatePlacement(*next, view, design);
    const T_PLACEMENT& kept = *next;
    LayDesign(*fresh, view, design);
    if (kept.Count != fresh->Count)
        return "kept " + std::to_string(kept.Count) + " parts, fresh " +
               std::to_string(fresh->Count);
    for (int i = 0; i < kept.Count; ++i) {
        const T_PLACED& a = kept.Entries[i];
        const T_PLACED& b = fresh->Entries[i];
        if (a.Part != b.Part || a.X != b.X || a.Y != b.Y || a.Angle != b.Angle ||
            a.FillColor != b.FillColor || a.FirstLaneColor != b.FirstLaneColor ||
            a.SecondLaneColor != b.SecondLaneColor || a.Anchor != b.Anchor)
            return "entry " + std::to_string(i) + " differs from a fresh placement";
    }
    return {};
}

std::unique_ptr<StandaloneCanvases> CopyCanvases(const CanvasSet& canvases) {
    auto copy = std::make_unique<StandaloneCanvases>();
    const C_VIRELDO& design = canvases.Design;
    copy->Design.Design = design.Design;
    copy->Design.Freehand = design.Freehand;
    copy->Design.Filled = design.Filled;
    copy->Design.ColorLanes = design.ColorLanes;
    copy->Design.ShowPartCodes = design.ShowPartCodes;
    copy->Design.Zoom = design.Zoom;
    copy->Design.Offset = design.Offset;
    copy->Room.Layer = canvases.Room.Layer;
    copy->Room.RoomFileName = canvases.Room.RoomFileName;
    copy->Metric = canvases.Metric;
    return copy;
}

void RepaintPanel(CanvasSet& canvases) {
    if (canvases.Current)
        Repaint(canvases, canvases.Current->Filled, true);
}

void RepaintPanelNoBlit(CanvasSet& canvases) {
    if (canvases.Current)
        Repaint(canvases, canvases.Current->Filled, false);
}

void RepaintOutlines(CanvasSet& canvases) {
    Repaint(canvases, false, true);
}

void RepaintOutlinesNoBlit(CanvasSet& canvases) {
    Repaint(canvases, false, false);
}

void BlitPanel(CanvasSet& canvases) {
    if (canvases.Current && canvases.Current->View.UseBitmap)
        canvases.Current->Blit();
}

void PaintDesign(CanvasSet& canvases) {
    C_VIRELDO& design = canvases.Design;
    const bool drawing = Drawing(design);
    if (drawing)
        design.Bitmap.BeginUpdate();
    if (design.Grid && drawing)
        DrawGrid(design, canvases.Metric);
    if (!design.View.MeasureOnly)
        DrawLayers(canvases, PanelOrigin(design), design.ShowPoints);
    DrawTracks(canvases, PanelOrigin(design), true);
    if (design.Ruler && drawing)
        DrawRuler(design, canvases.Metric);
    if (drawing)
        design.Bitmap.EndUpdate();
}

void PaintRoom(CanvasSet& canvases) {
    C_ROOM& room = canvases.Room;
    const C_VIRELDO& design = canvases.Design;
    P_VIEW& view = room.View;
    room.Bitmap.BeginUpdate();
    view.SelectedShape = room.SelectedShape;
    view.ShowPoints = design.ShowPoints;
    view.Filled = design.Filled;
    SetOrigin(view, PanelOrigin(room));
    room.Ruler = design.Ruler;
    if (room.Grid)
        DrawGrid(room, canvases.Metric);
    DrawLayer(room.Layer, view);
    if (room.Ruler)
        DrawRuler(room, canvases.Metric);
    room.Bitmap.EndUpdate();
}

void PaintDefine(CanvasSet& canvases) {
    C_DEFINE& define = canvases.Define;
    P_VIEW& view = define.View;
    if (!define.Part)
        return;
    // The part as a left-hand curve with both borders shown.
    T_PART part{0, PS_LEFT | PS_INNER_BORDER | PS_OUTER_BORDER, define.Part};
    T_PLACED placed;
    placed.Part = &part;
    placed.FillColor = RGB_BLACK;
    placed.FirstLaneColor = RGB_RED;
    placed.SecondLaneColor = RGB_GREEN;
    view.Filled = true;
    view.Printing = false;
    view.ShowPoints = canvases.Design.ShowPoints;
    placed.X = static_cast<float>(define.CentreX);
    placed.Y = static_cast<float>(define.CentreY);
    const BoundingBox box = PartBox(placed, view);
    define.Offset = box.IsReset() ? ViewOffset{}
                                  : ViewOffset{static_cast<float>(-((box.MaxX - box.MinX) / 2)),
                                               static_cast<float>(-((box.MaxY - box.MinY) / 2))};
    define.Bitmap.BeginUpdate();
    if (define.Grid)
        DrawGrid(define, canvases.Metric);
    placed.X = define.OriginX();
    placed.Y = define.OriginY();
    DrawPlacedPart(placed, view);
    if (define.Ruler)
        DrawRuler(define, canvases.Metric);
    define.Bitmap.EndUpdate();
}

bool SnapshotDesign(const C_VIRELDO& design, const std::string& fileName) {
    return WriteGif(design.WindowImage, fileName);
}

namespace {

// The design's view set up to paint onto a painter, and put back after.
template <typename Paint>
void OnPainter(CanvasSet& canvases, QPainter& painter, const ScaledPaint& paint, Paint draw) {
    C_VIRELDO& design = canvases.Design;
    P_VIEW& view = design.View;
    DrawCanvas canvas(painter);
    view.UseBitmap = false;
    view.Printing = true;
    view.PrintMono = paint.Monochrome;
    view.Canvas = &canvas;
    canvas.SetPenWidth(paint.PenWidth);
    view.Scale = paint.PixelsPerCm;
    view.Filled = design.Filled;
    view.ShowPartCodes = design.ShowPartCodes;
    const Origin origin{paint.OriginX, paint.OriginY};
    DrawLayers(canvases, origin, false);
    draw(view, origin);
    view.UseBitmap = true;
    view.Printing = false;
    view.Canvas = nullptr;
    view.Scale = design.Zoom;
}

} // namespace

void PaintAtScale(CanvasSet& canvases, QPainter& painter, const ScaledPaint& paint) {
    OnPainter(canvases, painter, paint,
              [&](P_VIEW&, Origin origin) { DrawTracks(canvases, origin, false); });
}

void PaintAtScale(CanvasSet& canvases, QPainter& painter, const ScaledPaint& paint,
                  const WorldLayout& layout, const QRectF& worldClip, const JobProgress* cancel) {
    OnPainter(canvases, painter, paint, [&](P_VIEW& view, Origin origin) {
        SetOrigin(view, origin);
        for (int i : layout.PartsIn(
                 static_cast<float>(worldClip.left()), static_cast<float>(worldClip.top()),
                 static_cast<float>(worldClip.right()), static_cast<float>(worldClip.bottom()))) {
            if (cancel && cancel->Cancelled())
                break;
            T_PLACED placed = layout.Parts()[i].Placed;
            placed.X = placed.X * paint.PixelsPerCm + origin.X;
            placed.Y = placed.Y * paint.PixelsPerCm + origin.Y;
            DrawPlacedPart(placed, view);
        }
    });
}

bool FitDesignInView(CanvasSet& canvases) {
    C_VIRELDO& design = canvases.Design;
    const std::optional<float> zoom = FitZoom(design, design.View.Box);
    if (!zoom)
        return false;
    design.Zoom = *zoom;
    // Measured again at the new zoom: labels and kerbs do not scale with it.
    design.View.MeasureOnly = true;
    RepaintPanel(canvases);
    design.View.MeasureOnly = false;
    design.Offset = CentreOffset(design, design.View.Box);
    RepaintPanel(canvases);
    return true;
}

bool FitRoomInView(CanvasSet& canvases) {
    C_ROOM& room = canvases.Room;
    const F_FREEHAND& layer = room.Layer;
    float minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool any = false;
    for (int s = 0; s < layer.ShapeCount; ++s)
        for (int i = 0; i < layer.Shapes[s].PointCount; ++i) {
            const F_POINT p = layer.Shapes[s].Points[i];
            minX = any ? std::min(minX, p.X) : p.X;
            maxX = any ? std::max(maxX, p.X) : p.X;
            minY = any ? std::min(minY, p.Y) : p.Y;
            maxY = any ? std::max(maxY, p.Y) : p.Y;
            any = true;
        }
    if (!any || (maxX - minX <= 0 && maxY - minY <= 0) || room.Width <= 0 || room.Height <= 0)
        return false;
    constexpr float FILL = 0.9f; // room for the ruler and a margin
    const float fx = maxX > minX ? room.Width * FILL / (maxX - minX) : HUGE_VALF;
    const float fy = maxY > minY ? room.Height * FILL / (maxY - minY) : HUGE_VALF;
    room.Zoom = std::min(fx, fy);
    room.Offset = {-(minX + maxX) / 2 * room.Zoom, -(minY + maxY) / 2 * room.Zoom};
    room.FitPending = false;
    RepaintPanel(canvases);
    return true;
}

void PrintDesign(CanvasSet& canvases, QPaintDevice& device, bool printMono) {
    const C_VIRELDO& design = canvases.Design;
    const int pageWidth = device.width(), pageHeight = device.height();
    const int canvasWidth = std::max(design.Width, 1), canvasHeight = std::max(design.Height, 1);
    float s = static_cast<float>(std::min(pageWidth / canvasWidth, pageHeight / canvasHeight));
    // A page smaller than the canvas reduces the design to fit instead of
    // shrinking it to a point.
    if (s < 1)
        s = std::min(static_cast<float>(pageWidth) / canvasWidth,
                     static_cast<float>(pageHeight) / canvasHeight);
    QPainter painter(&device);
    PaintAtScale(canvases, painter,
                 {design.Zoom * 0.98f * s, pageWidth / 2 + design.Offset.X * s,
                  pageHeight / 2 + design.Offset.Y * s, printMono, 2});
}
