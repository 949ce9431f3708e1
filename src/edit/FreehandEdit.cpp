#include "FreehandEdit.h"

#include "CanvasDraw.h"
#include "base/TextValues.h"
#include "toolkit/Colors.h"
#include "view/ViewMath.h"

#include <cctype>
#include <optional>

namespace {

constexpr const char* SHAPES_FULL = Texts::Mark("You cannot add any more shapes (max 128) !");
constexpr const char* POINTS_FULL =
    Texts::Mark("You cannot add any more points to this shape (max 32) !");
constexpr Rgb MEASURE_CROSS = 0x008000;

// The panel and layer being edited.
struct Editing {
    P_PANEL& Panel;
    F_FREEHAND& Layer;
};

std::optional<Editing> Current(A_APPL& appl) {
    P_PANEL* panel = appl.CurrentPanel();
    F_FREEHAND* layer = panel ? LayerOf(appl, *panel) : nullptr;
    if (!layer)
        return std::nullopt;
    return Editing{*panel, *layer};
}

// The pointer's world position, on the grid while the grid shows.
F_POINT WorldAt(const A_APPL& appl, const P_PANEL& panel, float x, float y) {
    const WorldPoint w = ScreenToWorld(panel, x, y);
    F_POINT point{w.X, w.Y};
    SnapToGrid(panel, appl.Metric, point.X, point.Y);
    return point;
}

// The mapping the point hit test uses: unturned, at the panel's origin.
ViewTransform HitView(const P_PANEL& panel) {
    return ViewTransform{panel.Zoom, panel.OriginX(), panel.OriginY(), 0};
}

void StartDistance(A_APPL& appl, int x, int y) {
    appl.Edit.DistanceActive = true;
    appl.Edit.DistanceOrigin = {x, y};
}

void PressSelect(A_APPL& appl, Editing& e, const PointerEvent& event) {
    const F_SHAPE* shapeBefore = e.Panel.SelectedShape;
    const int pointBefore = e.Panel.SelectedPoint;
    e.Panel.DeselectShape();
    if (F_SHAPE* shape = e.Layer.FindShapeAt(HitView(e.Panel), event.X, event.Y)) {
        e.Panel.SelectShape(shape, shape->PointAt(HitView(e.Panel), event.X, event.Y));
        appl.Edit.GestureShape = shape;
        ArmGesture(appl, Gesture::DragShape, nullptr, e.Panel.SelectedPoint);
    }
    UpdateEditButtons(appl);
    // A press that leaves the drawing's selection as it was shows nothing new:
    // on the track canvas the track's own press repaints after it.
    if (e.Panel.SelectedShape != shapeBefore || e.Panel.SelectedPoint != pointBefore)
        RepaintPanel(appl.Canvases);
}

void PressStartMovePoint(A_APPL& appl, Editing& e, const PointerEvent& event) {
    if (F_SHAPE* shape = e.Layer.FindShapeAt(HitView(e.Panel), event.X, event.Y)) {
        appl.Edit.GestureShape = shape;
        ArmGesture(appl, Gesture::MovePoint, nullptr,
                   shape->PointAt(HitView(e.Panel), event.X, event.Y));
    }
}

void PressNextPoint(A_APPL& appl, Editing& e, const PointerEvent& event) {
    F_SHAPE* shape = e.Panel.SelectedShape;
    if (shape) {
        const F_POINT w = WorldAt(appl, e.Panel, event.X, event.Y);
        if (!shape->AddPoint(w.X, w.Y)) {
            ShowAppMessage(appl, POINTS_FULL);
            return;
        }
        e.Layer.Changed = true;
    }
    StartDistance(appl, event.X, event.Y);
    RepaintPanel(appl.Canvases);
}

void PressSecondCorner(A_APPL& appl, Editing& e, const PointerEvent& event) {
    if (F_SHAPE* shape = e.Panel.SelectedShape) {
        const F_POINT w = WorldAt(appl, e.Panel, event.X, event.Y);
        shape->AddPoint(w.X, w.Y);
        e.Layer.Changed = true;
    }
    e.Panel.DeselectShape();
    SetEditMode(appl, EditMode::Select);
    RepaintPanel(appl.Canvases);
}

F_SHAPE* NewShape(A_APPL& appl, Editing& e, int32_t kind) {
    F_SHAPE* shape = e.Layer.AddShape();
    if (!shape) {
        ShowAppMessage(appl, SHAPES_FULL);
        return nullptr;
    }
    shape->Kind = kind;
    shape->Color = StoredFromRgb(e.Panel.CurrentColour);
    shape->PenWidth = e.Panel.CurrentPenWidth;
    return shape;
}

void PressStartShape(A_APPL& appl, Editing& e, const PointerEvent& event, int32_t kind,
                     EditMode next) {
    F_SHAPE* shape = NewShape(appl, e, kind);
    if (!shape)
        return;
    StartDistance(appl, event.X, event.Y);
    e.Panel.SelectShape(shape);
    const F_POINT w = WorldAt(appl, e.Panel, event.X, event.Y);
    shape->AddPoint(w.X, w.Y);
    RepaintPanel(appl.Canvases);
    SetEditMode(appl, next);
}

// The size field gives the decimal number it starts with ("12pt" is 12); a
// field that does not start with a digit ("-5", " 12") gives none: 0.
int32_t TextSizeOf(const std::string& size) {
    if (size.empty() || !std::isdigit(static_cast<unsigned char>(size[0])))
        return 0;
    return ClampToInt32(ParseLong(size));
}

// A size of 0 keeps the size before, and the field shows that again; a
// valid field is kept as typed.
int32_t TypedTextSize(A_APPL& appl, const std::string& typed, int32_t previous) {
    const int32_t size = TextSizeOf(typed);
    appl.Edit.TextSize = size > 0 ? typed : std::to_string(previous);
    return size > 0 ? size : previous;
}

void PressText(A_APPL& appl, Editing& e, const PointerEvent& event) {
    F_SHAPE* shape = NewShape(appl, e, SK_Text);
    if (!shape)
        return;
    std::string text, size = appl.Edit.TextSize;
    if (!appl.Dialogs().AskText(text, size)) {
        // Nothing was typed: no invisible shape stays behind.
        e.Layer.DeleteShape(shape);
        return;
    }
    const F_POINT w = WorldAt(appl, e.Panel, event.X, event.Y);
    shape->AddPoint(w.X, w.Y);
    shape->Text = text;
    shape->TextSize = TypedTextSize(appl, size, TextSizeOf(appl.Edit.TextSize));
    e.Panel.DeselectShape();
    SetEditMode(appl, EditMode::Select);
    RepaintPanel(appl.Canvases);
}

void PressStartMeasurement(A_APPL& appl, Editing& e, const PointerEvent& event) {
    StartDistance(appl, event.X, event.Y);
    DrawCrossOnWindow(e.Panel, event.X, event.Y, MEASURE_CROSS);
    SetEditMode(appl, EditMode::Measurement);
}

void LeftPress(A_APPL& appl, Editing& e, const PointerEvent& event) {
    switch (appl.Edit.Mode) {
    case EditMode::Select:
        return PressSelect(appl, e, event);
    case EditMode::StartMovePoint:
        return PressStartMovePoint(appl, e, event);
    case EditMode::NextPoint:
        return PressNextPoint(appl, e, event);
    case EditMode::Rectangle:
    case EditMode::RectangleFill:
        return PressSecondCorner(appl, e, event);
    case EditMode::StartPolyline:
        return PressStartShape(appl, e, event, SK_Polyline, EditMode::NextPoint);
    case EditMode::StartPolygon:
        return PressStartShape(appl, e, event, SK_Polygon, EditMode::NextPoint);
    case EditMode::StartRectangle:
        return PressStartShape(appl, e, event, SK_Rectangle, EditMode::Rectangle);
    case EditMode::StartRectangleFill:
        return PressStartShape(appl, e, event, SK_FilledRectangle, EditMode::RectangleFill);
    case EditMode::Text:
        return PressText(appl, e, event);
    case EditMode::Measurement:
        // A new click measures again from where it is.
        appl.Edit.DistanceActive = false;
        RepaintPanel(appl.Canvases);
        SetEditMode(appl, EditMode::StartMeasurement);
        return PressStartMeasurement(appl, e, event);
    case EditMode::StartMeasurement:
        return PressStartMeasurement(appl, e, event);
    default:
        return;
    }
}

bool EndsOnRightPress(EditMode mode) {
    switch (mode) {
    case EditMode::StartMovePoint:
    case EditMode::StartPolyline:
    case EditMode::StartPolygon:
    case EditMode::NextPoint:
    case EditMode::Text:
    case EditMode::StartRectangle:
    case EditMode::StartRectangleFill:
    case EditMode::StartMeasurement:
    case EditMode::Measurement:
        return true;
    default:
        return false;
    }
}

} // namespace

