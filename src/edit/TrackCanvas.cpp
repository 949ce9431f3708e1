#include "TrackCanvas.h"

#include "FreehandEdit.h"
#include "PartSelector.h"
#include "TrackCommands.h"
#include "TrackJoin.h"
#include "TrackPreview.h"
#include "ViewPan.h"
#include "app/History.h"
#include "base/UiText.h"
#include "check/LayoutCheck.h"
#include "view/ViewMath.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr const char* TRACKS_FULL = Texts::Mark("You cannot add any more tracks (max 32) !");

C_VIRELDO& Canvas(A_APPL& appl) {
    return appl.Design;
}

T_PLACED* HitAt(A_APPL& appl, int x, int y) {
    return FindTopmostPart(appl.Canvases.Placement, appl.Design.View, static_cast<float>(x),
                           static_cast<float>(y));
}

void Select(A_APPL& appl, T_TRACK* track, int first, int last) {
    C_VIRELDO& design = Canvas(appl);
    design.SelectedTrack = track;
    design.SelectionFirst = first;
    design.SelectionLast = last;
}

// Repeated clicks on one part cycle: the part, the whole track, from it to the
// end, from the start to it, the part again; clicks outside grow the range.
void ClickSelection(C_VIRELDO& design, int b, int n) {
    int& f = design.SelectionFirst;
    int& l = design.SelectionLast;
    if (b < f)
        f = b;
    else if (b > l)
        l = b;
    else if (b == f && b == l)
        f = 0, l = n - 1;
    else if (b == f && l == n - 1)
        f = 0, l = b;
    else if (f == 0 && l == n - 1)
        f = b, l = n - 1;
    else if (f == 0 && b == l)
        f = b, l = b;
}

void PressSelect(A_APPL& appl, const PointerEvent& event) {
    C_VIRELDO& design = Canvas(appl);
    T_PLACED* hit = HitAt(appl, event.X, event.Y);
    T_TRACK* track = hit ? design.Design.FindTrackOfPart(hit->Part) : nullptr;
    if (!track) {
        design.SelectedTrack = nullptr;
        RepaintPanel(appl.Canvases);
        UpdateEditButtons(appl);
        return;
    }
    const int b = track->FindPart(hit->Part);
    if (track != design.SelectedTrack)
        Select(appl, track, b, b);
    else
        ClickSelection(design, b, track->PartCount);
    RepaintPanel(appl.Canvases);
    UpdateEditButtons(appl);
    ArmGesture(appl, Gesture::DragTrack, track, b);
}

void StartTrackDrag(A_APPL& appl) {
    EditState& edit = appl.Edit;
    T_TRACK* moved = TrackToMove(appl, edit.GestureTrack);
    edit.DragStart = edit.GestureStart;
    edit.DragOriginX = moved->X;
    edit.DragOriginY = moved->Y;
    SetEditMode(appl, EditMode::DragTrack);
    Select(appl, edit.GestureTrack, edit.GesturePart, edit.GesturePart);
}

void PressInsertTrack(A_APPL& appl, const PointerEvent& event) {
    C_VIRELDO& design = Canvas(appl);
    if (T_TRACK* track = design.Design.AllocateTrack()) {
        Select(appl, track, 0, 0);
        const WorldPoint at = ScreenToWorld(design, event.X, event.Y);
        track->X = at.X;
        track->Y = at.Y;
        UpdateEditButtons(appl);
        RepaintPanel(appl.Canvases);
        PushUndo(appl, TrackChange(design.Design, track));
    } else {
        ShowAppMessage(appl, TRACKS_FULL);
    }
    SetEditMode(appl, EditMode::Select);
}

void AppendCopies(T_TRACK& to, const T_TRACK& from, int first, int last) {
    for (int i = first; i <= last; ++i)
        to.InsertCopyAfter(nullptr, from.Parts[i]);
}

void PressCopyTrack(A_APPL& appl, const PointerEvent& event) {
    C_VIRELDO& design = Canvas(appl);
    int first = 0, last = -1;
    if (!SelectedRange(design, first, last)) {
        SetEditMode(appl, EditMode::Select);
        return;
    }
    T_TRACK* copy = design.Design.AllocateTrack();
    if (!copy) {
        ShowAppMessage(appl, TRACKS_FULL);
        SetEditMode(appl, EditMode::Select);
        return;
    }
    AppendCopies(*copy, *design.SelectedTrack, first, last);
    Select(appl, copy, 0, copy->PartCount - 1);
    const WorldPoint at = ScreenToWorld(design, event.X, event.Y);
    copy->X = at.X;
    copy->Y = at.Y;
    RepaintPanel(appl.Canvases);
    PushUndo(appl, TrackChange(design.Design, copy));
    SetEditMode(appl, EditMode::Select);
}

