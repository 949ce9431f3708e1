#include "LayoutGenerator.h"

#include "LoopMoves.h"
#include "LoopSeeds.h"
#include "base/UiText.h"
#include "check/LayoutCheck.h"
#include "defs/SharedPiece.h"
#include "geometry/Placement.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <sstream>
#include <unordered_set>

namespace {

constexpr int QUARTER_TURN = FULL_TURN / 4;
constexpr int MAX_LOOP_PIECES = 400;
constexpr int RANDOM_PIECES = 40;
constexpr int LOBES = 24;
constexpr float OUTLINE_SCALE = 10.0f; // outlines in millimetres
// A loop whose laid-out end misses its start by more than this (mm) is not
// laid at all; the check decides on the rest.
constexpr float ROUGH_GAP_MM = 2.0f;

using Clock = std::chrono::steady_clock;

bool AxisRectangle(const Board& board) {
    if (board.Outline.size() != 4)
        return false;
    for (size_t i = 0; i < 4; ++i) {
        const BoardPoint &a = board.Outline[i], &b = board.Outline[(i + 1) % 4];
        if (a.X != b.X && a.Y != b.Y)
            return false;
    }
    return true;
}

// Square to the board first; then at 45 degrees, as figure-eights lie best.
// A rectangle looks the same half a turn round.
std::vector<QuarterDegrees> TurnsFor(const Board& board) {
    const int eighth = QUARTER_TURN / 2;
    if (AxisRectangle(board))
        return {0, QUARTER_TURN, eighth, QUARTER_TURN + eighth};
    std::vector<QuarterDegrees> turns;
    for (int k = 0; k < 4; ++k)
        turns.push_back(k * QUARTER_TURN);
    for (int k = 0; k < 4; ++k)
        turns.push_back(k * QUARTER_TURN + eighth);
    return turns;
}

void AddPolygon(Footprint& footprint, const PixelPoint* points, int count) {
    std::vector<BoardPoint>& polygon = footprint.Polygons.emplace_back();
    for (int i = 0; i < count; ++i)
        polygon.push_back({points[i].X / OUTLINE_SCALE, points[i].Y / OUTLINE_SCALE});
}

} // namespace

Footprint FootprintOf(const T_PLACEMENT& placement) {
    Footprint footprint;
    PointBuffer buffer;
    std::vector<BoardPoint> all;
    for (int k = 0; k < placement.Count; ++k) {
        const T_PLACED& placed = placement.Entries[k];
        Pose pose = placed.StartPose();
        pose.X *= OUTLINE_SCALE;
        pose.Y *= OUTLINE_SCALE;
        PartOutline(*placed.Part, pose, OUTLINE_SCALE, true, buffer);
        AddPolygon(footprint, buffer.Points.data(), std::max(buffer.Count - 1, 0));
        for (Border border : {Border::Inner, Border::Outer})
            ForEachKerb(*placed.Part, border, pose, OUTLINE_SCALE, true,
                        [&](const std::array<PixelPoint, 4>& quad, int) {
                            AddPolygon(footprint, quad.data(), 4);
                        });
    }
    for (const std::vector<BoardPoint>& polygon : footprint.Polygons)
        all.insert(all.end(), polygon.begin(), polygon.end());
    footprint.Bounds = BoxOf(all);
    return footprint;
}

namespace {

// Lays loops in a design of its own and keeps those that pass.
class Search {
  public:
    Search(L_BRAND& brand, const SuggestOptions& options, JobProgress* progress)
        : Brand(brand), Options(options), Progress(progress), Kit(KitOf(brand, options.Budget)),
          Pieces(PiecesOfKit(Kit)), Random(options.Seed),
          Deadline(Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                      std::chrono::duration<double>(options.TimeLimitSeconds))),
          Room(BoxOf(options.Table)), Turns(TurnsFor(options.Table)) {
        Design->SetDesignBrand(&brand);
        if (Progress)
            Progress->Total = Options.MaxCandidates;
    }

    SuggestResult Run();

  private:
    L_BRAND& Brand;
    const SuggestOptions& Options;
    JobProgress* Progress;
    PieceKit Kit;
    KitPieces Pieces;
    LoopRandom Random;
    Clock::time_point Deadline;
    Box Room;
    std::vector<QuarterDegrees> Turns; // the layout is tried turned by these
    std::unique_ptr<L_PARTDEF> EmptyDef = std::make_unique<L_PARTDEF>();
    std::unique_ptr<T_DESIGN> Design = std::make_unique<T_DESIGN>(EmptyDef.get());
    std::unordered_set<std::string> Seen;
    struct EightKind {
        EightRoads Roads;
        std::vector<Lobe> Lobes;
        std::vector<Loop> Runs; // the straight runs random lobes start and turn with
    };
    std::vector<EightKind> Eights; // the kinds of figure-eight asked for
    std::vector<Loop> Kept;
    std::vector<SuggestedLayout> Found;
    long long Candidates = 0;