F_FREEHAND* LayerOf(A_APPL& appl, P_PANEL& panel) {
    if (&panel == &appl.Design)
        return &appl.Design.Freehand;
    if (&panel == &appl.Room)
        return &appl.Room.Layer;
    if (&panel == &appl.Define && appl.Define.Part) {
        L_PARTDEF& part = *appl.Define.Part;
        if (!part.Silkscreen)
            part.Silkscreen.Create();
        return part.Silkscreen.get();
    }
    return nullptr;
}

void FreehandMouseDown(A_APPL& appl, const PointerEvent& event) {
    std::optional<Editing> e = Current(appl);
    if (!e)
        return;
    if (event.Button == PointerButton::Left) {
        LeftPress(appl, *e, event);
    } else if (event.Button == PointerButton::Right && EndsOnRightPress(appl.Edit.Mode)) {
        e->Panel.DeselectShape();
        SetEditMode(appl, EditMode::Select);
        RepaintPanel(appl.Canvases);
    }
}

// Whether the shape is still one of the panel's layer, with that point: a
// key may have deleted it between the press and the drag.
bool ShapeAlive(A_APPL& appl, P_PANEL& panel, const F_SHAPE* shape, int point) {
    const F_FREEHAND* layer = LayerOf(appl, panel);
    return shape && layer && layer->IndexOfShape(shape) >= 0 && point >= 0 &&
           point < shape->PointCount;
}

