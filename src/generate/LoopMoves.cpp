#include "LoopMoves.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int HALF_TURN = FULL_TURN / 2;
constexpr int REPLACED_RUN = 3;
constexpr int CLOSING_PARTS = 4;
// Replacements may each leave this much (mm): the loop is checked whole after.
constexpr float REPLACE_GAP_MM = 0.2f;

int Pick(LoopRandom& random, size_t count) {
    return static_cast<int>(std::uniform_int_distribution<size_t>(0, count - 1)(random));
}

bool Chance(LoopRandom& random, double p) {
    return std::bernoulli_distribution(p)(random);
}

std::vector<QuarterDegrees> Headings(const PieceKit& kit, const Loop& loop) {
    std::vector<QuarterDegrees> headings;
    for (const Pose& pose : PosesOf(kit, loop))
        headings.push_back(pose.Angle);
    headings.pop_back();
    return headings;
}

// Two places (before pieces i < j) that head opposite ways, or false.
bool OppositePlaces(const std::vector<QuarterDegrees>& headings, LoopRandom& random, size_t& i,
                    size_t& j, const std::function<bool(size_t, size_t)>& allowed = {}) {
    std::vector<std::pair<size_t, size_t>> pairs;
    for (size_t a = 0; a < headings.size(); ++a)
        for (size_t b = a + 1; b < headings.size(); ++b)
            if (NormalizeAngle(int64_t{headings[a]} - headings[b] + HALF_TURN) == 0 &&
                (!allowed || allowed(a, b)))
                pairs.push_back({a, b});
    if (pairs.empty())
        return false;
    std::tie(i, j) = pairs[Pick(random, pairs.size())];
    return true;
}

Loop InsertedTwice(const Loop& loop, size_t i, size_t j, const Loop& insert) {
    Loop out = loop;
    out.insert(out.begin() + j, insert.begin(), insert.end());
    out.insert(out.begin() + i, insert.begin(), insert.end());
    return out;
}

Loop LoopOf(const KitPieces& pieces, const std::vector<ClosingPiece>& path) {
    Loop run;
    for (const ClosingPiece& piece : path)
        for (size_t k = 0; k < pieces.Closing.size(); ++k)
            if (pieces.Closing[k].Def == piece.Def && pieces.Closing[k].Status == piece.Status)
                run.push_back(pieces.Loop[k]);
    return run;
}

bool Plain(const LoopPiece& piece) {
    return piece.Shape >= 0 && piece.Height == 0;
}

} // namespace

KitPieces PiecesOfKit(const PieceKit& kit) {
    KitPieces pieces;
    for (int s = 0; s < static_cast<int>(kit.Shapes.size()); ++s) {
        L_PARTDEF* def = kit.Shapes[s].Parts.front();
        if (kit.Shapes[s].Curve()) {
            for (uint8_t hand : {PS_LEFT, PS_RIGHT}) {
                pieces.Closing.push_back({def, hand});
                pieces.Loop.push_back({s, hand, 0});
            }
        } else {
            pieces.Closing.push_back({def, 0});
            pieces.Loop.push_back({s, 0, 0});
        }
    }
    return pieces;
}

Loop Stretched(const PieceKit& kit, const Loop& loop, LoopRandom& random) {
    const int straights = kit.FirstCurve();
    size_t i = 0, j = 0;
    if (straights == 0 || !OppositePlaces(Headings(kit, loop), random, i, j))
        return {};
    return InsertedTwice(loop, i, j, {LoopPiece{Pick(random, straights), 0, 0}});
}

Loop Shrunk(const PieceKit& kit, const Loop& loop, LoopRandom& random) {
    const auto sameStraight = [&](size_t a, size_t b) {
        return Plain(loop[a]) && loop[a] == loop[b] && DefOf(kit, loop[a]).Type == PT_Straight;
    };
    size_t i = 0, j = 0;
    if (!OppositePlaces(Headings(kit, loop), random, i, j, sameStraight))
        return {};
    Loop out = loop;
    out.erase(out.begin() + j);
    out.erase(out.begin() + i);
    return out;
}

Loop WithSBends(const PieceKit& kit, const Loop& loop, LoopRandom& random) {
    const int curves = static_cast<int>(kit.Shapes.size()) - kit.FirstCurve();
    size_t i = 0, j = 0;
    if (curves == 0 || !OppositePlaces(Headings(kit, loop), random, i, j))
        return {};
    const int shape = kit.FirstCurve() + Pick(random, curves);
    const bool leftFirst = Chance(random, 0.5);
    const Loop bend{{shape, leftFirst ? PS_LEFT : PS_RIGHT, 0},
                    {shape, leftFirst ? PS_RIGHT : PS_LEFT, 0}};
    return InsertedTwice(loop, i, j, bend);
}