void SetStartPose(T_TRACK& track, const Pose& pose) {
    track.X = pose.X;
    track.Y = pose.Y;
    track.Angle = pose.Angle;
    track.Anchor = 0;
    track.Modified = true;
}

// Every piece that stays keeps its place: its first part becomes its anchor
// at the pose it had before the split, whatever the track's anchor was.
void PressSplitTrack(A_APPL& appl, const PointerEvent& event) {
    C_VIRELDO& design = Canvas(appl);
    int f = 0, l = -1;
    if (!SelectedRange(design, f, l)) {
        SetEditMode(appl, EditMode::Select);
        return;
    }
    T_TRACK& s = *design.SelectedTrack;
    const int n = s.PartCount;
    T_PLACEMENT& placement = appl.Canvases.Placement;
    placement.Restart();
    PlaceTrack(placement, P_VIEW{}, s);
    const Pose head = placement.Entries[0].StartPose();
    const Pose split = placement.Entries[f].StartPose();
    const Pose tail = placement.Entries[std::min(l + 1, n - 1)].StartPose();
    T_TRACK* a = design.Design.AllocateTrack();
    T_TRACK* b = nullptr;
    if (a && f != 0 && l != n - 1) {
        b = design.Design.AllocateTrack();
        if (!b)
            design.Design.FreeTrack(a), a = nullptr;
    }
    if (!a) {
        ShowAppMessage(appl, TRACKS_FULL);
        SetEditMode(appl, EditMode::Select);
        return;
    }
    AppendCopies(*a, s, f, l);
    if (b) {
        AppendCopies(*b, s, l + 1, n - 1);
        SetStartPose(*b, tail);
        s.DeleteRange(l + 1, n - 1);
    }
    s.DeleteRange(f, l);
    if (f == 0 && l != n - 1)
        SetStartPose(s, tail);
    else if (f != 0)
        SetStartPose(s, head);
    const WorldPoint at = ScreenToWorld(design, event.X, event.Y);
    a->X = at.X;
    a->Y = at.Y;
    a->Angle = split.Angle;
    Select(appl, a, 0, a->PartCount - 1);
    RepaintPanel(appl.Canvases);
    PushUndo(appl, {ChangeKind::Track}); // split in two or three
    SetEditMode(appl, EditMode::Select);
}

void PressRotateStart(A_APPL& appl) {
    T_TRACK* track = Canvas(appl).SelectedTrack;
    if (!track) {
        SetEditMode(appl, EditMode::Select);
        return;
    }
    appl.Edit.DragOriginAngle = track->Angle;
    SetEditMode(appl, EditMode::Rotate);
    RepaintOutlines(appl.Canvases);
}

bool PlacesANewTrack(EditMode mode) {
    return mode == EditMode::InsertTrack || mode == EditMode::CopyTrack ||
           mode == EditMode::SplitTrack;
}

void LeftPress(A_APPL& appl, const PointerEvent& event) {
    if (PlacesANewTrack(appl.Edit.Mode))
        EraseNewTrackPreview(appl);
    switch (appl.Edit.Mode) {
    case EditMode::Select:
        PressSelect(appl, event);
        break;
    case EditMode::MoveStart:
        BeginViewDrag(appl, appl.Design, event.X, event.Y);
        break;
    case EditMode::InsertTrack:
        PressInsertTrack(appl, event);
        break;
    case EditMode::CopyTrack:
        PressCopyTrack(appl, event);
        break;
    case EditMode::SplitTrack:
        PressSplitTrack(appl, event);
        break;
    case EditMode::RotateStart:
        PressRotateStart(appl);
        break;
    case EditMode::JoinTrackStart:
        PressJoinSource(appl, event.X, event.Y);
        break;
    default:
        break;
    }
}

void ShowLaneLengths(A_APPL& appl, const PointerEvent& event) {
    C_VIRELDO& design = Canvas(appl);
    T_PLACED* hit = HitAt(appl, event.X, event.Y);
    T_TRACK* track = hit ? design.Design.FindTrackOfPart(hit->Part) : nullptr;
    if (!track)
        return;
    design.Design.ComputeTrackStats(false, design.SelectedTrack, design.SelectionFirst,
                                    design.SelectionLast);
    if (appl.Window) {
        appl.Window->ShowTrackPopup(event.ScreenX + 1, event.ScreenY + 1,
                                    LaneLengthText(track->Lane1Total, appl.Metric),
                                    LaneLengthText(track->Lane2Total, appl.Metric));
        appl.Window->SetHint(CanvasId::Track, "");
    }
    SetEditMode(appl, EditMode::Popup);
}