    bool Stopped() const {
        return Candidates >= Options.MaxCandidates || Clock::now() >= Deadline ||
               (Progress && Progress->Cancelled());
    }
    void Try(const Loop& loop);
    bool WithinBudget(const Loop& loop) const;
    bool RoughlyFits(const Loop& loop) const;
    bool Lay(const Loop& loop, SuggestedLayout& layout);
    bool Fit(T_TRACK& track, Footprint& footprint);
    std::string SmallestLoopMessage();
    std::vector<SuggestedLayout> Chosen() const;
    void Explore();
    Loop NextEight();
};

bool Search::WithinBudget(const Loop& loop) const {
    std::vector<int64_t> uses(Kit.Shapes.size(), 0);
    int64_t first = 0, second = 0;
    for (const LoopPiece& piece : loop) {
        if (piece.Shape == CROSSING_FIRST)
            ++first;
        else if (piece.Shape == CROSSING_SECOND)
            ++second;
        else if (++uses[piece.Shape] > Kit.Shapes[piece.Shape].Total)
            return false;
    }
    const KitCrossing& x = Kit.Crossing;
    if (first + second == 0)
        return true;
    if (x.FirstRoad == x.SecondRoad)
        return first + second <= x.FirstBudget;
    return first <= x.FirstBudget && second <= x.SecondBudget;
}

