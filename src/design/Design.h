#pragma once
#include "base/AngleTable.h"
#include "defs/Definitions.h"

#include <array>
#include <cstdint>
#include <string>

constexpr int MAX_TRACKS = 32;
constexpr int MAX_TRACK_PARTS = 2000;

// T_PART Status bits.
constexpr uint8_t PS_LEFT = 1;
constexpr uint8_t PS_RIGHT = 2;
constexpr uint8_t PS_INNER_BORDER = 4;
constexpr uint8_t PS_OUTER_BORDER = 8;

struct T_PART {
    int8_t Height = 0;
    uint8_t Status = 0;
    L_PARTDEF* Def = nullptr;
};

// One track slot: the world pose of its anchor part and its chain of parts.
struct T_TRACK {
    bool InUse = false;
    bool Modified = false;
    QuarterDegrees Angle = 0;
    float X = 0.0f;
    float Y = 0.0f;
    bool Group = false;
    float Lane1Total = 0.0f;
    float Lane2Total = 0.0f;
    int32_t LeftCount = 0;
    int32_t RightCount = 0;
    int32_t Anchor = 0;
    int32_t PartCount = 1;
    // The definition that stands in a track without real parts.
    L_PARTDEF* EmptyDef = nullptr;
    std::array<T_PART, MAX_TRACK_PARTS> Parts{};

    // Not in use, at the origin, holding only the empty part.
    void Initialise(L_PARTDEF* emptyDef);
    bool HoldsOnlyEmptyPart() const { return PartCount == 1 && Parts[0].Def == EmptyDef; }
    int FindPart(const T_PART* part) const;
    // Slot for a new part after (before) the given part, or at the end (front)
    // when none is given; null when the track is full or the part is not in it.
    T_PART* InsertAfter(const T_PART* given);
    T_PART* InsertBefore(const T_PART* given);
    T_PART* InsertCopyAfter(const T_PART* given, const T_PART& source);
    T_PART* InsertCopyBefore(const T_PART* given, const T_PART& source);
    bool DeleteRange(int first, int last);
    bool ChangeHeight(int first, int last, int step);
};

// Exchanges a part's left and right curve bits.
void MirrorPart(T_PART& part);

// What each lane drives on a part. A lane swap part exchanges the lanes from
// itself on (swapped carries that along a track); a left curve drives lane 1
// on the second lane's length.
struct LaneTravel {
    float Lane1 = 0.0f;
    float Lane2 = 0.0f;
};
LaneTravel TravelOf(const T_PART& part, bool& swapped);

struct T_DESIGN {
    std::string FileName;
    std::array<T_TRACK, MAX_TRACKS> Tracks{};
    L_BRAND* Brand = nullptr;

    // emptyDef is the one empty part definition of the program.
    explicit T_DESIGN(L_PARTDEF* emptyDef);

    void ClearDesign();
    // The lowest free slot, reset and in use; null when all are in use.
    T_TRACK* AllocateTrack();
    bool FreeTrack(T_TRACK* track);
    T_TRACK* FindTrackOfPart(const T_PART* part);
    // Slot and index of a part of any slot, found from its address; false for
    // a part outside the design.
    bool LocatePart(const T_PART* part, int& slot, int& index) const;
    // The slot of one of the design's tracks; -1 for none.
    int SlotOf(const T_TRACK* track) const;
    bool IsModified() const;
    void SetModified(bool modified);
    int TrackCount() const;
    // 1, 2, ... among the tracks in use in slot order, as the track list
    // numbers them; 0 for a slot not in use.
    int TrackNumber(int slot) const;
    T_TRACK* FirstGroupTrack();
    // Turns a track; a grouped track turns the whole group, laid side by side.
    void SetTrackAngle(T_TRACK* track, QuarterDegrees angle);
    // Lane lengths and curve counts of every track in use; the selected track
    // counts only its selected parts unless whole tracks are asked for.
    void ComputeTrackStats(bool wholeTracks, const T_TRACK* selected, int first, int last);
    // Adds every placed part to its definition's Used count.
    void CountUses();
    // Makes brand the design's brand and shapes the empty part after it.
    void SetDesignBrand(L_BRAND* brand);
    L_PARTDEF* EmptyDef() const { return Tracks[0].EmptyDef; }
};

// Shapes the empty part definition after a brand: a square of its track width.
void SetUpEmptyPart(L_PARTDEF& emptyDef, const L_BRAND& brand);
