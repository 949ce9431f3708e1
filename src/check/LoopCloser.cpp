#include "LoopCloser.h"

#include "base/Saturate.h"
#include "defs/SharedPiece.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

namespace {

// Half of the sequence is searched from the track's end forward, half from
// its start backward; the two meet where their poses agree.
struct HalfPath {
    std::vector<int> Pieces; // indices into the piece list, in driving order
    Pose At;
};

Pose Advance(const ClosingPiece& piece, Pose pose) {
    const T_PART part{0, piece.Status, piece.Def};
    AdvancePose(part, pose.X, pose.Y, pose.Angle, 1.0f);
    return pose;
}

Pose Retreat(const ClosingPiece& piece, const Pose& end) {
    return StartFromEnd(T_PART{0, piece.Status, piece.Def}, end, 1.0f);
}

// Every path of up to `depth` pieces from `start`, forward or backward.
std::vector<HalfPath> Paths(const std::vector<ClosingPiece>& pieces, const Pose& start, int depth,
                            bool forward) {
    std::vector<HalfPath> paths{{{}, start}};
    size_t from = 0;
    for (int level = 0; level < depth; ++level) {
        const size_t to = paths.size();
        for (size_t p = from; p < to; ++p)
            for (int i = 0; i < static_cast<int>(pieces.size()); ++i) {
                HalfPath next = paths[p];
                if (forward) {
                    next.Pieces.push_back(i);
                    next.At = Advance(pieces[i], next.At);
                } else {
                    next.Pieces.insert(next.Pieces.begin(), i);
                    next.At = Retreat(pieces[i], next.At);
                }
                paths.push_back(std::move(next));
            }
        from = to;
    }
    return paths;
}

struct CellKey {
    QuarterDegrees Angle;
    long long X, Y;
    bool operator==(const CellKey&) const = default;
};
struct CellHash {
    size_t operator()(const CellKey& k) const {
        return std::hash<long long>()((k.X * 73856093) ^ (k.Y * 19349663) ^
                                      (static_cast<long long>(k.Angle) * 83492791));
    }
};

CellKey KeyOf(const Pose& pose, float cellCm) {
    return {NormalizeAngle(pose.Angle), TruncToInt32(std::floor(pose.X / cellCm)),
            TruncToInt32(std::floor(pose.Y / cellCm))};
}

bool WithinStock(const L_BRAND& brand, const std::vector<ClosingPiece>& pieces,
                 const std::vector<int>& sequence) {
    std::map<const L_PARTDEF*, int> uses;
    for (int i : sequence)
        if (++uses[pieces[i].Def] > FreeOf(brand, *pieces[i].Def))
            return false;
    return true;
}

float Residual(const std::vector<ClosingPiece>& pieces, const std::vector<int>& sequence, Pose from,
               const Pose& target) {
    for (int i : sequence)
        from = Advance(pieces[i], from);
    return GapMillimetres(from, target);
}

} // namespace

std::vector<ClosingPiece> PiecesOf(L_BRAND& brand) {
    std::vector<ClosingPiece> pieces;
    for (int i = 0; i < brand.PartCount; ++i) {
        L_PARTDEF& def = brand.Parts[i];
        if (def.Type == PT_Curve) {
            pieces.push_back({&def, PS_LEFT});
            pieces.push_back({&def, PS_RIGHT});
        } else if (def.Type != PT_None) {
            pieces.push_back({&def, 0});
        }
    }
    return pieces;
}

std::vector<Proposal> ProposeClosings(T_DESIGN& design, int slot, const CloseOptions& options) {
    if (slot < 0 || slot >= MAX_TRACKS || !design.Brand)
        return {};
    T_TRACK& track = design.Tracks[slot];
    if (!track.InUse || track.HoldsOnlyEmptyPart())
        return {};
    const TrackEnds ends = EndsOf(track);
    const float tolerance = options.Tolerance.GapMillimetres / 10.0f; // cm
    if (GapMillimetres(ends.End, ends.Start) <= options.Tolerance.GapMillimetres &&
        HeadingDifference(ends.End.Angle, ends.Start.Angle) <= options.Tolerance.Heading)
        return {};
    if (options.InStockOnly) {
        for (int i = 0; i < design.Brand->PartCount; ++i)
            design.Brand->Parts[i].Used = 0;
        design.CountUses();
    }
    const std::vector<ClosingPiece> pieces = PiecesOf(*design.Brand);
    const int forwardDepth = (options.MaxParts + 1) / 2;
    const int backwardDepth = options.MaxParts / 2;
    const std::vector<HalfPath> forward = Paths(pieces, ends.End, forwardDepth, true);
    const std::vector<HalfPath> backward = Paths(pieces, ends.Start, backwardDepth, false);
    // The backward poses by cell, so each forward pose looks in nine cells only.
    const float cell = std::max(tolerance, 0.01f);
    std::unordered_multimap<CellKey, int, CellHash> index;
    for (int b = 0; b < static_cast<int>(backward.size()); ++b)
        index.emplace(KeyOf(backward[b].At, cell), b);
    std::map<std::vector<int>, float> found;
    for (const HalfPath& f : forward) {
        const CellKey key = KeyOf(f.At, cell);
        for (QuarterDegrees turn = -options.Tolerance.Heading; turn <= options.Tolerance.Heading;
             ++turn)
            for (long long dx = -1; dx <= 1; ++dx)
                for (long long dy = -1; dy <= 1; ++dy) {
                    const CellKey near{NormalizeAngle(key.Angle + turn), key.X + dx, key.Y + dy};
                    const auto [first, last] = index.equal_range(near);
                    for (auto it = first; it != last; ++it) {
                        const HalfPath& b = backward[it->second];
                        std::vector<int> sequence = f.Pieces;
                        sequence.insert(sequence.end(), b.Pieces.begin(), b.Pieces.end());
                        if (sequence.empty() ||
                            static_cast<int>(sequence.size()) > options.MaxParts ||
                            found.count(sequence) ||
                            (options.InStockOnly && !WithinStock(*design.Brand, pieces, sequence)))
                            continue;
                        const float residual = Residual(pieces, sequence, ends.End, ends.Start);
                        if (residual <= options.Tolerance.GapMillimetres)
                            found.emplace(std::move(sequence), residual);
                    }
                }
    }
    std::vector<std::pair<std::vector<int>, float>> ranked(found.begin(), found.end());
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
        if (a.first.size() != b.first.size())
            return a.first.size() < b.first.size();
        return a.second < b.second;
    });
    std::vector<Proposal> proposals;
    for (const auto& [sequence, residual] : ranked) {
        if (static_cast<int>(proposals.size()) >= options.Best)
            break;
        Proposal proposal;
        for (int i : sequence)
            proposal.Pieces.push_back(pieces[i]);
        proposal.ResidualMillimetres = residual;
        proposals.push_back(std::move(proposal));
    }
    return proposals;
}

bool ApplyProposal(T_TRACK& track, const Proposal& proposal) {
    const int room = MAX_TRACK_PARTS - (track.HoldsOnlyEmptyPart() ? 0 : track.PartCount);
    if (static_cast<int>(proposal.Pieces.size()) > room)
        return false;
    for (const ClosingPiece& piece : proposal.Pieces)
        track.InsertCopyAfter(nullptr, T_PART{0, piece.Status, piece.Def});
    return true;
}