void RightPress(A_APPL& appl, const PointerEvent& event) {
    if (appl.Edit.Mode == EditMode::Select)
        ShowLaneLengths(appl, event);
    if (PlacesANewTrack(appl.Edit.Mode))
        EraseNewTrackPreview(appl);
    switch (appl.Edit.Mode) {
    case EditMode::MoveStart:
    case EditMode::Move:
    case EditMode::InsertTrack:
    case EditMode::RotateStart:
    case EditMode::CopyTrack:
    case EditMode::SplitTrack:
    case EditMode::JoinTrackStart:
        SetEditMode(appl, EditMode::Select);
        break;
    default:
        break;
    }
}

// The end of a drag that changed the design or its view: a full repaint and
// a snapshot.
void EndDrag(A_APPL& appl, EditMode next) {
    SetEditMode(appl, next);
    RepaintPanel(appl.Canvases);
    PushUndo(appl, TrackChange(appl.Design.Design, appl.Design.SelectedTrack));
}

// The part, its height and hand, and where to find it: "track 2 part 7",
// numbered as the track list and the Layout Check number them.
std::string HoverHint(const T_DESIGN& design, const T_PART& part) {
    std::string hint =
        part.Def->Code + " - " + part.Def->Description + " - " + std::to_string(part.Height) + " ";
    if (part.Status & PS_RIGHT)
        hint += "R";
    else if (part.Status & PS_LEFT)
        hint += "L";
    int slot = 0, index = 0;
    if (design.LocatePart(&part, slot, index))
        return Texts::Fill(
            Texts::Mark("%1 - track %2 part %3"),
            {hint, std::to_string(design.TrackNumber(slot)), std::to_string(PartNumber(index))});
    return hint;
}

void MoveSelect(A_APPL& appl, const PointerEvent& event) {
    const T_PLACED* hit = HitAt(appl, event.X, event.Y);
    const T_DESIGN& design = appl.Design.Design;
    const bool shows = hit && hit->Part->Def != design.EmptyDef();
    if (appl.Window)
        appl.Window->SetHint(CanvasId::Track, shows ? HoverHint(design, *hit->Part) : "");
}

void MoveTrack(A_APPL& appl, const PointerEvent& event) {
    T_TRACK* moved = TrackToMove(appl, Canvas(appl).SelectedTrack);
    if (!moved)
        return;
    const EditState& edit = appl.Edit;
    const float zoom = appl.Design.Zoom;
    moved->X = edit.DragOriginX - static_cast<float>(edit.DragStart.X - event.X) / zoom;
    moved->Y = edit.DragOriginY - static_cast<float>(edit.DragStart.Y - event.Y) / zoom;
    appl.Design.Design.SetTrackAngle(moved, moved->Angle);
    RepaintOutlines(appl.Canvases);
}

void MoveRotate(A_APPL& appl, const PointerEvent& event) {
    C_VIRELDO& design = Canvas(appl);
    T_TRACK* moved = TrackToMove(appl, design.SelectedTrack);
    if (!moved)
        return;
    const QuarterDegrees angle = RotationAngle(design, *moved, event.Y);
    design.Design.SetTrackAngle(design.SelectedTrack, angle);
    RepaintOutlines(appl.Canvases);
    if (appl.Window) {
        const std::string text =
            Texts::Fill(Texts::Mark("Angle %1\u00B0"), {Texts::Number(angle * 0.25, 2)});
        appl.Window->SetStatusText(StatusBarId::Main, STATUS_DISTANCE, text);
    }
}

void MoveByMode(A_APPL& appl, const PointerEvent& event) {
    switch (appl.Edit.Mode) {
    case EditMode::Popup:
        if (appl.Window)
            appl.Window->MoveTrackPopup(event.ScreenX + 1, event.ScreenY + 1);
        break;
    case EditMode::Select:
        MoveSelect(appl, event);
        break;
    case EditMode::Move:
        DragView(appl, appl.Design, event.X, event.Y);
        break;
    case EditMode::DragTrack:
        MoveTrack(appl, event);
        break;
    case EditMode::JoinTrack:
        MoveJoinSource(appl, event.X, event.Y);
        break;
    case EditMode::Rotate:
        MoveRotate(appl, event);
        break;
    case EditMode::JoinTrackStart:
        HighlightJoinSource(appl, event.X, event.Y);
        break;
    case EditMode::DragPart:
        PaletteDragOverDesign(appl, event.X, event.Y);
        break;
    case EditMode::InsertTrack:
    case EditMode::CopyTrack:
    case EditMode::SplitTrack:
        ShowNewTrackPreview(appl, event.X, event.Y);
        break;
    default:
        break;
    }
}

