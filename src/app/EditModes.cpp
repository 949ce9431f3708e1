#include "EditModes.h"

#include "Appl.h"
#include "base/UiText.h"

namespace {

struct ModeText {
    EditMode Mode;
    const char* Caption;
    const char* Hint;
    bool MainStatusBar; // else the current panel's
};

constexpr ModeText MODES[] = {
    {EditMode::Select, Texts::Mark("Select"),
     Texts::Mark("Click the left mouse button on an item to select or drag the item around"),
     false},
    {EditMode::MoveStart, Texts::Mark("Move Start"),
     Texts::Mark(
         "Click and hold the left mouse button to change the offset or click right mouse button to "
         "stop moving"),
     true},
    {EditMode::Move, Texts::Mark("Move"),
     Texts::Mark("Hold the left mouse button to change the offset or click right mouse button to "
                 "stop moving"),
     true},
    {EditMode::DragTrack, Texts::Mark("Drag Track"),
     Texts::Mark("Move the mouse while holding the left mouse button to move the track"), true},
    {EditMode::InsertTrack, Texts::Mark("Insert Track"),
     Texts::Mark("Left click on the spot where to insert the new track"), true},
    {EditMode::DragPart, Texts::Mark("Drag Part"),
     Texts::Mark("Move the mouse pointer onto the place where to add this track section"), true},
    {EditMode::RotateStart, Texts::Mark("Rotate Start"),
     Texts::Mark("Click and hold the left mouse button to start rotating"), true},
    {EditMode::Rotate, Texts::Mark("Rotate"),
     Texts::Mark("Move the mouse up and down to rotate the selected track"), true},
    {EditMode::CopyTrack, Texts::Mark("Copy Track"),
     Texts::Mark("Left click on the spot where to insert the copy of the selected track"), true},
    {EditMode::SplitTrack, Texts::Mark("Split Track"),
     Texts::Mark("Left click on the spot where to insert the split part of the selected track"),
     true},
    {EditMode::JoinTrackStart, Texts::Mark("Join Track Start"),
     Texts::Mark(
         "Drag the track onto the first or last track section of a track you want join it with"),
     true},
    {EditMode::JoinTrack, Texts::Mark("Join Track"),
     Texts::Mark(
         "Drop the track onto the first or last track section of a track you want join it with"),
     true},
    {EditMode::Popup, Texts::Mark("Popup"), "", true},
    {EditMode::StartMovePoint, Texts::Mark("Start Move Point"),
     Texts::Mark("Click and hold the left mouse button to move a freehand point"), false},
    {EditMode::MovePoint, Texts::Mark("Move Point"),
     Texts::Mark("Drag the point to his new position"), false},
    {EditMode::DragShape, Texts::Mark("Drag Shape"),
     Texts::Mark("Drag the shape to his new position"), false},
    {EditMode::StartPolyline, Texts::Mark("Start Polyline"),
     Texts::Mark("Left click to add a point to the polyline, right click to stop finish the shape"),
     false},
    {EditMode::StartPolygon, Texts::Mark("Start Polygon"),
     Texts::Mark("Left click to add a point to the polygon, right click to stop finish the shape"),
     false},
    {EditMode::NextPoint, Texts::Mark("Next Point"),
     Texts::Mark("Left click to add a point to the shape, right click to stop finish the shape"),
     false},
    {EditMode::Text, Texts::Mark("Text"),
     Texts::Mark("Left click onto the position you want to add a text"), false},
    {EditMode::StartRectangle, Texts::Mark("Start Rectangle"),
     Texts::Mark("Left click onto the first corner"), false},
    {EditMode::Rectangle, Texts::Mark("Rectangle"),
     Texts::Mark("Left click onto the second corner"), false},
    {EditMode::StartRectangleFill, Texts::Mark("Start Rectangle Fill"),
     Texts::Mark("Left click onto the first corner"), false},
    {EditMode::RectangleFill, Texts::Mark("Rectangle Fill"),
     Texts::Mark("Left click onto the second corner"), false},
    {EditMode::StartMeasurement, Texts::Mark("Start Measurement"),
     Texts::Mark("Left click onto the first point"), false},
    {EditMode::Measurement, Texts::Mark("Measurement"),
     Texts::Mark("Left click to measure again or right click to stop"), false},
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

std::vector<const char*> ModeCaptions() {
    std::vector<const char*> captions;
    for (const ModeText& text : MODES)
        captions.push_back(text.Caption);
    return captions;
}

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
