#include "LoopSeeds.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

constexpr int HALF_TURN = FULL_TURN / 2;
constexpr int QUARTER_TURN = FULL_TURN / 4;
// A lobe may miss the crossing by this much along and across (cm): the
// crossing's two roads then still meet at their middles. A figure-eight pairs
// lobes whose misses cancel.
constexpr float LOBE_SLACK_CM = 0.12f;
constexpr float PAIR_SLACK_CM = 0.06f;
constexpr int MAX_EIGHTS = 600;
constexpr int LOBE_RUN_PIECES = 4;

float LengthOf(const PieceKit& kit, const Loop& run) {
    float length = 0.0f;
    for (const LoopPiece& piece : run)
        length += DefOf(kit, piece).StraightLength;
    return length;
}

// The straight most of the kit is made of: the most pieces, then the longest.
int MainStraight(const PieceKit& kit) {
    int best = -1;
    for (int s = 0; s < kit.FirstCurve(); ++s)
        if (best < 0 || kit.Shapes[s].Total > kit.Shapes[best].Total)
            best = s;
    return best;
}

Pose Compose(const Pose& at, const Pose& delta) {
    const PartFrame frame(at, 1.0f);
    return Pose{frame.WorldX(delta.X, delta.Y), frame.WorldY(delta.X, delta.Y),
                NormalizeAngle(int64_t{at.Angle} + delta.Angle)};
}

Pose Ahead(const Pose& at, float length) {
    return Compose(at, Pose{0.0f, length, 0});
}

struct CurveGroup {
    Loop Pieces;
    int Turn = 0; // quarter degrees to the left
    Pose Delta;
};

// Left curves of one shape, or with mixed set, of two shapes one after the
// other (the larger radius first or last), through at most maxTurn.
std::vector<CurveGroup> LeftCurveGroups(const PieceKit& kit, int maxTurn, bool mixed) {
    std::vector<CurveGroup> groups;
    const int shapes = static_cast<int>(kit.Shapes.size());
    const auto angleOf = [&](int shape) { return kit.Shapes[shape].Def().CurveAngle; };
    const auto add = [&](Loop pieces, int turn) {
        CurveGroup group{std::move(pieces), turn, {}};
        group.Delta = PosesOf(kit, group.Pieces).back();
        groups.push_back(std::move(group));
    };
    for (int a = kit.FirstCurve(); a < shapes; ++a)
        for (int n = 1; n * angleOf(a) <= maxTurn; ++n) {
            add(CurveRun(a, n, PS_LEFT), n * angleOf(a));
            for (int b = a + 1; mixed && b < shapes; ++b)
                for (int m = 1; n * angleOf(a) + m * angleOf(b) <= maxTurn; ++m) {
                    const Loop first = CurveRun(a, n, PS_LEFT), second = CurveRun(b, m, PS_LEFT);
                    const int turn = n * angleOf(a) + m * angleOf(b);
                    add(Joined({first, second}), turn);
                    add(Joined({second, first}), turn);
                }
        }
    return groups;
}

Loop Mirrored(Loop loop) {
    for (LoopPiece& piece : loop)
        if (piece.Hand)
            piece.Hand = piece.Hand == PS_LEFT ? PS_RIGHT : PS_LEFT;
    return loop;
}

// Every lobe from the end of the first road to the start of the second: a
// run, curves, a run, curves (270 degrees together), a run.
std::vector<Lobe> AllLobes(const PieceKit& kit, const LoopPiece& first, float maxLength) {
    const auto [leave, arrive] = EndsOfLobe(kit, first);
    const std::vector<Loop> runs = StraightRuns(kit, LOBE_RUN_PIECES, maxLength);
    std::vector<float> lengths;
    for (const Loop& run : runs)
        lengths.push_back(LengthOf(kit, run));
    // Mixed radii in the first turn reach lobes one radius alone does not.
    const std::vector<CurveGroup> firstTurns = LeftCurveGroups(kit, 2 * QUARTER_TURN, true);
    const std::vector<CurveGroup> groups = LeftCurveGroups(kit, 2 * QUARTER_TURN, false);
    const float forwardX = -SinQ(arrive.Angle), forwardY = CosQ(arrive.Angle);
    const float acrossX = CosQ(arrive.Angle), acrossY = SinQ(arrive.Angle);
    std::vector<Lobe> lobes;
    for (size_t a = 0; a < runs.size(); ++a)
        for (const CurveGroup& g1 : firstTurns) {
            const Pose p1 = Compose(Ahead(leave, lengths[a]), g1.Delta);
            for (const CurveGroup& g2 : groups) {
                if (g1.Turn + g2.Turn != 3 * QUARTER_TURN)
                    continue;
                for (size_t m = 0; m < runs.size(); ++m) {
                    const Pose p2 = Compose(Ahead(p1, lengths[m]), g2.Delta);
                    const float dx = arrive.X - p2.X, dy = arrive.Y - p2.Y;
                    if (std::fabs(dx * acrossX + dy * acrossY) > LOBE_SLACK_CM)
                        continue;
                    const float along = dx * forwardX + dy * forwardY;
                    auto c = std::lower_bound(lengths.begin(), lengths.end(), along);
                    if (c == lengths.end() ||
                        (c != lengths.begin() && along - *(c - 1) < *c - along))
                        c = c == lengths.begin() ? c : c - 1;
                    if (c == lengths.end() || std::fabs(*c - along) > LOBE_SLACK_CM)
                        continue;
                    const Loop& last = runs[c - lengths.begin()];
                    Lobe lobe{Joined({runs[a], g1.Pieces, runs[m], g2.Pieces, last}), runs[a], last,
                              lengths[a] + lengths[m] + *c};
                    lobe.MissX = *c * forwardX - dx;
                    lobe.MissY = *c * forwardY - dy;
                    lobes.push_back(std::move(lobe));
                }
            }
        }
    return lobes;
}

