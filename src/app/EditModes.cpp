#include "EditModes.h"

#include "Appl.h"

namespace {

struct ModeText {
    EditMode Mode;
    const char* Caption;
    const char* Hint;
    bool MainStatusBar; // else the current panel's
};

constexpr ModeText MODES[] = {
    {EditMode::Select, "Select",
     "Click the left mouse button on an item to select or drag the item around", false},
    {EditMode::MoveStart, "Move Start",
     "Click and hold the left mouse button to change the offset or click right mouse button to "
     "stop moving",
     true},
    {EditMode::Move, "Move",
     "Hold the left mouse button to change the offset or click right mouse button to stop moving",
     true},
    {EditMode::DragTrack, "Drag Track",
     "Move the mouse while holding the left mouse button to move the track", true},
    {EditMode::InsertTrack, "Insert Track", "Left click on the spot where to insert the new track",
     true},
    {EditMode::DragPart, "Drag Part",
     "Move the mouse pointer onto the place where to add this track section", true},
    {EditMode::RotateStart, "Rotate Start",
     "Click and hold the left mouse button to start rotating", true},
    {EditMode::Rotate, "Rotate", "Move the mouse up and down to rotate the selected track", true},
    {EditMode::CopyTrack, "Copy Track",
     "Left click on the spot where to insert the copy of the selected track", true},
    {EditMode::SplitTrack, "Split Track",
     "Left click on the spot where to insert the split part of the selected track", true},
    {EditMode::JoinTrackStart, "Join Track Start",
     "Drag the track onto the first or last track section of a track you want join it with", true},
    {EditMode::JoinTrack, "Join Track",
     "Drop the track onto the first or last track section of a track you want join it with", true},
    {EditMode::Popup, "Popup", "", true},
    {EditMode::StartMovePoint, "Start Move Point",
     "Click and hold the left mouse button to move a freehand point", false},
    {EditMode::MovePoint, "Move Point", "Drag the point to his new position", false},
    {EditMode::DragShape, "Drag Shape", "Drag the shape to his new position", false},
    {EditMode::StartPolyline, "Start Polyline",
     "Left click to add a point to the polyline, right click to stop finish the shape", false},
    {EditMode::StartPolygon, "Start Polygon",
     "Left click to add a point to the polygon, right click to stop finish the shape", false},
    {EditMode::NextPoint, "Next Point",
     "Left click to add a point to the shape, right click to stop finish the shape", false},
    {EditMode::Text, "Text", "Left click onto the position you want to add a text", false},
    {EditMode::StartRectangle, "Start Rectangle", "Left click onto the first corner", false},
    {EditMode::Rectangle, "Rectangle", "Left click onto the second corner", false},
    {EditMode::StartRectangleFill, "Start Rectangle Fill", "Left click onto the first corner",
     false},
    {EditMode::RectangleFill, "Rectangle Fill", "Left click onto the second corner", false},
    {EditMode::StartMeasurement, "Start Measurement", "Left click onto the first point", false},
    {EditMode::Measurement, "Measurement", "Left click to measure again or right click to stop",
     false},
};

const ModeText& TextOf(EditMode mode) {
    for (const ModeText& text : MODES)
        if (text.Mode == mode)
            return text;
    return MODES[0];
}

// The status bar and canvas of the current panel.
StatusBarId CurrentStatusBar(const A_APPL& appl) {
    return appl.CurrentPanel() == &appl.Define ? StatusBarId::Define : StatusBarId::Main;
}

bool CurrentCanvas(const A_APPL& appl, CanvasId& canvas) {
    const P_PANEL* panel = appl.CurrentPanel();
    if (!panel)
        return false;
    canvas = panel == &appl.Design ? CanvasId::Track
             : panel == &appl.Room ? CanvasId::Room
                                   : CanvasId::Define;
    return true;
}

void SetPointers(A_APPL& appl, EditMode mode) {
    AppWindow& window = *appl.Window;
    CanvasId current = CanvasId::Track;
    const bool hasCurrent = CurrentCanvas(appl, current);
    switch (mode) {
    case EditMode::Select:
        if (hasCurrent)
            window.SetPointer(current, PointerShape::Arrow);
        for (CanvasId canvas : {CanvasId::Track, CanvasId::PartSelector, CanvasId::Room})
            window.SetPointer(canvas, PointerShape::Arrow);
        break;
    case EditMode::MoveStart:
    case EditMode::Move:
        window.SetPointer(CanvasId::Track, PointerShape::Mover);
        window.SetPointer(CanvasId::Room, PointerShape::Mover);
        break;
    case EditMode::DragTrack:
        window.ReleasePointerCapture();
        window.SetPointer(CanvasId::Track, PointerShape::Dragger);
        window.CapturePointer(CanvasId::Track);
        break;
    case EditMode::InsertTrack:
    case EditMode::CopyTrack:
    case EditMode::SplitTrack:
        window.SetPointer(CanvasId::Track, PointerShape::Cross);
        break;
    case EditMode::DragPart:
        window.ReleasePointerCapture();
        window.SetPointer(CanvasId::PartSelector, PointerShape::Drag);
        window.SetPointer(CanvasId::Track, PointerShape::Drag);
        break;
    case EditMode::RotateStart:
    case EditMode::Rotate:
        window.SetPointer(CanvasId::Track, PointerShape::SizeVer);
        break;
    case EditMode::JoinTrackStart:
    case EditMode::JoinTrack:
        window.SetPointer(CanvasId::Track, PointerShape::PointHand);
        break;
    case EditMode::Popup:
        break;
    case EditMode::StartMovePoint:
    case EditMode::MovePoint:
        if (hasCurrent)
            window.SetPointer(current, PointerShape::Drag);
        break;
    case EditMode::DragShape:
        window.ReleasePointerCapture();
        if (hasCurrent) {
            window.SetPointer(current, PointerShape::Dragger);
            window.CapturePointer(current);
        }
        break;
    default: // the drawing and measuring modes
        if (hasCurrent)
            window.SetPointer(current, PointerShape::Cross);
        break;
    }
}

} // namespace

void SetEditMode(A_APPL& appl, EditMode mode) {
    appl.Edit.Mode = mode;
    if (mode == EditMode::Select)
        appl.Edit.DistanceActive = false;
    if (!appl.Window)
        return;
    const StatusBarId current = CurrentStatusBar(appl);
    if (mode == EditMode::Select)
        appl.Window->SetStatusText(current, STATUS_DISTANCE, ""); // no measurement goes on
    appl.Window->SetStatusText(current, STATUS_MODE, "");
    appl.Window->SetStatusText(current, STATUS_HINT, "");
    const ModeText& text = TextOf(mode);
    const StatusBarId bar = text.MainStatusBar ? StatusBarId::Main : current;
    appl.Window->SetStatusText(bar, STATUS_MODE, text.Caption);
    appl.Window->SetStatusText(bar, STATUS_HINT, text.Hint);
    SetPointers(appl, mode);
}

void UpdateEditButtons(A_APPL& appl) {
    if (!appl.Window)
        return;
    appl.Window->EnableTrackButtons(appl.Design.SelectedTrack != nullptr);
    const P_PANEL* panel = appl.CurrentPanel();
    const F_SHAPE* shape = panel ? panel->SelectedShape : nullptr;
    appl.Window->EnableShapeButtons(shape != nullptr, shape && shape->Kind == SK_Text);
}

void ShowAppMessage(A_APPL& appl, const std::string& text) {
    appl.Dialogs().Message(text, MessageKind::Warning);
}

void ShowAppError(A_APPL& appl, const std::string& text) {
    appl.Dialogs().Message(text, MessageKind::Error);
}
