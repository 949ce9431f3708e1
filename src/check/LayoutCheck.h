#pragma once
#include "geometry/Placement.h"

#include <string>
#include <vector>

// What a racer wants to know before buying track: does every loop close,
// do tracks meet where they could be joined, how long are the lanes, does
// anything run into something else at the same height, what is missing.
// Everything is computed on the placement the canvas draws, at scale 1.

struct CheckTolerance {
    float GapMillimetres = 1.0f;
    QuarterDegrees Heading = 0;
};

struct TrackFinding {
    int Slot = 0;
    int Number = 0;     // 1, 2, ... in slot order, as the track list numbers them
    bool Empty = false; // holds only the empty part
    bool Closed = false;
    float GapMillimetres = 0.0f; // from the end of the last part to the start of part 0
    // Where the end lies seen from the start of part 0, driving on: beyond it
    // (positive along: the track is too long) or short of it, and to the left
    // (positive across) or right.
    float AlongMillimetres = 0.0f;
    float AcrossMillimetres = 0.0f;
    float HeadingDegrees = 0.0f;
    float Lane1 = 0.0f; // cm
    float Lane2 = 0.0f;
    float LaneDifference() const { return Lane2 - Lane1; }
    float LaneDifferencePercent() const;
};

// Two open ends of different tracks that nearly meet: Join Track candidates.
struct JoinCandidate {
    int SlotA = 0;
    bool EndOfA = true; // else the start of A
    int SlotB = 0;
    bool EndOfB = false;
    float GapMillimetres = 0.0f;
};

struct PartRef {
    int Slot = 0;
    int Index = 0;
};

struct Overlap {
    PartRef A;
    PartRef B;
    float AreaSquareCm = 0.0f;
};

struct MissingPart {
    std::string Code;
    int64_t Missing = 0;
};

struct CheckResult {
    std::vector<TrackFinding> Tracks;
    std::vector<JoinCandidate> Joins;
    std::vector<Overlap> Overlaps;
    std::vector<MissingPart> Shopping;
    // Nothing to report: every track closed, no overlap, nothing missing.
    bool Clean() const;
    // The number of the track in slot, 0 for none.
    int NumberOf(int slot) const;
};

// Parts are numbered from 1 wherever a person reads them, as tracks are.
inline int PartNumber(int index) {
    return index + 1;
}

// Where a track ends: the pose after its last part, and the start of part 0.
struct TrackEnds {
    Pose Start;
    Pose End;
};
TrackEnds EndsOf(T_TRACK& track);
// Distance in millimetres and heading difference in quarter degrees (0..720).
float GapMillimetres(const Pose& a, const Pose& b);
// How a gap reads to a person: "350.0 mm past the start", "12.0 mm short of
// the start and 3.0 mm to its left".
std::string GapDirection(const TrackFinding& finding);
QuarterDegrees HeadingDifference(QuarterDegrees a, QuarterDegrees b);

CheckResult CheckDesign(T_DESIGN& design, const CheckTolerance& tolerance = {});
// Whether the track's end meets its start within the tolerance, as the
// check finds it (without the rest of the check).
bool TrackCloses(T_TRACK& track, const CheckTolerance& tolerance = {});

// Overlaps only: pairs of parts at one height whose surfaces cover more than
// minimumArea square centimetres of each other (chain neighbours and the two
// roads of a crossing excepted).
std::vector<Overlap> FindOverlaps(T_DESIGN& design, float minimumArea = 1.0f);
