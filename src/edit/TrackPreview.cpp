#include "TrackPreview.h"

#include "CanvasDraw.h"
#include "TrackCommands.h"
#include "view/ViewMath.h"

#include <vector>

namespace {

// Parts first..last of a track laid one after the other from a pose.
std::vector<T_PLACED> LaidFrom(T_TRACK& track, int first, int last, Pose pose, float zoom) {
    std::vector<T_PLACED> parts;
    for (int i = first; i <= last; ++i) {
        T_PLACED placed;
        placed.X = pose.X;
        placed.Y = pose.Y;
        placed.Angle = pose.Angle;
        placed.Part = &track.Parts[i];
        placed.FillColor = RGB_YELLOW;
        parts.push_back(placed);
        AdvancePose(track.Parts[i], pose.X, pose.Y, pose.Angle, zoom);
    }
    return parts;
}

} // namespace

void ShowNewTrackPreview(A_APPL& appl, int x, int y) {
    C_VIRELDO& design = appl.Design;
    design.Blit(); // the preview of the last move goes
    const Pose at{static_cast<float>(x), static_cast<float>(y), 0};
    T_PART empty{0, 0, design.Design.EmptyDef()}; // what a new track starts with
    std::vector<T_PLACED> parts;
    int first = 0, last = -1;
    if (appl.Edit.Mode == EditMode::InsertTrack) {
        T_PLACED placed;
        placed.X = at.X;
        placed.Y = at.Y;
        placed.Part = &empty;
        placed.FillColor = RGB_BLACK; // as a new track shows: its yellow arrow on silver
        parts.push_back(placed);
    } else if (SelectedRange(design, first, last)) {
        T_TRACK& track = *design.SelectedTrack;
        Pose start = at;
        // A copy starts turned as a new track does; a split-off part keeps
        // the heading it had in the track.
        if (appl.Edit.Mode == EditMode::SplitTrack)
            start.Angle = PlaceTrackAlone(track).Entries[first].Angle;
        parts = LaidFrom(track, first, last, start, design.Zoom);
    }
    if (!parts.empty())
        DrawPartsOnWindow(design, parts, design.View);
}

void EraseNewTrackPreview(A_APPL& appl) {
    appl.Design.Blit();
}