void StartShapeDrag(A_APPL& appl) {
    P_PANEL* panel = appl.CurrentPanel();
    EditState& edit = appl.Edit;
    if (!panel || !panel->SelectedShape || panel->SelectedShape != edit.GestureShape ||
        !ShapeAlive(appl, *panel, panel->SelectedShape, panel->SelectedPoint))
        return;
    edit.DragStart = edit.GestureStart;
    panel->ShapeBackup = *panel->SelectedShape;
    StartDistance(appl, edit.GestureStart.X, edit.GestureStart.Y);
    SetEditMode(appl, EditMode::DragShape);
}

void StartPointMove(A_APPL& appl) {
    P_PANEL* panel = appl.CurrentPanel();
    EditState& edit = appl.Edit;
    F_SHAPE* shape = edit.GestureShape;
    if (!panel || !ShapeAlive(appl, *panel, shape, edit.GesturePart))
        return;
    edit.DragStart = edit.GestureStart;
    edit.DragOriginX = shape->Points[edit.GesturePart].X;
    edit.DragOriginY = shape->Points[edit.GesturePart].Y;
    StartDistance(appl, edit.GestureStart.X, edit.GestureStart.Y);
    panel->SelectShape(shape, edit.GesturePart);
    SetEditMode(appl, EditMode::MovePoint);
}

void FreehandMouseUp(A_APPL& appl, const PointerEvent&) {
    P_PANEL* panel = appl.CurrentPanel();
    const EditMode mode = appl.Edit.Mode;
    if (!panel || (mode != EditMode::DragShape && mode != EditMode::MovePoint))
        return;
    panel->DeselectShape();
    SetEditMode(appl, mode == EditMode::DragShape ? EditMode::Select : EditMode::StartMovePoint);
    RepaintPanel(appl.Canvases);
}