// The start points of the parts lie inside the outlines: when their spread
// does not fit the board's box in any turn, the loop does not fit at all.
bool Search::RoughlyFits(const Loop& loop) const {
    const std::vector<Pose> poses = PosesOf(Kit, loop);
    const Pose& end = poses.back();
    if (std::hypot(end.X, end.Y) * 10.0f > ROUGH_GAP_MM || NormalizeAngle(end.Angle) != 0)
        return false;
    const double room = 2 * Options.Table.Margin;
    const double roomW = Room.Width() - room, roomH = Room.Height() - room;
    for (QuarterDegrees turn : Turns) {
        const float c = CosQ(turn), s = SinQ(turn);
        float minX = 0, maxX = 0, minY = 0, maxY = 0;
        for (const Pose& p : poses) {
            const float x = p.X * c - p.Y * s, y = p.X * s + p.Y * c;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
        if (maxX - minX <= roomW && maxY - minY <= roomH)
            return true;
    }
    return false;
}

bool Search::Fit(T_TRACK& track, Footprint& footprint) {
    for (QuarterDegrees turn : Turns) {
        track.Angle = turn;
        track.X = track.Y = 0.0f;
        footprint = FootprintOf(PlaceTrackAlone(track));
        double dx = 0, dy = 0;
        if (FitFootprint(Options.Table, footprint, dx, dy)) {
            track.X = static_cast<float>(dx);
            track.Y = static_cast<float>(dy);
            footprint.Bounds = {footprint.Bounds.MinX + dx, footprint.Bounds.MinY + dy,
                                footprint.Bounds.MaxX + dx, footprint.Bounds.MaxY + dy};
            return true;
        }
    }
    return false;
}

// Parts of one shape go to the brand's parts of that shape in order, each
// up to its budget.
bool Search::Lay(const Loop& loop, SuggestedLayout& layout) {
    T_TRACK& track = Design->Tracks[0];
    track.Initialise(Design->EmptyDef());
    track.InUse = true;
    std::vector<int64_t> taken(Kit.Shapes.size(), 0);
    for (const LoopPiece& piece : loop) {
        T_PART part = PartOf(Kit, piece);
        if (piece.Shape >= 0) {
            const KitShape& shape = Kit.Shapes[piece.Shape];
            int64_t k = taken[piece.Shape]++;
            size_t member = 0;
            while (member + 1 < shape.Parts.size() && k >= shape.Budget[member])
                k -= shape.Budget[member++];
            part.Def = shape.Parts[member];
        }
        track.InsertCopyAfter(nullptr, part);
    }
    if (!TrackCloses(track))
        return false;
    Design->ComputeTrackStats(true, nullptr, 0, -1);
    layout.Lane1 = track.Lane1Total;
    layout.Lane2 = track.Lane2Total;
    if (layout.LapCm() < Options.MinimumLapCm)
        return false;
    Footprint footprint;
    if (!Fit(track, footprint) || !FindOverlaps(*Design).empty())
        return false;
    layout.Parts.assign(track.Parts.begin(), track.Parts.begin() + track.PartCount);
    layout.Start = Pose{track.X, track.Y, track.Angle};
    layout.Bounds = footprint.Bounds;
    layout.DirectionChanges = DirectionChanges(Kit, loop);
    for (const LoopPiece& piece : loop) {
        layout.Crossing |= piece.Shape < 0;
        layout.Bridge |= piece.Height > 0;
    }
    return true;
}

void Search::Try(const Loop& loop) {
    if (loop.empty() || loop.size() > MAX_LOOP_PIECES || Stopped() || !WithinBudget(loop))
        return;
    if (!Seen.insert(CanonicalKey(Kit, loop)).second)
        return;
    ++Candidates;
    if (Progress)
        Progress->Step();
    SuggestedLayout layout;
    if (!RoughlyFits(loop) || !Lay(loop, layout))
        return;
    Kept.push_back(loop);
    Found.push_back(std::move(layout));
}

std::string Search::SmallestLoopMessage() {
    const PieceKit unlimited = KitOf(Brand, UnlimitedBudget(Brand));
    Box smallest;
    bool any = false;
    for (int c = unlimited.FirstCurve(); c < static_cast<int>(unlimited.Shapes.size()); ++c) {
        if ((FULL_TURN / 2) % unlimited.Shapes[c].Def().CurveAngle != 0)
            continue;
        T_TRACK& track = Design->Tracks[0];
        track.Initialise(Design->EmptyDef());
        track.InUse = true;
        for (const LoopPiece& piece : SmallestLoop(unlimited, c))
            track.InsertCopyAfter(nullptr, PartOf(unlimited, piece));
        Footprint footprint;
        if (Fit(track, footprint))
            return std::string();
        const Box box = footprint.Bounds;
        if (!any || box.Width() * box.Height() < smallest.Width() * smallest.Height())
            smallest = box;
        any = true;
    }
    if (!any)
        return std::string();
    return Texts::Fill(Texts::Mark("The board is smaller than the smallest closed loop of %1 (%2 x "
                                   "%3 cm with a margin of %4 cm all round)."),
                       {Brand.Name, Texts::Number(smallest.Width(), 0),
                        Texts::Number(smallest.Height(), 0),
                        Texts::Number(Options.Table.Margin, 0)});
}

bool Ranks(const SuggestedLayout& x, const SuggestedLayout& y) {
    if (x.LapCm() != y.LapCm())
        return x.LapCm() > y.LapCm();
    return x.DirectionChanges > y.DirectionChanges;
}

// Two sequences that lay the same plan (a straight for two halves, a curve
// run of other pieces): the same lanes, box and turns.
bool SamePlan(const SuggestedLayout& x, const SuggestedLayout& y) {
    constexpr float SAME_CM = 0.05f;
    return std::fabs(x.Lane1 - y.Lane1) < SAME_CM && std::fabs(x.Lane2 - y.Lane2) < SAME_CM &&
           std::fabs(x.Bounds.Width() - y.Bounds.Width()) < SAME_CM &&
           std::fabs(x.Bounds.Height() - y.Bounds.Height()) < SAME_CM &&
           x.DirectionChanges == y.DirectionChanges;
}

// The best of every plan; when figure-eights were asked for, up to half of
// the places go to them (they are rarely the longest laps); ranked.
std::vector<SuggestedLayout> Search::Chosen() const {
    std::vector<const SuggestedLayout*> ranked;
    for (const SuggestedLayout& layout : Found)
        ranked.push_back(&layout);
    std::stable_sort(
        ranked.begin(), ranked.end(),
        [](const SuggestedLayout* x, const SuggestedLayout* y) { return Ranks(*x, *y); });
    std::vector<const SuggestedLayout*> chosen;
    const auto choose = [&](bool eightsOnly, size_t upTo) {
        for (const SuggestedLayout* layout : ranked) {
            if (chosen.size() >= upTo)
                return;
            const bool eight = layout->Crossing || layout->Bridge;
            const bool known = std::any_of(chosen.begin(), chosen.end(), [&](const auto* c) {
                return c == layout || SamePlan(*c, *layout);
            });
            if (!known && (eight || !eightsOnly))
                chosen.push_back(layout);
        }
    };
    const size_t count = static_cast<size_t>(std::max(Options.Count, 0));
    if (Options.Crossing || Options.Bridges)
        choose(true, (count + 1) / 2);
    choose(false, count);
    std::stable_sort(
        chosen.begin(), chosen.end(),
        [](const SuggestedLayout* x, const SuggestedLayout* y) { return Ranks(*x, *y); });
    std::vector<SuggestedLayout> layouts;
    for (const SuggestedLayout* layout : chosen)
        layouts.push_back(*layout);
    return layouts;
}

// A new lobe found at random, paired with one found before (or itself).
Loop Search::NextEight() {
    EightKind& kind = Eights[std::uniform_int_distribution<size_t>(0, Eights.size() - 1)(Random)];
    Lobe lobe;
    if (!RandomLobe(Kit, Pieces, Random, kind.Roads, kind.Runs, lobe))
        return {};
    kind.Lobes.push_back(lobe);
    const Lobe& other =
        kind.Lobes[std::uniform_int_distribution<size_t>(0, kind.Lobes.size() - 1)(Random)];
    return FigureEight(kind.Roads, lobe, other);
}

void Search::Explore() {
    while (!Stopped()) {
        const double what = std::uniform_real_distribution<double>(0, 1)(Random);
        Loop next;
        if (!Eights.empty() && what < 0.2) {
            next = NextEight();
        } else if (!Kept.empty() && what < 0.6) {
            const Loop& from =
                Kept[std::uniform_int_distribution<size_t>(0, Kept.size() - 1)(Random)];
            const int move = std::uniform_int_distribution<int>(0, 3)(Random);
            next = move == 0   ? Stretched(Kit, from, Random)
                   : move == 1 ? Shrunk(Kit, from, Random)
                   : move == 2 ? WithSBends(Kit, from, Random)
                               : WithRunReplaced(Kit, Pieces, from, Random);
        } else if (what < 0.8) {
            next = RandomDoubledHalf(Kit, Random, RANDOM_PIECES / 2);
        } else {
            next = RandomClosedWalk(Kit, Pieces, Random, RANDOM_PIECES);
        }
        if (next.empty()) {
            // Nothing to try still counts against the limit: the search ends.
            ++Candidates;
            continue;
        }
        Try(next);
    }
}

SuggestResult Search::Run() {
    SuggestResult result;
    result.TooSmall = SmallestLoopMessage();
    if (!result.TooSmall.empty() || Pieces.Loop.empty())
        return result;
    const float longest = static_cast<float>(std::max(Room.Width(), Room.Height()));
    const LoopSink sink = [this](const Loop& loop) { Try(loop); };
    SymmetricSeeds(Kit, longest, sink);
    for (bool bridge : {false, true})
        if (bridge ? Options.Bridges : Options.Crossing) {
            Eights.push_back({RoadsOf(Kit, bridge), {}, StraightRuns(Kit, 3, longest / 6)});
            Eights.back().Lobes =
                FigureEightSeeds(Kit, Eights.back().Roads, longest / 2, LOBES, sink);
        }
    Explore();
    result.Layouts = Chosen();
    result.Candidates = Candidates;
    result.Cancelled = Progress && Progress->Cancelled();
    return result;
}

} // namespace