void StartGesture(A_APPL& appl, const PointerEvent& event) {
    switch (GestureStartedBy(appl, event.X, event.Y)) {
    case Gesture::DragTrack:
        if (appl.Edit.Mode == EditMode::Select)
            StartTrackDrag(appl);
        break;
    case Gesture::JoinTrack:
        if (appl.Edit.Mode == EditMode::JoinTrackStart)
            StartJoinDrag(appl);
        break;
    case Gesture::DragShape:
        StartShapeDrag(appl);
        break;
    case Gesture::MovePoint:
        StartPointMove(appl);
        break;
    default:
        break;
    }
}

} // namespace

T_TRACK* TrackToMove(A_APPL& appl, T_TRACK* track) {
    if (track && track->Group)
        if (T_TRACK* first = appl.Design.Design.FirstGroupTrack())
            return first;
    return track;
}

std::string LaneLengthText(float centimetres, bool metric) {
    char text[64];
    if (metric)
        std::snprintf(text, sizeof text, "%-1.2f m", centimetres * 0.01);
    else
        std::snprintf(text, sizeof text, "%-1.2f ft", centimetres * 0.03280839895013123);
    return text;
}

QuarterDegrees RotationAngle(const P_PANEL& panel, const T_TRACK& track, int y) {
    const float level = track.Y * panel.Zoom + panel.Offset.Y + panel.CentreY;
    const double a = std::trunc((level - y) * 4.0 + 720.0);
    if (a < 12 || a >= 1428)
        return 0;
    const auto angle = static_cast<QuarterDegrees>(a);
    if (708 <= angle && angle <= 732)
        return 720;
    if (348 <= angle && angle <= 372)
        return 360;
    if (1068 <= angle && angle <= 1092)
        return 1080;
    return angle;
}

void TrackCanvasMouseDown(A_APPL& appl, const PointerEvent& event) {
    if (event.Button == PointerButton::Left)
        PressLeft(appl, event.X, event.Y);
    // The drawing first: a press that ends a shape goes on as a Select press.
    FreehandMouseDown(appl, event);
    switch (event.Button) {
    case PointerButton::Left:
        LeftPress(appl, event);
        break;
    case PointerButton::Right:
        RightPress(appl, event);
        break;
    case PointerButton::Middle:
        BeginPan(appl, appl.Design, event.X, event.Y);
        break;
    case PointerButton::None:
        break;
    }
}

void TrackCanvasMouseUp(A_APPL& appl, const PointerEvent& event) {
    ReleaseButtons(appl);
    if (EndPan(appl))
        return;
    FreehandMouseUp(appl, event);
    switch (appl.Edit.Mode) {
    case EditMode::Popup:
        if (appl.Window)
            appl.Window->HideTrackPopup();
        SetEditMode(appl, EditMode::Select);
        break;
    case EditMode::Move:
        EndDrag(appl, EditMode::MoveStart);
        break;
    case EditMode::Rotate:
    case EditMode::DragTrack:
        EndDrag(appl, EditMode::Select);
        break;
    case EditMode::JoinTrack:
        DropJoinSource(appl, event.X, event.Y);
        break;
    case EditMode::DragPart:
        PaletteDropOnDesign(appl, event.X, event.Y);
        break;
    default:
        break;
    }
}

void TrackCanvasMouseMove(A_APPL& appl, const PointerEvent& event) {
    if (MovePan(appl, event.X, event.Y))
        return;
    StartGesture(appl, event);
    FreehandMouseMove(appl, event);
    if (appl.Edit.PendingPreview) {
        appl.Edit.PendingPreview = false;
        RepaintPanel(appl.Canvases);
    }
    MoveByMode(appl, event);
}

void CancelEditing(A_APPL& appl) {
    EditState& edit = appl.Edit;
    C_VIRELDO& design = appl.Design;
    edit.PendingGesture = Gesture::None;
    T_TRACK* selected = design.SelectedTrack;
    switch (edit.Mode) {
    case EditMode::DragTrack:
        if (T_TRACK* moved = TrackToMove(appl, selected)) {
            moved->X = edit.DragOriginX;
            moved->Y = edit.DragOriginY;
            design.Design.SetTrackAngle(moved, moved->Angle);
        }
        break;
    case EditMode::JoinTrack:
        if (selected)
            selected->X = edit.DragOriginX, selected->Y = edit.DragOriginY;
        break;
    case EditMode::Rotate:
        if (selected)
            design.Design.SetTrackAngle(selected, edit.DragOriginAngle);
        break;
    case EditMode::Move:
        design.Offset = {edit.DragOriginX, edit.DragOriginY};
        break;
    case EditMode::DragPart:
        CancelPaletteDrag(appl);
        return;
    case EditMode::Popup:
        if (appl.Window)
            appl.Window->HideTrackPopup();
        break;
    default:
        break;
    }
    edit.PanPanel = nullptr;
    edit.DropTargetEntry = -1;
    SetEditMode(appl, EditMode::Select);
    RepaintPanel(appl.Canvases);
}