void FreehandMouseMove(A_APPL& appl, const PointerEvent& event) {
    std::optional<Editing> e = Current(appl);
    if (!e)
        return;
    P_PANEL& panel = e->Panel;
    const EditState& edit = appl.Edit;
    const float dx = static_cast<float>(edit.DragStart.X - event.X) / panel.Zoom;
    const float dy = static_cast<float>(edit.DragStart.Y - event.Y) / panel.Zoom;
    F_SHAPE* shape = panel.SelectedShape;
    const bool dragging = edit.Mode == EditMode::DragShape || edit.Mode == EditMode::MovePoint;
    if (dragging && !ShapeAlive(appl, panel, shape, panel.SelectedPoint)) {
        FreehandMouseUp(appl, event); // what it dragged is gone: the drag ends
        return;
    }
    if (edit.Mode == EditMode::DragShape && shape && panel.SelectedPoint >= 0) {
        // The grabbed point follows the pointer onto the grid; the rest keeps its distance.
        const F_POINT b = panel.ShapeBackup.Points[panel.SelectedPoint];
        F_POINT t{b.X - dx, b.Y - dy};
        SnapToGrid(panel, appl.Metric, t.X, t.Y);
        for (int i = 0; i < shape->PointCount; ++i)
            shape->Points[i] = {panel.ShapeBackup.Points[i].X + t.X - b.X,
                                panel.ShapeBackup.Points[i].Y + t.Y - b.Y};
        e->Layer.Changed = true;
        RepaintOutlines(appl.Canvases);
    } else if (edit.Mode == EditMode::MovePoint && shape && panel.SelectedPoint >= 0) {
        F_POINT p{edit.DragOriginX - dx, edit.DragOriginY - dy};
        SnapToGrid(panel, appl.Metric, p.X, p.Y);
        shape->Points[panel.SelectedPoint] = p;
        e->Layer.Changed = true;
        RepaintPanel(appl.Canvases);
    }
}

void FreeColourCommand(A_APPL& appl, Rgb colour) {
    P_PANEL* panel = appl.CurrentPanel();
    if (!panel)
        return;
    panel->CurrentColour = colour;
    if (F_SHAPE* shape = panel->SelectedShape) {
        shape->Color = StoredFromRgb(colour);
        if (F_FREEHAND* layer = LayerOf(appl, *panel))
            layer->Changed = true;
        panel->DeselectShape();
        RepaintPanel(appl.Canvases);
    }
}

void FreePenWidthCommand(A_APPL& appl, const std::string& text) {
    P_PANEL* panel = appl.CurrentPanel();
    if (!panel)
        return;
    panel->CurrentPenWidth = ClampToInt32(ParseLong(text));
    if (F_SHAPE* shape = panel->SelectedShape) {
        shape->PenWidth = panel->CurrentPenWidth;
        if (F_FREEHAND* layer = LayerOf(appl, *panel))
            layer->Changed = true;
        RepaintPanel(appl.Canvases);
    }
}

void FreeEditTextCommand(A_APPL& appl) {
    P_PANEL* panel = appl.CurrentPanel();
    F_SHAPE* shape = panel ? panel->SelectedShape : nullptr;
    if (!shape)
        return;
    std::string text = shape->Text, size = std::to_string(shape->TextSize);
    if (!appl.Dialogs().AskText(text, size))
        return;
    shape->Text = text;
    shape->TextSize = TypedTextSize(appl, size, shape->TextSize);
    if (F_FREEHAND* layer = LayerOf(appl, *panel))
        layer->Changed = true;
    RepaintPanel(appl.Canvases);
}

void FreeDeleteShapeCommand(A_APPL& appl) {
    P_PANEL* panel = appl.CurrentPanel();
    F_FREEHAND* layer = panel ? LayerOf(appl, *panel) : nullptr;
    if (!layer || !panel->SelectedShape)
        return;
    layer->DeleteShape(panel->SelectedShape);
    panel->DeselectShape();
    appl.Edit.DropGesture();
    UpdateEditButtons(appl);
    appl.Edit.PendingPreview = false;
    SetEditMode(appl, EditMode::Select);
    RepaintPanel(appl.Canvases);
}

void FreehandPointerMove(A_APPL& appl, const PointerEvent& event) {
    const Gesture gesture = GestureStartedBy(appl, event.X, event.Y);
    if (gesture == Gesture::DragShape)
        StartShapeDrag(appl);
    else if (gesture == Gesture::MovePoint)
        StartPointMove(appl);
    FreehandMouseMove(appl, event);
}
