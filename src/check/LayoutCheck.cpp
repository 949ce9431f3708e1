#include "LayoutCheck.h"

#include "Crossing.h"
#include "base/UiText.h"
#include "defs/SharedPiece.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_map>
#include <unordered_set>

namespace {

bool Within(float gapMillimetres, QuarterDegrees heading, const CheckTolerance& tolerance) {
    return gapMillimetres <= tolerance.GapMillimetres && heading <= tolerance.Heading;
}

} // namespace

bool TrackCloses(T_TRACK& track, const CheckTolerance& tolerance) {
    if (!track.InUse || track.HoldsOnlyEmptyPart())
        return false;
    const TrackEnds ends = EndsOf(track);
    return Within(GapMillimetres(ends.End, ends.Start),
                  HeadingDifference(ends.End.Angle, ends.Start.Angle), tolerance);
}

namespace {

constexpr float MM_PER_CM = 10.0f;
constexpr float JOIN_GAP_MM = 10.0f;
constexpr QuarterDegrees JOIN_HEADING = 4; // one degree
constexpr float GRID_CELL_CM = 50.0f;
constexpr int AREA_SAMPLES = 12; // per side of the boxes' common part
// Outlines are taken in millimetres: integer points fine enough for areas.
constexpr float OUTLINE_SCALE = 10.0f;

struct PlacedOutline {
    PartRef Ref;
    int8_t Height = 0;
    CrossingAxis Axis;
    int MinX = 0, MinY = 0, MaxX = 0, MaxY = 0; // mm
    std::vector<PixelPoint> Points;
};

bool Inside(const std::vector<PixelPoint>& polygon, float x, float y) {
    bool inside = false;
    const size_t n = polygon.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const float xi = polygon[i].X, yi = polygon[i].Y, xj = polygon[j].X, yj = polygon[j].Y;
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

// The area both outlines cover, estimated on a grid of samples, in cm².
float CommonArea(const PlacedOutline& a, const PlacedOutline& b) {
    const int left = std::max(a.MinX, b.MinX), right = std::min(a.MaxX, b.MaxX);
    const int top = std::max(a.MinY, b.MinY), bottom = std::min(a.MaxY, b.MaxY);
    if (left >= right || top >= bottom)
        return 0.0f;
    const float dx = static_cast<float>(right - left) / AREA_SAMPLES;
    const float dy = static_cast<float>(bottom - top) / AREA_SAMPLES;
    int hits = 0;
    for (int i = 0; i < AREA_SAMPLES; ++i)
        for (int j = 0; j < AREA_SAMPLES; ++j) {
            const float x = left + (i + 0.5f) * dx, y = top + (j + 0.5f) * dy;
            hits += Inside(a.Points, x, y) && Inside(b.Points, x, y);
        }
    return hits * dx * dy / (MM_PER_CM * MM_PER_CM);
}

// The part's outline in millimetres with its box; none for a part without area.
void AddOutline(std::vector<PlacedOutline>& outlines, const T_PLACED& placed, PartRef ref,
                PointBuffer& buffer) {
    Pose pose = placed.StartPose();
    pose.X *= OUTLINE_SCALE;
    pose.Y *= OUTLINE_SCALE;
    buffer.Clear();
    PartOutline(*placed.Part, pose, OUTLINE_SCALE, false, buffer);
    if (buffer.Count < 3)
        return;
    PlacedOutline outline;
    outline.Ref = ref;
    outline.Height = placed.Part->Height;
    outline.Axis = AxisOf(placed);
    outline.Points.assign(buffer.Points.begin(), buffer.Points.begin() + buffer.Count);
    outline.MinX = outline.MaxX = outline.Points[0].X;
    outline.MinY = outline.MaxY = outline.Points[0].Y;
    for (const PixelPoint& p : outline.Points) {
        outline.MinX = std::min(outline.MinX, p.X);
        outline.MaxX = std::max(outline.MaxX, p.X);
        outline.MinY = std::min(outline.MinY, p.Y);
        outline.MaxY = std::max(outline.MaxY, p.Y);
    }
    outlines.push_back(std::move(outline));
}

std::vector<PlacedOutline> Outlines(T_DESIGN& design) {
    std::vector<PlacedOutline> outlines;
    PointBuffer buffer;
    ForEachTrackAlone(design, [&](int slot, const T_PLACEMENT& placement) {
        for (int k = 0; k < placement.Count; ++k)
            AddOutline(outlines, placement.Entries[k], {slot, k}, buffer);
    });
    return outlines;
}

// Neighbours in one chain touch by design: a part and the next, and the two
// ends of a track that closes on itself.
bool Neighbours(const T_DESIGN& design, const PartRef& a, const PartRef& b) {
    if (a.Slot != b.Slot)
        return false;
    const int n = design.Tracks[a.Slot].PartCount;
    const int d = std::abs(a.Index - b.Index);
    return d <= 1 || d == n - 1;
}

long long CellKey(int cx, int cy) {
    return (static_cast<long long>(cx) << 32) ^ static_cast<unsigned>(cy);
}

float TrackPercent(float difference, float lane1) {
    return lane1 > 0 ? difference / lane1 * 100.0f : 0.0f;
}

} // namespace

float TrackFinding::LaneDifferencePercent() const {
    return TrackPercent(LaneDifference(), Lane1);
}

int CheckResult::NumberOf(int slot) const {
    for (const TrackFinding& track : Tracks)
        if (track.Slot == slot)
            return track.Number;
    return 0;
}

bool CheckResult::Clean() const {
    const bool allClosed = std::all_of(Tracks.begin(), Tracks.end(),
                                       [](const TrackFinding& t) { return t.Closed || t.Empty; });
    return allClosed && Overlaps.empty() && Shopping.empty();
}

TrackEnds EndsOf(T_TRACK& track) {
    const T_PLACEMENT& placement = PlaceTrackAlone(track);
    TrackEnds ends;
    ends.Start = placement.Entries[0].StartPose();
    const T_PLACED& last = placement.Entries[placement.Count - 1];
    ends.End = last.StartPose();
    AdvancePose(*last.Part, ends.End.X, ends.End.Y, ends.End.Angle, 1.0f);
    return ends;
}

float GapMillimetres(const Pose& a, const Pose& b) {
    return std::hypot(a.X - b.X, a.Y - b.Y) * MM_PER_CM;
}

std::string GapDirection(const TrackFinding& finding) {
    // Below a tenth of a millimetre a side is no side.
    constexpr float NONE_MM = 0.05f;
    const float along = finding.AlongMillimetres, across = finding.AcrossMillimetres;
    const bool hasAlong = std::fabs(along) >= NONE_MM, hasAcross = std::fabs(across) >= NONE_MM;
    const std::string alongText = Texts::Fill(along > 0 ? Texts::Mark("%1 mm past the start")
                                                        : Texts::Mark("%1 mm short of the start"),
                                              {Texts::Number(std::fabs(along), 1)});
    if (!hasAcross)
        return hasAlong ? alongText : std::string();
    if (!hasAlong)
        return Texts::Fill(across > 0 ? Texts::Mark("%1 mm to the left of the start")
                                      : Texts::Mark("%1 mm to the right of the start"),
                           {Texts::Number(std::fabs(across), 1)});
    const std::string acrossText = Texts::Fill(across > 0 ? Texts::Mark("%1 mm to the left")
                                                          : Texts::Mark("%1 mm to the right"),
                                               {Texts::Number(std::fabs(across), 1)});
    return Texts::Fill(Texts::Mark("%1 and %2"), {alongText, acrossText});
}

QuarterDegrees HeadingDifference(QuarterDegrees a, QuarterDegrees b) {
    const QuarterDegrees d = NormalizeAngle(static_cast<int64_t>(a) - b);
    return std::min(d, FULL_TURN - d);
}

namespace {

// An outline that would be listed in more cells than this (a part of a
// damaged definition kilometres long) is compared with every outline instead.
constexpr long long MAX_OUTLINE_CELLS = 4096;

// Compares each pair of outlines once.
struct OverlapSearch {
    const T_DESIGN& Design;
    const std::vector<PlacedOutline>& Outlines;
    float MinimumArea;
    std::unordered_set<long long> Seen;
    std::vector<Overlap> Found;

