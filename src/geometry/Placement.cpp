#include "Placement.h"

#include <algorithm>

std::unique_ptr<T_PLACEMENT> NewPlacement() {
    return std::make_unique<T_PLACEMENT>();
}

const T_PLACEMENT& PlaceTrackAlone(T_TRACK& track) {
    thread_local const std::unique_ptr<T_PLACEMENT> kept = NewPlacement();
    kept->Restart();
    PlaceTrack(*kept, P_VIEW{}, track);
    return *kept;
}

namespace {

bool IsSelected(const P_VIEW& view, const T_TRACK& track, int index) {
    return view.SelectedTrack == &track && view.SelectionFirst <= index &&
           index <= view.SelectionLast;
}

void Fill(T_PLACED& entry, const P_VIEW& view, T_TRACK& track, int index, bool swapped) {
    entry.Part = &track.Parts[index];
    entry.Anchor = index == track.Anchor;
    entry.FillColor = IsSelected(view, track, index) ? view.SelectedColor : view.NormalColor;
    entry.FirstLaneColor = swapped ? view.SecondLaneColor : view.FirstLaneColor;
    entry.SecondLaneColor = swapped ? view.FirstLaneColor : view.SecondLaneColor;
}

} // namespace

Pose StartFromEnd(const T_PART& part, const Pose& end, float scale) {
    const Pose delta = PartDelta(part);
    Pose start;
    start.Angle = NormalizeAngle(end.Angle - delta.Angle);
    float dx = 0.0f, dy = 0.0f;
    QuarterDegrees angle = start.Angle;
    AdvancePose(part, dx, dy, angle, 1.0f);
    start.X = end.X - dx * scale;
    start.Y = end.Y - dy * scale;
    return start;
}

namespace {

void Store(T_PLACED& entry, const Pose& pose) {
    entry.X = pose.X;
    entry.Y = pose.Y;
    entry.Angle = pose.Angle;
}

} // namespace

void PlaceTrack(T_PLACEMENT& placement, const P_VIEW& view, T_TRACK& track) {
    if (placement.Count + track.PartCount > MAX_PLACED)
        return;
    const Pose anchor{track.X * view.Scale + view.OriginX, track.Y * view.Scale + view.OriginY,
                      NormalizeAngle(track.Angle)};
    const int anchorIndex = std::clamp(track.Anchor, 0, track.PartCount - 1);
    Pose pose = anchor;
    bool swapped = false;
    for (int i = anchorIndex - 1; i >= 0; --i) {
        if (track.Parts[i].Def->CrossTrack)
            swapped = !swapped;
        T_PLACED& entry = placement.Entries[placement.Count + i];
        Fill(entry, view, track, i, swapped);
        pose = StartFromEnd(track.Parts[i], pose, view.Scale);
        Store(entry, pose);
    }
    placement.Count += anchorIndex;
    pose = anchor;
    swapped = false;
    for (int j = anchorIndex; j < track.PartCount; ++j) {
        T_PLACED& entry = placement.Entries[placement.Count++];
        Fill(entry, view, track, j, swapped);
        Store(entry, pose);
        AdvancePose(track.Parts[j], pose.X, pose.Y, pose.Angle, view.Scale);
        if (track.Parts[j].Def->CrossTrack)
            swapped = !swapped;
    }
}

namespace {

struct LanePair {
    Rgb First;
    Rgb Second;
};

// Lane colours of group members 1 to 5; later members repeat the previous pair.
constexpr LanePair GROUP_LANES[] = {
    {0xFF0000, 0xFFFFFF}, {0x0000FF, 0xFFFF00}, {0x00FF00, 0xFF00FF},
    {0xFF8000, 0x800080}, {0x800000, 0x808000},
};

} // namespace

void PlaceDesign(T_PLACEMENT& placement, P_VIEW& view, T_DESIGN& design, bool colorLanes) {
    int member = 0;
    for (T_TRACK& track : design.Tracks) {
        if (!track.InUse)
            continue;
        if (!colorLanes) {
            view.FirstLaneColor = view.SecondLaneColor = RGB_SILVER;
        } else if (!track.Group) {
            view.FirstLaneColor = RGB_RED;
            view.SecondLaneColor = RGB_GREEN;
        } else if (member < static_cast<int>(std::size(GROUP_LANES))) {
            view.FirstLaneColor = GROUP_LANES[member].First;
            view.SecondLaneColor = GROUP_LANES[member].Second;
        }
        if (track.Group)
            ++member;
        if (view.Monochrome())
            view.FirstLaneColor = view.SecondLaneColor = view.Filled ? RGB_WHITE : RGB_BLACK;
        PlaceTrack(placement, view, track);
    }
}
