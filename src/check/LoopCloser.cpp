#include "LoopCloser.h"

#include "base/Saturate.h"
#include "defs/SharedPiece.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <tuple>
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

// Removed parts give their pieces back to the stock they draw on.
bool WithinStock(const L_BRAND& brand, const std::vector<ClosingPiece>& pieces,
                 const std::vector<int>& sequence, const std::vector<ClosingPiece>& removed) {
    std::map<const L_PARTDEF*, int64_t> uses;
    for (const ClosingPiece& piece : removed)
        --uses[piece.Def];
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

struct Candidate {
    size_t Removed = 0; // how many of the track's last parts go
    std::vector<int> Added;
    float Residual = 0.0f;
};

// Every way of at most maxAdded pieces from `from` to `target`, met in the
// middle: half the pieces searched forward, half backward, joined where the
// poses agree. found(sequence) sees each sequence once.
template <typename Found>
void MeetInTheMiddle(const std::vector<ClosingPiece>& pieces, const Pose& from, const Pose& target,
                     int maxAdded, const CheckTolerance& tolerance, Found found) {
    const std::vector<HalfPath> forward = Paths(pieces, from, (maxAdded + 1) / 2, true);
    const std::vector<HalfPath> backward = Paths(pieces, target, maxAdded / 2, false);
    // The backward poses by cell, so each forward pose looks in nine cells only.
    const float cell = std::max(tolerance.GapMillimetres / 10.0f, 0.01f);
    std::unordered_multimap<CellKey, int, CellHash> index;
    for (int b = 0; b < static_cast<int>(backward.size()); ++b)
        index.emplace(KeyOf(backward[b].At, cell), b);
    std::set<std::vector<int>> seen;
    for (const HalfPath& f : forward) {
        const CellKey key = KeyOf(f.At, cell);
        for (QuarterDegrees turn = -tolerance.Heading; turn <= tolerance.Heading; ++turn)
            for (long long dx = -1; dx <= 1; ++dx)
                for (long long dy = -1; dy <= 1; ++dy) {
                    const CellKey near{NormalizeAngle(key.Angle + turn), key.X + dx, key.Y + dy};
                    const auto [first, last] = index.equal_range(near);
                    for (auto it = first; it != last; ++it) {
                        const HalfPath& b = backward[it->second];
                        std::vector<int> sequence = f.Pieces;
                        sequence.insert(sequence.end(), b.Pieces.begin(), b.Pieces.end());
                        if (static_cast<int>(sequence.size()) <= maxAdded &&
                            seen.insert(sequence).second)
                            found(sequence);
                    }
                }
    }
}

bool SamePiece(const ClosingPiece& a, const ClosingPiece& b) {
    return a.Def == b.Def && a.Status == b.Status;
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
    if (GapMillimetres(ends.End, ends.Start) <= options.Tolerance.GapMillimetres &&
        HeadingDifference(ends.End.Angle, ends.Start.Angle) <= options.Tolerance.Heading)
        return {};
    if (options.InStockOnly) {
        for (int i = 0; i < design.Brand->PartCount; ++i)
            design.Brand->Parts[i].Used = 0;
        design.CountUses();
    }
    const std::vector<ClosingPiece> pieces = PiecesOf(*design.Brand);
    // The track's parts from its end backward, with the pose each starts at:
    // where the track ends once it and those after it are taken off.
    const int removable =
        std::clamp(std::min(options.MaxParts, track.PartCount - 1), 0, options.MaxParts);
    std::vector<ClosingPiece> tail;
    std::vector<Pose> endWithout{ends.End};
    {
        const T_PLACEMENT& placed = PlaceTrackAlone(track);
        for (int k = 1; k <= removable; ++k) {
            const T_PLACED& part = placed.Entries[track.PartCount - k];
            tail.insert(tail.begin(), ClosingPiece{part.Part->Def, part.Part->Status});
            endWithout.push_back(part.StartPose());
        }
    }
    std::vector<Candidate> candidates;
    for (int k = 0; k <= removable; ++k) {
        const std::vector<ClosingPiece> removed(tail.end() - k, tail.end());
        MeetInTheMiddle(
            pieces, endWithout[k], ends.Start, options.MaxParts - k, options.Tolerance,
            [&](const std::vector<int>& added) {
                // Nothing at all, or putting back the last part taken
                // off, is taking off one part fewer.
                if ((added.empty() && k == 0) ||
                    (k > 0 && !added.empty() && SamePiece(pieces[added.front()], removed.front())))
                    return;
                if (options.InStockOnly && !WithinStock(*design.Brand, pieces, added, removed))
                    return;
                const float residual = Residual(pieces, added, endWithout[k], ends.Start);
                if (residual <= options.Tolerance.GapMillimetres)
                    candidates.push_back({static_cast<size_t>(k), added, residual});
            });
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        const size_t ca = a.Removed + a.Added.size(), cb = b.Removed + b.Added.size();
        if (ca != cb)
            return ca < cb;
        if (a.Residual != b.Residual)
            return a.Residual < b.Residual;
        // Ties in the brand's order, whichever half met them.
        return std::tie(a.Removed, a.Added) < std::tie(b.Removed, b.Added);
    });
    std::vector<Proposal> proposals;
    for (const Candidate& c : candidates) {
        if (static_cast<int>(proposals.size()) >= options.Best)
            break;
        Proposal proposal;
        proposal.Removed.assign(tail.end() - c.Removed, tail.end());
        for (int i : c.Added)
            proposal.Pieces.push_back(pieces[i]);
        proposal.ResidualMillimetres = c.Residual;
        proposals.push_back(std::move(proposal));
    }
    return proposals;
}

std::vector<std::vector<ClosingPiece>> PathsBetween(const std::vector<ClosingPiece>& pieces,
                                                    const Pose& from, const Pose& to, int maxParts,
                                                    const CheckTolerance& tolerance) {
    std::vector<std::vector<int>> found;
    MeetInTheMiddle(pieces, from, to, maxParts, tolerance, [&](const std::vector<int>& sequence) {
        if (!sequence.empty() && Residual(pieces, sequence, from, to) <= tolerance.GapMillimetres)
            found.push_back(sequence);
    });
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    std::vector<std::vector<ClosingPiece>> paths;
    for (const std::vector<int>& sequence : found) {
        std::vector<ClosingPiece>& path = paths.emplace_back();
        for (int i : sequence)
            path.push_back(pieces[i]);
    }
    return paths;
}

bool ApplyProposal(T_TRACK& track, const Proposal& proposal) {
    const int removed = static_cast<int>(proposal.Removed.size());
    if (removed >= track.PartCount)
        return false;
    const int kept = track.HoldsOnlyEmptyPart() ? 0 : track.PartCount - removed;
    if (static_cast<int>(proposal.Pieces.size()) > MAX_TRACK_PARTS - kept)
        return false;
    if (removed > 0) {
        const std::unique_ptr<T_PLACEMENT> scratch = NewPlacement();
        DeleteRangeInPlace(track, track.PartCount - removed, track.PartCount - 1, *scratch);
    }
    for (const ClosingPiece& piece : proposal.Pieces)
        track.InsertCopyAfter(nullptr, T_PART{0, piece.Status, piece.Def});
    return true;
}