SuggestResult SuggestLayouts(L_BRAND& brand, const SuggestOptions& options, JobProgress* progress) {
    return Search(brand, options, progress).Run();
}

std::vector<int64_t> UnlimitedBudget(const L_BRAND& brand) {
    return std::vector<int64_t>(std::clamp(brand.PartCount, 0, MAX_PARTDEFS), UNLIMITED_PARTS);
}

std::vector<int64_t> FreeStockBudget(T_DESIGN& design) {
    std::vector<int64_t> budget;
    L_BRAND* brand = design.Brand;
    if (!brand)
        return budget;
    for (int i = 0; i < brand->PartCount; ++i)
        brand->Parts[i].Used = 0;
    design.CountUses();
    for (int i = 0; i < std::clamp(brand->PartCount, 0, MAX_PARTDEFS); ++i)
        budget.push_back(std::max<int64_t>(FreeOf(*brand, brand->Parts[i]), 0));
    return budget;
}

void LayLayout(T_DESIGN& design, L_BRAND& brand, const SuggestedLayout& layout) {
    design.ClearDesign();
    design.SetDesignBrand(&brand);
    T_TRACK* track = design.AllocateTrack();
    if (!track)
        return;
    for (const T_PART& part : layout.Parts)
        if (!track->InsertCopyAfter(nullptr, part))
            break;
    track->X = layout.Start.X;
    track->Y = layout.Start.Y;
    track->Angle = layout.Start.Angle;
    design.SetModified(true);
}
