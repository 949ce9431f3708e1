#include "TrackCommands.h"

#include "app/History.h"
#include "base/UiText.h"

namespace {

constexpr const char* GROUP_MEMBER =
    Texts::Mark("You cannot delete a track which is member of a multi-lane group!");

// The end of every command that changed the design.
void Changed(A_APPL& appl, const Change& change) {
    appl.Edit.DropGesture();
    RepaintPanel(appl.Canvases);
    PushUndo(appl, change);
}

// The selected track was edited.
void SelectedChanged(A_APPL& appl) {
    Changed(appl, TrackChange(appl.Design.Design, appl.Design.SelectedTrack));
}

void ChangeHeight(A_APPL& appl, int step) {
    int first = 0, last = -1;
    if (!SelectedRange(appl.Design, first, last))
        return;
    appl.Design.SelectedTrack->ChangeHeight(first, last, step);
    SelectedChanged(appl);
}

} // namespace

bool SelectedRange(const C_VIRELDO& design, int& first, int& last) {
    const T_TRACK* track = design.SelectedTrack;
    if (!track || !track->InUse)
        return false;
    first = std::max(design.SelectionFirst, 0);
    last = std::min(design.SelectionLast, track->PartCount - 1);
    return first <= last;
}

void DeleteSectionsCommand(A_APPL& appl) {
    C_VIRELDO& design = appl.Design;
    int first = 0, last = -1;
    if (appl.CurrentPanel() != &design || !SelectedRange(design, first, last))
        return;
    DeleteRangeInPlace(*design.SelectedTrack, first, last, appl.Canvases.Placement);
    design.SelectionFirst = design.SelectionLast = first;
    appl.Edit.PendingPreview = false;
    SelectedChanged(appl);
}

void AnchorSectionCommand(A_APPL& appl) {
    C_VIRELDO& design = appl.Design;
    int first = 0, last = -1;
    if (!SelectedRange(design, first, last))
        return;
    T_TRACK* track = design.SelectedTrack;
    ReAnchor(*track, first, appl.Canvases.Placement);
    design.SelectionLast = first;
    design.Design.SetTrackAngle(track, track->Angle);
    appl.Edit.PendingPreview = false;
    SelectedChanged(appl);
}

void RaiseTrackCommand(A_APPL& appl) {
    ChangeHeight(appl, 1);
}

void LowerTrackCommand(A_APPL& appl) {
    ChangeHeight(appl, -1);
}

void MirrorTrackCommand(A_APPL& appl) {
    C_VIRELDO& design = appl.Design;
    int first = 0, last = -1;
    if (!SelectedRange(design, first, last))
        return;
    T_TRACK* track = design.SelectedTrack;
    for (int i = first; i <= last; ++i)
        MirrorPart(track->Parts[i]);
    track->Modified = true;
    SelectedChanged(appl);
}

void QuickRotateCommand(A_APPL& appl, QuarterDegrees angle) {
    T_TRACK* track = appl.Design.SelectedTrack;
    if (!track || !track->InUse)
        return;
    // No snapshot: the turn is undone together with the edit before it.
    appl.Design.Design.SetTrackAngle(track, angle);
    RepaintPanel(appl.Canvases);
    appl.Changes.Announce(TrackChange(appl.Design.Design, track));
}

void DeleteTrackCommand(A_APPL& appl) {
    C_VIRELDO& design = appl.Design;
    T_TRACK* track = design.SelectedTrack;
    if (!track || !track->InUse)
        return;
    if (track->Group) {
        ShowAppMessage(appl, GROUP_MEMBER);
        return;
    }
    const Change change = TrackChange(design.Design, track);
    design.Design.FreeTrack(track);
    design.SelectedTrack = nullptr;
    UpdateEditButtons(appl);
    appl.Edit.PendingPreview = false;
    Changed(appl, change);
}

void EnterTrackMode(A_APPL& appl, EditMode mode) {
    if (appl.Design.SelectedTrack)
        SetEditMode(appl, mode);
}
