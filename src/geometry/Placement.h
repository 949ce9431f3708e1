#pragma once
#include "PartGeometry.h"
#include "View.h"

#include <array>
#include <memory>
#include <vector>

constexpr int MAX_PLACED = MAX_TRACKS * MAX_TRACK_PARTS;

// One part of the design where it lies on the target, with its colours.
struct T_PLACED {
    float X = 0.0f; // start pose, pixels
    float Y = 0.0f;
    float WorldX = 0.0f; // the same in world centimetres: X is WorldX * scale + origin
    float WorldY = 0.0f;
    float RelativeX = 0.0f; // and from its track's position: WorldX is Track->X + RelativeX
    float RelativeY = 0.0f;
    const T_TRACK* Track = nullptr;
    QuarterDegrees Angle = 0;
    Rgb FillColor = RGB_BLACK;
    Rgb FirstLaneColor = RGB_RED;
    Rgb SecondLaneColor = RGB_GREEN;
    T_PART* Part = nullptr;
    bool Anchor = false;

    Pose StartPose() const { return Pose{X, Y, Angle}; }
};

// Every placed part of a design in drawing order. Rebuilt on every repaint
// without allocation; the sort's search tree lives here too.
struct T_PLACEMENT {
    int Count = 0;
    // How often the entries were laid anew: a pointer into them taken at
    // another build points at another part, or none.
    unsigned long long Builds = 0;
    // What the entries were laid from (PlacementKey), 0 when unknown: a
    // repaint of the same design in the same view keeps them; and the
    // selection their fill colours show (SelectionKey).
    unsigned long long Key = 0;
    unsigned long long Selection = 0;
    // The same of all but the view's mapping (LayoutKey): another zoom or
    // scroll maps the kept world poses to pixels again without laying anew.
    unsigned long long Layout = 0;
    // The same but for where the tracks lie (ShapeKey): tracks moved as a
    // whole move their kept entries.
    unsigned long long Shape = 0;
    void Restart() {
        Count = 0;
        ++Builds;
        Key = Layout = Shape = 0;
    }
    // Entries changed in place (a highlight): the next repaint lays them anew.
    void Touched() { Key = Layout = Shape = 0; }
    // Room for the largest design is reserved, never moved, but only made as
    // entries are laid: the palette or a small design does not touch 4 MB.
    T_PLACEMENT() { Entries.reserve(MAX_PLACED); }
    // Entries 0 .. count - 1 exist (count at most MAX_PLACED).
    void Grow(int count) {
        if (count > static_cast<int>(Entries.size()))
            Entries.resize(static_cast<size_t>(count));
    }
    std::vector<T_PLACED> Entries;

    // Heights of the entries in a minimum tree, for the height sort.
    static constexpr int TREE_LEAVES = 65536;
    std::array<int8_t, 2 * TREE_LEAVES> HeightTree;
};

std::unique_ptr<T_PLACEMENT> NewPlacement();

// The start pose of a part laid backwards from the pose at its end.
Pose StartFromEnd(const T_PART& part, const Pose& end, float scale);

void PlaceTrack(T_PLACEMENT& placement, const P_VIEW& view, T_TRACK& track);
// The track laid on its own, at world scale, in a placement kept for the
// calling thread (one has room for the largest design, 2.5 MB: too much to
// allocate per track). Valid until the thread's next call.
const T_PLACEMENT& PlaceTrackAlone(T_TRACK& track);
// visit(slot, placement) for every track in use that holds real parts, each
// laid alone, in slot order.
template <typename Visit> void ForEachTrackAlone(T_DESIGN& design, Visit visit) {
    for (int slot = 0; slot < MAX_TRACKS; ++slot) {
        T_TRACK& track = design.Tracks[slot];
        if (track.InUse && !track.HoldsOnlyEmptyPart())
            visit(slot, PlaceTrackAlone(track));
    }
}
// The lane colours of every track, then every track in slot order. Without
// colorLanes every lane is silver.
void PlaceDesign(T_PLACEMENT& placement, P_VIEW& view, T_DESIGN& design, bool colorLanes);

// A fingerprint of everything PlaceDesign and the height sort read but the
// selection: every track's pose, anchor, group and parts, the brand's part
// shapes, the view's mapping and colours. Never 0.
unsigned long long PlacementKey(const P_VIEW& view, const T_DESIGN& design, bool colorLanes);
// The same without the view's scale and origin, and that key with them.
unsigned long long LayoutKey(const P_VIEW& view, const T_DESIGN& design, bool colorLanes);
unsigned long long MappedKey(const P_VIEW& view, unsigned long long layout);
// The same without where the tracks lie (their X and Y), and that key with it.
unsigned long long ShapeKey(const P_VIEW& view, const T_DESIGN& design, bool colorLanes);
unsigned long long LayoutKey(const T_DESIGN& design, unsigned long long shape);
// The entries' world and pixel poses for where their tracks lie now.
void MovePlacement(T_PLACEMENT& placement, const P_VIEW& view);
// The pixel poses of the entries for the view's scale and origin, from their
// world poses: exactly what laying them anew gives.
void MapPlacement(T_PLACEMENT& placement, const P_VIEW& view);
// The same of the view's selection.
unsigned long long SelectionKey(const P_VIEW& view);
// The fill colours of the entries for the view's selection, as PlaceDesign
// gives them: a click that selects needs no laying anew.
void RecolourSelection(T_PLACEMENT& placement, const P_VIEW& view);

// Lower parts first; exactly the order of the exchange sort that compares each
// position with every later one and swaps when the earlier part is higher.
void SortPlacementByHeight(T_PLACEMENT& placement);

enum HitHalf { HIT_NONE = 0, HIT_FIRST_HALF = 1, HIT_SECOND_HALF = 2 };
int HitTestPart(const T_PLACED& placed, const P_VIEW& view, float px, float py);
T_PLACED* FindTopmostPart(T_PLACEMENT& placement, const P_VIEW& view, float px, float py);

constexpr int MAX_PARTS_AT = 32;
// Every hit entry, topmost first; more than MAX_PARTS_AT hits keep the first ones.
struct PartsAt {
    int Count = 0;
    std::array<T_PLACED*, MAX_PARTS_AT + 1> Hits{};
};
const PartsAt* FindPartsAt(T_PLACEMENT& placement, const P_VIEW& view, float px, float py);

// Deletes first..last so that the part after the range keeps its place.
bool DeleteRangeInPlace(T_TRACK& track, int first, int last, T_PLACEMENT& placement);
// Makes part k the anchor without moving any part.
bool ReAnchor(T_TRACK& track, int k, T_PLACEMENT& placement);
