#include "Placement.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

// Every part is laid in the world and mapped to pixels on its own, so that a
// new scale or scroll maps kept world poses to the same pixels.
void Map(T_PLACED& entry, const P_VIEW& view) {
    entry.X = entry.WorldX * view.Scale + view.OriginX;
    entry.Y = entry.WorldY * view.Scale + view.OriginY;
}

// Poses come relative to the track's position: a track moved as a whole
// moves its kept entries to exactly where laying it anew puts them.
void Store(T_PLACED& entry, const Pose& pose, const T_TRACK& track, const P_VIEW& view) {
    entry.Track = &track;
    entry.RelativeX = pose.X;
    entry.RelativeY = pose.Y;
    entry.WorldX = track.X + pose.X;
    entry.WorldY = track.Y + pose.Y;
    entry.Angle = pose.Angle;
    Map(entry, view);
}

} // namespace

void PlaceTrack(T_PLACEMENT& placement, const P_VIEW& view, T_TRACK& track) {
    if (placement.Count + track.PartCount > MAX_PLACED)
        return;
    placement.Grow(placement.Count + track.PartCount);
    const Pose anchor{0.0f, 0.0f, NormalizeAngle(track.Angle)};
    const int anchorIndex = std::clamp(track.Anchor, 0, track.PartCount - 1);
    Pose pose = anchor;
    bool swapped = false;
    for (int i = anchorIndex - 1; i >= 0; --i) {
        if (track.Parts[i].Def->CrossTrack)
            swapped = !swapped;
        T_PLACED& entry = placement.Entries[placement.Count + i];
        Fill(entry, view, track, i, swapped);
        pose = StartFromEnd(track.Parts[i], pose, 1.0f);
        Store(entry, pose, track, view);
    }
    placement.Count += anchorIndex;
    pose = anchor;
    swapped = false;
    for (int j = anchorIndex; j < track.PartCount; ++j) {
        T_PLACED& entry = placement.Entries[placement.Count++];
        Fill(entry, view, track, j, swapped);
        Store(entry, pose, track, view);
        AdvancePose(track.Parts[j], pose.X, pose.Y, pose.Angle, 1.0f);
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

namespace {

// A 64-bit fingerprint mixed word by word.
class KeyHash {
  public:
    void Add(uint64_t word) {
        Value ^= word + 0x9E3779B97F4A7C15ull + (Value << 6) + (Value >> 2);
        Value *= 0xFF51AFD7ED558CCDull;
    }
    void Add(float value) {
        uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        Add(static_cast<uint64_t>(bits));
    }
    void Add(const void* pointer) {
        Add(static_cast<uint64_t>(reinterpret_cast<uintptr_t>(pointer)));
    }
    uint64_t Result() const { return Value ? Value : 1; }

  private:
    uint64_t Value = 0xCBF29CE484222325ull;
};

// What of a definition the poses and lane colours depend on.
void AddShape(KeyHash& hash, const L_PARTDEF& def) {
    hash.Add(&def);
    hash.Add(static_cast<uint64_t>(def.Type) << 1 | (def.CrossTrack ? 1 : 0));
    for (float value : {def.StraightLength, def.CurveOuterRadius, def.CurveInnerRadius,
                        def.InterfaceLength, def.FreeformNextX, def.FreeformNextY})
        hash.Add(value);
    hash.Add(static_cast<uint64_t>(static_cast<uint32_t>(def.CurveAngle)) << 32 |
             static_cast<uint32_t>(def.FreeformAngle));
}

bool InBrand(const L_BRAND* brand, const L_PARTDEF* def) {
    return brand && brand->PartCount > 0 && def >= &brand->Parts[0] &&
           def < &brand->Parts[0] + brand->PartCount;
}

} // namespace

unsigned long long SelectionKey(const P_VIEW& view) {
    KeyHash hash;
    hash.Add(view.SelectedTrack);
    hash.Add(static_cast<uint64_t>(static_cast<uint32_t>(view.SelectionFirst)) << 32 |
             static_cast<uint32_t>(view.SelectionLast));
    return hash.Result();
}

void RecolourSelection(T_PLACEMENT& placement, const P_VIEW& view) {
    const T_TRACK* track = view.SelectedTrack;
    const bool any = track && view.SelectionFirst <= view.SelectionLast &&
                     view.SelectionLast >= 0 && view.SelectionFirst < MAX_TRACK_PARTS;
    const T_PART* first = any ? &track->Parts[std::max(view.SelectionFirst, 0)] : nullptr;
    const T_PART* last =
        any ? &track->Parts[std::min(view.SelectionLast, MAX_TRACK_PARTS - 1)] : nullptr;
    for (int i = 0; i < placement.Count; ++i) {
        T_PLACED& entry = placement.Entries[i];
        const bool selected = any && entry.Part >= first && entry.Part <= last;
        entry.FillColor = selected ? view.SelectedColor : view.NormalColor;
    }
}

void MapPlacement(T_PLACEMENT& placement, const P_VIEW& view) {
    for (int i = 0; i < placement.Count; ++i)
        Map(placement.Entries[i], view);
}

unsigned long long PlacementKey(const P_VIEW& view, const T_DESIGN& design, bool colorLanes) {
    return MappedKey(view, LayoutKey(view, design, colorLanes));
}

unsigned long long MappedKey(const P_VIEW& view, unsigned long long layout) {
    KeyHash hash;
    hash.Add(static_cast<uint64_t>(layout));
    for (float value : {view.Scale, view.OriginX, view.OriginY})
        hash.Add(value);
    return hash.Result();
}

unsigned long long ShapeKey(const P_VIEW& view, const T_DESIGN& design, bool colorLanes) {
    KeyHash hash;
    hash.Add(static_cast<uint64_t>(view.NormalColor) << 32 | view.SelectedColor);
    // Filled or outlined (a drag) tells only monochrome lanes apart.
    hash.Add(static_cast<uint64_t>(colorLanes) | static_cast<uint64_t>(view.Monochrome()) << 1 |
             static_cast<uint64_t>(view.Monochrome() && view.Filled) << 2);
    const L_BRAND* brand = design.Brand;
    hash.Add(brand);
    for (int i = 0; brand && i < brand->PartCount; ++i)
        AddShape(hash, brand->Parts[i]);
    for (const T_TRACK& track : design.Tracks) {
        hash.Add(static_cast<uint64_t>(track.InUse) | static_cast<uint64_t>(track.Group) << 1 |
                 static_cast<uint64_t>(static_cast<uint32_t>(track.Anchor)) << 32);
        if (!track.InUse)
            continue;
        hash.Add(static_cast<uint64_t>(static_cast<uint32_t>(track.Angle)) << 32 |
                 static_cast<uint32_t>(track.PartCount));
        for (int i = 0; i < track.PartCount; ++i) {
            const T_PART& part = track.Parts[i];
            if (!InBrand(brand, part.Def) && part.Def)
                AddShape(hash, *part.Def); // the empty part, or one of another brand
            hash.Add(reinterpret_cast<uintptr_t>(part.Def) ^
                     static_cast<uint64_t>(static_cast<uint8_t>(part.Height)) << 56 ^
                     static_cast<uint64_t>(part.Status) << 48);
        }
    }
    return hash.Result();
}

unsigned long long LayoutKey(const T_DESIGN& design, unsigned long long shape) {
    KeyHash hash;
    hash.Add(static_cast<uint64_t>(shape));
    for (const T_TRACK& track : design.Tracks)
        if (track.InUse) {
            hash.Add(track.X);
            hash.Add(track.Y);
        }
    return hash.Result();
}

unsigned long long LayoutKey(const P_VIEW& view, const T_DESIGN& design, bool colorLanes) {
    return LayoutKey(design, ShapeKey(view, design, colorLanes));
}

void MovePlacement(T_PLACEMENT& placement, const P_VIEW& view) {
    for (int i = 0; i < placement.Count; ++i) {
        T_PLACED& entry = placement.Entries[i];
        entry.WorldX = entry.Track->X + entry.RelativeX;
        entry.WorldY = entry.Track->Y + entry.RelativeY;
        Map(entry, view);
    }
}
