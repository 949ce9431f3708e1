#include "Placement.h"

namespace {

// World poses of the track's parts: the placement at scale 1, origin 0.
void PlaceInWorld(T_PLACEMENT& placement, T_TRACK& track) {
    placement.Restart();
    PlaceTrack(placement, P_VIEW{}, track);
}

} // namespace

bool DeleteRangeInPlace(T_TRACK& track, int first, int last, T_PLACEMENT& placement) {
    if (first < 0 || last < first || last >= track.PartCount)
        return false;
    if (!track.Group && first <= track.Anchor && track.Anchor <= last) {
        PlaceInWorld(placement, track);
        // Without a part after the range, the parts before it keep their own
        // place: they are laid back from where the range began.
        Pose pose = last + 1 < track.PartCount ? placement.Entries[last + 1].StartPose()
                                               : placement.Entries[first].StartPose();
        for (int i = first - 1; i >= 0; --i)
            pose = StartFromEnd(track.Parts[i], pose, 1.0f);
        track.Angle = pose.Angle;
        track.X = pose.X;
        track.Y = pose.Y;
        track.Anchor = 0;
    }
    return track.DeleteRange(first, last);
}

bool ReAnchor(T_TRACK& track, int k, T_PLACEMENT& placement) {
    if (k < 0 || k >= track.PartCount)
        return false;
    PlaceInWorld(placement, track);
    const T_PLACED& entry = placement.Entries[k];
    track.Angle = entry.Angle;
    track.X = entry.X;
    track.Y = entry.Y;
    track.Anchor = k;
    track.Modified = true;
    return true;
}
