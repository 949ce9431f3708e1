#include "Design.h"

#include <algorithm>
#include <functional>

T_DESIGN::T_DESIGN(L_PARTDEF* emptyDef) : FileName("untitled.tr3") {
    for (T_TRACK& track : Tracks)
        track.Initialise(emptyDef);
}

void T_DESIGN::ClearDesign() {
    for (T_TRACK& track : Tracks)
        track.Initialise(track.EmptyDef);
}

T_TRACK* T_DESIGN::AllocateTrack() {
    for (T_TRACK& track : Tracks) {
        if (track.InUse)
            continue;
        track.Initialise(track.EmptyDef);
        track.InUse = true;
        track.Modified = true;
        return &track;
    }
    return nullptr;
}

bool T_DESIGN::FreeTrack(T_TRACK* track) {
    if (std::none_of(Tracks.begin(), Tracks.end(), [track](T_TRACK& t) { return &t == track; }))
        return false;
    track->InUse = false;
    track->Modified = true;
    return true;
}

T_TRACK* T_DESIGN::FindTrackOfPart(const T_PART* part) {
    // A part's address tells its slot; no need to search every part.
    int slot = 0, index = 0;
    if (!LocatePart(part, slot, index))
        return nullptr;
    T_TRACK& track = Tracks[slot];
    return track.InUse && index < track.PartCount ? &track : nullptr;
}

bool T_DESIGN::LocatePart(const T_PART* part, int& slot, int& index) const {
    const std::less<const T_PART*> before;
    for (int t = 0; t < MAX_TRACKS; ++t) {
        const T_PART* first = Tracks[t].Parts.data();
        if (!before(part, first) && before(part, first + MAX_TRACK_PARTS)) {
            slot = t;
            index = static_cast<int>(part - first);
            return true;
        }
    }
    return false;
}

int T_DESIGN::SlotOf(const T_TRACK* track) const {
    const std::less<const T_TRACK*> before;
    if (!track || before(track, Tracks.data()) || !before(track, Tracks.data() + MAX_TRACKS))
        return -1;
    return static_cast<int>(track - Tracks.data());
}

bool T_DESIGN::IsModified() const {
    return std::any_of(Tracks.begin(), Tracks.end(), [](const T_TRACK& t) { return t.Modified; });
}

void T_DESIGN::SetModified(bool modified) {
    for (T_TRACK& track : Tracks)
        track.Modified = modified;
}

int T_DESIGN::TrackNumber(int slot) const {
    if (slot < 0 || slot >= MAX_TRACKS || !Tracks[slot].InUse)
        return 0;
    int number = 0;
    for (int s = 0; s <= slot; ++s)
        number += Tracks[s].InUse;
    return number;
}

int T_DESIGN::TrackCount() const {
    return static_cast<int>(
        std::count_if(Tracks.begin(), Tracks.end(), [](const T_TRACK& t) { return t.InUse; }));
}

T_TRACK* T_DESIGN::FirstGroupTrack() {
    for (T_TRACK& track : Tracks)
        if (track.InUse && track.Group)
            return &track;
    return nullptr;
}

void T_DESIGN::SetTrackAngle(T_TRACK* track, QuarterDegrees angle) {
    track->Angle = angle;
    track->Modified = true;
    if (!track->Group)
        return;
    const float width = Brand ? Brand->DefaultWidth : 0.0f;
    const T_TRACK* previous = nullptr;
    for (T_TRACK& member : Tracks) {
        if (!member.InUse || !member.Group)
            continue;
        member.Angle = angle;
        if (previous) {
            member.X = previous->X + width * Angles.Cos[angle];
            member.Y = previous->Y + width * Angles.Sin[angle];
        }
        previous = &member;
    }
}

LaneTravel TravelOf(const T_PART& part, bool& swapped) {
    float a = part.Def->TravelLane1, b = part.Def->TravelLane2;
    if (part.Def->CrossTrack)
        swapped = !swapped;
    if (swapped)
        std::swap(a, b);
    return part.Status & PS_LEFT ? LaneTravel{b, a} : LaneTravel{a, b};
}

namespace {

void SumTrack(T_TRACK& track, int first, int last) {
    bool swapped = false;
    for (int i = first; i <= last; ++i) {
        const T_PART& part = track.Parts[i];
        const LaneTravel travel = TravelOf(part, swapped);
        track.Lane1Total += travel.Lane1;
        track.Lane2Total += travel.Lane2;
        if (part.Status & PS_LEFT)
            ++track.LeftCount;
        if (part.Status & PS_RIGHT)
            ++track.RightCount;
    }
}

} // namespace

void T_DESIGN::ComputeTrackStats(bool wholeTracks, const T_TRACK* selected, int first, int last) {
    for (T_TRACK& track : Tracks) {
        if (!track.InUse)
            continue;
        track.Lane1Total = track.Lane2Total = 0.0f;
        track.LeftCount = track.RightCount = 0;
        if (!wholeTracks && &track == selected)
            SumTrack(track, std::max(first, 0), std::min(last, track.PartCount - 1));
        else
            SumTrack(track, 0, track.PartCount - 1);
    }
}

void T_DESIGN::CountUses() {
    for (T_TRACK& track : Tracks)
        if (track.InUse)
            for (int i = 0; i < track.PartCount; ++i)
                ++track.Parts[i].Def->Used;
}

void SetUpEmptyPart(L_PARTDEF& emptyDef, const L_BRAND& brand) {
    emptyDef.Code = "XXXX";
    emptyDef.Description = "XXXX";
    emptyDef.Type = PT_None;
    emptyDef.StraightWidth = brand.DefaultWidth;
    emptyDef.StraightLength = brand.DefaultWidth;
}

void T_DESIGN::SetDesignBrand(L_BRAND* brand) {
    Brand = brand;
    SetUpEmptyPart(*EmptyDef(), *brand);
}