Loop WithRunReplaced(const PieceKit& kit, const KitPieces& pieces, const Loop& loop,
                     LoopRandom& random) {
    if (loop.size() < 2)
        return {};
    const size_t length = 1 + Pick(random, std::min<size_t>(REPLACED_RUN, loop.size() - 1));
    const size_t first = Pick(random, loop.size() - length + 1);
    for (size_t k = first; k < first + length; ++k)
        if (!Plain(loop[k]))
            return {};
    const std::vector<Pose> poses = PosesOf(kit, loop);
    CheckTolerance tolerance;
    tolerance.GapMillimetres = REPLACE_GAP_MM;
    const auto paths =
        PathsBetween(pieces.Closing, poses[first], poses[first + length], CLOSING_PARTS, tolerance);
    std::vector<Loop> others;
    for (const std::vector<ClosingPiece>& path : paths) {
        Loop run = LoopOf(pieces, path);
        if (!std::equal(run.begin(), run.end(), loop.begin() + first,
                        loop.begin() + first + length))
            others.push_back(std::move(run));
    }
    if (others.empty())
        return {};
    Loop out = loop;
    const Loop& run = others[Pick(random, others.size())];
    out.erase(out.begin() + first, out.begin() + first + length);
    out.insert(out.begin() + first, run.begin(), run.end());
    return out;
}

Loop RandomDoubledHalf(const PieceKit& kit, LoopRandom& random, int maxPieces) {
    const int curves = static_cast<int>(kit.Shapes.size()) - kit.FirstCurve();
    if (curves == 0)
        return {};
    Loop half;
    int turned = 0; // to the left, quarter degrees
    while (turned != HALF_TURN && static_cast<int>(half.size()) < maxPieces) {
        if (kit.FirstCurve() > 0 && Chance(random, 0.35)) {
            half.push_back({Pick(random, kit.FirstCurve()), 0, 0});
            continue;
        }
        const int shape = kit.FirstCurve() + Pick(random, curves);
        const int angle = kit.Shapes[shape].Def().CurveAngle;
        const bool left = Chance(random, 0.75);
        if (left && turned + angle > HALF_TURN)
            continue;
        turned += left ? angle : -angle;
        half.push_back({shape, left ? PS_LEFT : PS_RIGHT, 0});
    }
    return turned == HALF_TURN ? Doubled(half) : Loop{};
}

Loop RandomClosedWalk(const PieceKit& kit, const KitPieces& pieces, LoopRandom& random,
                      int maxPieces) {
    constexpr int MIN_WALK = 6;
    constexpr int TRIES = 4;
    float reach = 0.0f; // how far a closing of four pieces can go at most
    for (const ClosingPiece& piece : pieces.Closing) {
        const Pose delta = PartDelta(T_PART{0, piece.Status, piece.Def});
        reach = std::max(reach, std::hypot(delta.X, delta.Y));
    }
    reach *= CLOSING_PARTS;
    const bool leftHanded = Chance(random, 0.5);
    Loop walk;
    Pose at;
    int tries = 0;
    CheckTolerance tolerance;
    tolerance.GapMillimetres = REPLACE_GAP_MM;
    while (static_cast<int>(walk.size()) < maxPieces && tries < TRIES) {
        LoopPiece piece = pieces.Loop[Pick(random, pieces.Loop.size())];
        if (piece.Hand && Chance(random, 0.6))
            piece.Hand = leftHanded ? PS_LEFT : PS_RIGHT;
        walk.push_back(piece);
        at = After(kit, piece, at);
        if (static_cast<int>(walk.size()) < MIN_WALK || std::hypot(at.X, at.Y) > reach)
            continue;
        ++tries;
        const auto paths = PathsBetween(pieces.Closing, at, Pose{}, CLOSING_PARTS, tolerance);
        if (paths.empty())
            continue;
        const Loop closing = LoopOf(pieces, paths[Pick(random, paths.size())]);
        walk.insert(walk.end(), closing.begin(), closing.end());
        return walk;
    }
    return {};
}

bool RandomLobe(const PieceKit& kit, const KitPieces& pieces, LoopRandom& random,
                const EightRoads& roads, const std::vector<Loop>& runs, Lobe& lobe) {
    constexpr int LOBE_TURN = 3 * FULL_TURN / 4;
    const int curves = static_cast<int>(kit.Shapes.size()) - kit.FirstCurve();
    if (!roads.Usable || curves == 0 || runs.empty())
        return false;
    const LobeEnds ends = EndsOfLobe(kit, roads.First);
    lobe.FirstRun = runs[Pick(random, runs.size())];
    Loop pieces0 = lobe.FirstRun;
    // Left curves of one shape through at least half the lobe's turn.
    const int shape = kit.FirstCurve() + Pick(random, curves);
    const int angle = kit.Shapes[shape].Def().CurveAngle;
    const int most = LOBE_TURN / angle - (LOBE_TURN % angle == 0 ? 1 : 0);
    const int least = (LOBE_TURN / 2 + angle - 1) / angle;
    if (most < least)
        return false;
    const Loop turn = CurveRun(shape, least + Pick(random, most - least + 1), PS_LEFT);
    const Loop& middle = runs[Pick(random, runs.size())];
    pieces0 = Joined({pieces0, turn, middle});
    Pose at = ends.Leave;
    for (const LoopPiece& piece : pieces0)
        at = After(kit, piece, at);
    CheckTolerance tolerance;
    tolerance.GapMillimetres = REPLACE_GAP_MM;
    const auto paths = PathsBetween(pieces.Closing, at, ends.Arrive, CLOSING_PARTS, tolerance);
    if (paths.empty())
        return false;
    const Loop closing = LoopOf(pieces, paths[Pick(random, paths.size())]);
    lobe.Pieces = Joined({pieces0, closing});
    lobe.LastRun.clear();
    for (auto it = closing.rbegin(); it != closing.rend() && it->Hand == 0; ++it)
        lobe.LastRun.push_back(*it);
    lobe.Length = 0.0f;
    return true;
}
