#include "TrackJoin.h"

#include "CanvasDraw.h"
#include "PartSelector.h"
#include "app/History.h"
#include "base/UiText.h"
#include "render/PartRender.h"

namespace {

constexpr const char* GROUP_SOURCE =
    Texts::Mark("You cannot use a multi-lane group as a source to join!");
constexpr const char* TRACK_FULL =
    Texts::Mark("You cannot add any more parts to this track (max 2000) !");

// Whether a placed part is the first or last real part of its track.
bool IsTrackEnd(T_DESIGN& design, const T_PART* part, T_TRACK*& track, int& index) {
    int slot = 0;
    if (part->Def == design.EmptyDef() || !design.LocatePart(part, slot, index))
        return false;
    track = &design.Tracks[slot];
    return index == 0 || index == track->PartCount - 1;
}

// The first hit, topmost first, that is an end of a track other than source.
T_PLACED* JoinTarget(A_APPL& appl, const T_TRACK* source, int x, int y, T_TRACK*& track,
                     int& index) {
    const PartsAt* hits = FindPartsAt(appl.Canvases.Placement, appl.Design.View,
                                      static_cast<float>(x), static_cast<float>(y));
    for (int i = 0; hits && i < hits->Count; ++i)
        if (IsTrackEnd(appl.Design.Design, hits->Hits[i]->Part, track, index) && track != source)
            return hits->Hits[i];
    return nullptr;
}

// Whether the target has room for every part of the source.
bool TakesWhole(const T_TRACK& target, const T_TRACK& source) {
    return target.PartCount + source.PartCount <= MAX_TRACK_PARTS;
}

// Copies the source onto the target's first part (g = 0) or after its last;
// the target has room for all of it.
void JoinInto(T_TRACK& target, int g, const T_TRACK& source, bool grabbedFirst) {
    const int n = source.PartCount;
    auto add = [&](int i, bool front, bool mirrored) {
        T_PART part = source.Parts[i];
        if (mirrored)
            MirrorPart(part);
        if (front)
            target.InsertCopyBefore(nullptr, part);
        else
            target.InsertCopyAfter(nullptr, part);
    };
    if (g == 0) {
        for (int k = 0; k < n; ++k)
            add(grabbedFirst ? k : n - 1 - k, true, grabbedFirst);
    } else {
        for (int k = 0; k < n; ++k)
            add(grabbedFirst ? k : n - 1 - k, false, !grabbedFirst);
    }
    target.Modified = true;
}

} // namespace

void PressJoinSource(A_APPL& appl, int x, int y) {
    T_PLACED* hit = FindTopmostPart(appl.Canvases.Placement, appl.Design.View,
                                    static_cast<float>(x), static_cast<float>(y));
    T_TRACK* track = nullptr;
    int index = -1;
    if (hit && IsTrackEnd(appl.Design.Design, hit->Part, track, index))
        ArmGesture(appl, Gesture::JoinTrack, track, index);
}

void StartJoinDrag(A_APPL& appl) {
    EditState& edit = appl.Edit;
    T_TRACK* track = edit.GestureTrack;
    if (track->Group) {
        ShowAppMessage(appl, GROUP_SOURCE);
        return;
    }
    C_VIRELDO& design = appl.Design;
    design.SelectedTrack = track;
    edit.DragStart = edit.GestureStart;
    edit.DragOriginX = track->X;
    edit.DragOriginY = track->Y;
    edit.DropTargetEntry = -1;
    SetEditMode(appl, EditMode::JoinTrack);
    design.SelectionFirst = design.SelectionLast = edit.GesturePart;
    RepaintOutlines(appl.Canvases);
}

void HighlightJoinSource(A_APPL& appl, int x, int y) {
    RestoreDropTarget(appl);
    T_TRACK* track = nullptr;
    int index = -1;
    T_PLACED* candidate = JoinTarget(appl, appl.Design.SelectedTrack, x, y, track, index);
    if (!candidate || track->Group)
        return;
    HighlightDropTarget(appl, *candidate, RGB_RED);
}

void MoveJoinSource(A_APPL& appl, int x, int y) {
    C_VIRELDO& design = appl.Design;
    T_TRACK* source = design.SelectedTrack;
    if (!source)
        return;
    const EditState& edit = appl.Edit;
    source->X = edit.DragOriginX - static_cast<float>(edit.DragStart.X - x) / design.Zoom;
    source->Y = edit.DragOriginY - static_cast<float>(edit.DragStart.Y - y) / design.Zoom;
    source->Modified = true;
    RepaintOutlinesNoBlit(appl.Canvases);
    T_TRACK* track = nullptr;
    int index = -1;
    const T_PLACED* candidate = JoinTarget(appl, source, x, y, track, index);
    T_PLACEMENT& placement = appl.Canvases.Placement;
    design.Bitmap.BeginUpdate();
    for (int i = 0; i < placement.Count; ++i) {
        T_PLACED& placed = placement.Entries[i];
        if (!IsTrackEnd(design.Design, placed.Part, track, index) || track == source)
            continue;
        placed.FillColor = &placed == candidate ? RGB_BLUE : RGB_RED;
        DrawPlacedPart(placed, design.View);
    }
    placement.Touched();
    design.Bitmap.EndUpdate();
    BlitPanel(appl.Canvases);
}

void DropJoinSource(A_APPL& appl, int x, int y) {
    C_VIRELDO& design = appl.Design;
    T_TRACK* source = design.SelectedTrack;
    if (source) {
        source->X = appl.Edit.DragOriginX;
        source->Y = appl.Edit.DragOriginY;
        RepaintPanel(appl.Canvases);
        T_TRACK* target = nullptr;
        int g = -1;
        if (JoinTarget(appl, source, x, y, target, g)) {
            // A target too full for the whole source is refused before
            // anything is copied: nothing changes, nothing to undo.
            if (!TakesWhole(*target, *source)) {
                SetEditMode(appl, EditMode::Select);
                ShowAppMessage(appl, TRACK_FULL);
                return;
            }
            JoinInto(*target, g, *source, design.SelectionFirst == 0);
            design.Design.FreeTrack(source);
            design.SelectedTrack = nullptr;
        }
    }
    SetEditMode(appl, EditMode::Select);
    RepaintPanel(appl.Canvases);
    UpdateEditButtons(appl);
    PushUndo(appl, {ChangeKind::Track}); // the target and the source
}