// At most count lobes, from the smallest to the largest in even steps.
std::vector<Lobe> Spread(std::vector<Lobe> lobes, int count) {
    std::stable_sort(lobes.begin(), lobes.end(),
                     [](const Lobe& a, const Lobe& b) { return a.Length < b.Length; });
    if (static_cast<int>(lobes.size()) <= count)
        return lobes;
    std::vector<Lobe> kept;
    for (int i = 0; i < count; ++i)
        kept.push_back(lobes[i * (lobes.size() - 1) / std::max(count - 1, 1)]);
    return kept;
}

} // namespace

Loop Joined(std::initializer_list<Loop> parts) {
    Loop joined;
    for (const Loop& part : parts)
        joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

Loop CurveRun(int shape, int count, uint8_t hand) {
    return Loop(std::max(count, 0), LoopPiece{shape, hand, 0});
}

Loop Doubled(const Loop& half) {
    return Joined({half, half});
}

std::vector<Loop> StraightRuns(const PieceKit& kit, int maxPieces, float maxLength) {
    std::map<long long, Loop> byLength; // hundredths of a centimetre
    Loop run;
    // Runs hold their shapes in the kit's order (longest first): one per multiset.
    auto grow = [&](auto&& self, int from) -> void {
        const float length = LengthOf(kit, run);
        const long long key = std::llround(length * 100.0f);
        auto [it, added] = byLength.emplace(key, run);
        if (!added && run.size() < it->second.size())
            it->second = run;
        if (static_cast<int>(run.size()) >= maxPieces)
            return;
        for (int s = from; s < kit.FirstCurve(); ++s) {
            if (length + kit.Shapes[s].Def().StraightLength > maxLength)
                continue;
            run.push_back(LoopPiece{s, 0, 0});
            self(self, s);
            run.pop_back();
        }
    };
    grow(grow, 0);
    std::vector<Loop> runs;
    for (auto& [key, found] : byLength)
        runs.push_back(std::move(found));
    return runs;
}

Loop SmallestLoop(const PieceKit& kit, int curveShape) {
    const int angle = kit.Shapes[curveShape].Def().CurveAngle;
    return Doubled(CurveRun(curveShape, HALF_TURN / angle, PS_LEFT));
}

void SymmetricSeeds(const PieceKit& kit, float maxLength, const LoopSink& sink) {
    const int main = MainStraight(kit);
    std::vector<Loop> runs{Loop{}};
    if (main >= 0) {
        const float step = kit.Shapes[main].Def().StraightLength;
        for (int k = 0; (k + 1) * step <= maxLength; ++k)
            for (int extra = -1; extra < kit.FirstCurve(); ++extra) {
                if (extra == main || (k == 0 && extra < 0))
                    continue;
                Loop run(k, LoopPiece{main, 0, 0});
                if (extra >= 0)
                    run.push_back(LoopPiece{extra, 0, 0});
                runs.push_back(std::move(run));
            }
    }
    for (int c = kit.FirstCurve(); c < static_cast<int>(kit.Shapes.size()); ++c) {
        const int angle = kit.Shapes[c].Def().CurveAngle;
        if (HALF_TURN % angle == 0)
            for (const Loop& a : runs)
                sink(Doubled(Joined({a, CurveRun(c, HALF_TURN / angle, PS_LEFT)})));
        if (QUARTER_TURN % angle == 0)
            for (const Loop& a : runs)
                for (const Loop& b : runs)
                    if (!a.empty() && !b.empty()) {
                        const Loop corner = CurveRun(c, QUARTER_TURN / angle, PS_LEFT);
                        sink(Doubled(Joined({a, corner, b, corner})));
                    }
    }
}

LobeEnds EndsOfLobe(const PieceKit& kit, const LoopPiece& first) {
    const L_PARTDEF& road = DefOf(kit, first);
    const PartFrame firstFrame(Pose{}, 1.0f);
    const float cu = road.StraightWidth / 2, cv = road.StraightLength / 2;
    Pose arrive{0.0f, 0.0f, NormalizeAngle(-3 * QUARTER_TURN)};
    const PartFrame secondFrame(arrive, 1.0f);
    arrive.X = firstFrame.WorldX(cu, cv) - secondFrame.WorldX(cu, cv);
    arrive.Y = firstFrame.WorldY(cu, cv) - secondFrame.WorldY(cu, cv);
    return {After(kit, first, Pose{}), arrive};
}

EightRoads RoadsOf(const PieceKit& kit, bool bridge) {
    if (!bridge)
        return {{CROSSING_FIRST, 0, 0}, {CROSSING_SECOND, 0, 0}, kit.Crossing.Usable()};
    const int main = MainStraight(kit);
    return {{main, 0, 0}, {main, 0, 1}, main >= 0};
}

Loop FigureEight(const EightRoads& roads, const Lobe& upper, const Lobe& lower) {
    Loop first = upper.Pieces, second = Mirrored(lower.Pieces);
    if (roads.Second.Height > 0) {
        // The second pass and the straights either side of it go over.
        for (size_t k = first.size() - upper.LastRun.size(); k < first.size(); ++k)
            first[k].Height = roads.Second.Height;
        for (size_t k = 0; k < lower.FirstRun.size(); ++k)
            second[k].Height = roads.Second.Height;
    }
    return Joined({{roads.First}, first, {roads.Second}, second});
}

namespace {

// Pairs of lobes whose misses cancel: the lower lobe is the upper one
// mirrored across the crossing's diagonal, which takes a miss (x, y) to
// (-y, -x); the pairs spread from small to large figure-eights.
std::vector<std::pair<size_t, size_t>> CancellingPairs(const std::vector<Lobe>& lobes) {
    const auto cell = [](float v) { return std::lround(v / PAIR_SLACK_CM); };
    std::multimap<std::pair<long, long>, size_t> byMiss;
    for (size_t i = 0; i < lobes.size(); ++i)
        byMiss.emplace(std::make_pair(cell(lobes[i].MissX), cell(lobes[i].MissY)), i);
    std::vector<std::pair<size_t, size_t>> pairs;
    for (size_t j = 0; j < lobes.size(); ++j) {
        const float wantX = lobes[j].MissY, wantY = lobes[j].MissX;
        for (long cx = cell(wantX) - 1; cx <= cell(wantX) + 1; ++cx)
            for (long cy = cell(wantY) - 1; cy <= cell(wantY) + 1; ++cy) {
                const auto [from, to] = byMiss.equal_range({cx, cy});
                for (auto it = from; it != to; ++it)
                    if (it->second <= j &&
                        std::hypot(lobes[it->second].MissX - wantX,
                                   lobes[it->second].MissY - wantY) <= PAIR_SLACK_CM)
                        pairs.push_back({it->second, j});
            }
    }
    std::stable_sort(pairs.begin(), pairs.end(), [&](const auto& a, const auto& b) {
        return lobes[a.first].Length + lobes[a.second].Length <
               lobes[b.first].Length + lobes[b.second].Length;
    });
    if (pairs.size() <= MAX_EIGHTS)
        return pairs;
    std::vector<std::pair<size_t, size_t>> spread;
    for (size_t k = 0; k < MAX_EIGHTS; ++k)
        spread.push_back(pairs[k * (pairs.size() - 1) / (MAX_EIGHTS - 1)]);
    return spread;
}

} // namespace

std::vector<Lobe> FigureEightSeeds(const PieceKit& kit, const EightRoads& roads, float maxLength,
                                   int maxLobes, const LoopSink& sink) {
    if (!roads.Usable)
        return {};
    const std::vector<Lobe> lobes = AllLobes(kit, roads.First, maxLength);
    for (const auto& [i, j] : CancellingPairs(lobes))
        sink(FigureEight(roads, lobes[i], lobes[j]));
    // The lobes that close alone pair with any other later on.
    std::vector<Lobe> exact;
    for (const Lobe& lobe : lobes)
        if (std::hypot(lobe.MissX, lobe.MissY) <= PAIR_SLACK_CM / 2)
            exact.push_back(lobe);
    return Spread(std::move(exact), maxLobes);
}