    void Compare(int i, int j) {
        const PlacedOutline& a = Outlines[std::min(i, j)];
        const PlacedOutline& b = Outlines[std::max(i, j)];
        if (i == j || a.Height != b.Height || Neighbours(Design, a.Ref, b.Ref) ||
            a.MaxX <= b.MinX || b.MaxX <= a.MinX || a.MaxY <= b.MinY || b.MaxY <= a.MinY ||
            IsCrossing(a.Axis, b.Axis))
            return;
        if (!Seen.insert(CellKey(std::min(i, j), std::max(i, j))).second)
            return;
        const float area = CommonArea(a, b);
        if (area > MinimumArea)
            Found.push_back({a.Ref, b.Ref, area});
    }
};

} // namespace

std::vector<Overlap> FindOverlaps(T_DESIGN& design, float minimumArea) {
    const std::vector<PlacedOutline> outlines = Outlines(design);
    // A grid of cells: each outline is listed in every cell its box touches,
    // so only parts that share a cell are compared.
    std::unordered_map<long long, std::vector<int>> cells;
    std::vector<int> large;
    constexpr int cell = static_cast<int>(GRID_CELL_CM * OUTLINE_SCALE);
    const auto cellOf = [](int mm) { return mm >= 0 ? mm / cell : -((-mm + cell - 1) / cell); };
    for (int i = 0; i < static_cast<int>(outlines.size()); ++i) {
        const PlacedOutline& o = outlines[i];
        const int x0 = cellOf(o.MinX), x1 = cellOf(o.MaxX);
        const int y0 = cellOf(o.MinY), y1 = cellOf(o.MaxY);
        if ((int64_t{x1} - x0 + 1) * (int64_t{y1} - y0 + 1) > MAX_OUTLINE_CELLS) {
            large.push_back(i);
            continue;
        }
        for (int cx = x0; cx <= x1; ++cx)
            for (int cy = y0; cy <= y1; ++cy)
                cells[CellKey(cx, cy)].push_back(i);
    }
    OverlapSearch search{design, outlines, minimumArea, {}, {}};
    for (const auto& [key, members] : cells)
        for (size_t m = 0; m < members.size(); ++m)
            for (size_t n = m + 1; n < members.size(); ++n)
                search.Compare(members[m], members[n]);
    for (int i : large)
        for (int j = 0; j < static_cast<int>(outlines.size()); ++j)
            search.Compare(i, j);
    std::vector<Overlap>& overlaps = search.Found;
    std::sort(overlaps.begin(), overlaps.end(), [](const Overlap& x, const Overlap& y) {
        return std::tie(x.A.Slot, x.A.Index, x.B.Slot, x.B.Index) <
               std::tie(y.A.Slot, y.A.Index, y.B.Slot, y.B.Index);
    });
    return overlaps;
}

namespace {

void CheckTracks(T_DESIGN& design, const CheckTolerance& tolerance, CheckResult& result,
                 std::vector<TrackEnds>& ends) {
    design.ComputeTrackStats(true, nullptr, 0, -1);
    int number = 0;
    for (int slot = 0; slot < MAX_TRACKS; ++slot) {
        T_TRACK& track = design.Tracks[slot];
        if (!track.InUse)
            continue;
        TrackFinding finding;
        finding.Slot = slot;
        finding.Number = ++number;
        finding.Empty = track.HoldsOnlyEmptyPart();
        finding.Lane1 = track.Lane1Total;
        finding.Lane2 = track.Lane2Total;
        ends[slot] = EndsOf(track);
        if (!finding.Empty) {
            const Pose& start = ends[slot].Start;
            const float dx = ends[slot].End.X - start.X, dy = ends[slot].End.Y - start.Y;
            finding.AlongMillimetres =
                (-dx * SinQ(start.Angle) + dy * CosQ(start.Angle)) * MM_PER_CM;
            finding.AcrossMillimetres =
                (dx * CosQ(start.Angle) + dy * SinQ(start.Angle)) * MM_PER_CM;
            finding.GapMillimetres = GapMillimetres(ends[slot].End, ends[slot].Start);
            const QuarterDegrees heading =
                HeadingDifference(ends[slot].End.Angle, ends[slot].Start.Angle);
            finding.HeadingDegrees = heading * 0.25f;
            finding.Closed = Within(finding.GapMillimetres, heading, tolerance);
        }
        result.Tracks.push_back(finding);
    }
}

// An end of one track meets an end of another: an end running into a start
// continues it; two ends (or two starts) meet head on.
void FindJoins(const CheckResult& result, const std::vector<TrackEnds>& ends,
               std::vector<JoinCandidate>& joins) {
    for (const TrackFinding& a : result.Tracks)
        for (const TrackFinding& b : result.Tracks) {
            if (a.Slot >= b.Slot || a.Closed || b.Closed || a.Empty || b.Empty)
                continue;
            for (bool endOfA : {true, false})
                for (bool endOfB : {true, false}) {
                    const Pose& pa = endOfA ? ends[a.Slot].End : ends[a.Slot].Start;
                    const Pose& pb = endOfB ? ends[b.Slot].End : ends[b.Slot].Start;
                    const QuarterDegrees turn = endOfA == endOfB ? FULL_TURN / 2 : 0;
                    const float gap = GapMillimetres(pa, pb);
                    if (gap <= JOIN_GAP_MM &&
                        HeadingDifference(pa.Angle, NormalizeAngle(pb.Angle + turn)) <=
                            JOIN_HEADING)
                        joins.push_back({a.Slot, endOfA, b.Slot, endOfB, gap});
                }
        }
}

void ShoppingList(T_DESIGN& design, std::vector<MissingPart>& shopping) {
    L_BRAND* brand = design.Brand;
    if (!brand)
        return;
    for (int i = 0; i < brand->PartCount; ++i)
        brand->Parts[i].Used = 0;
    design.CountUses();
    for (int i = 0; i < brand->PartCount; ++i) {
        const L_PARTDEF& def = brand->Parts[i];
        if (const int64_t missing = MissingOf(*brand, def); missing > 0)
            shopping.push_back({def.Code, missing});
    }
}

} // namespace

CheckResult CheckDesign(T_DESIGN& design, const CheckTolerance& tolerance) {
    CheckResult result;
    std::vector<TrackEnds> ends(MAX_TRACKS);
    CheckTracks(design, tolerance, result, ends);
    FindJoins(result, ends, result.Joins);
    result.Overlaps = FindOverlaps(design);
    ShoppingList(design, result.Shopping);
    return result;
}
