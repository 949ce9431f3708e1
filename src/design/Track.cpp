#include "Design.h"

#include <algorithm>

void T_TRACK::Initialise(L_PARTDEF* emptyDef) {
    InUse = false;
    Modified = false;
    Angle = 0;
    X = Y = 0.0f;
    Group = false;
    Lane1Total = Lane2Total = 0.0f;
    LeftCount = RightCount = 0;
    Anchor = 0;
    EmptyDef = emptyDef;
    PartCount = 1;
    Parts[0] = T_PART{0, 0, emptyDef};
}

int T_TRACK::FindPart(const T_PART* part) const {
    for (int i = 0; i < PartCount; ++i)
        if (&Parts[i] == part)
            return i;
    return -1;
}

namespace {

// Opens a slot at index by moving the parts from there one place up.
T_PART* OpenSlot(T_TRACK& track, int index) {
    std::move_backward(track.Parts.begin() + index, track.Parts.begin() + track.PartCount,
                       track.Parts.begin() + track.PartCount + 1);
    ++track.PartCount;
    track.Modified = true;
    track.Parts[index] = T_PART{0, 0, track.EmptyDef};
    return &track.Parts[index];
}

} // namespace

T_PART* T_TRACK::InsertAfter(const T_PART* given) {
    if (PartCount >= MAX_TRACK_PARTS)
        return nullptr;
    if (HoldsOnlyEmptyPart())
        PartCount = Anchor = 0;
    if (!given || PartCount == 0)
        return OpenSlot(*this, PartCount);
    const int k = FindPart(given);
    if (k < 0)
        return nullptr;
    if (k < Anchor)
        ++Anchor;
    return OpenSlot(*this, k + 1);
}

T_PART* T_TRACK::InsertBefore(const T_PART* given) {
    if (PartCount >= MAX_TRACK_PARTS)
        return nullptr;
    if (HoldsOnlyEmptyPart())
        PartCount = Anchor = 0;
    if (!given || PartCount == 0) {
        if (PartCount > 0)
            ++Anchor;
        return OpenSlot(*this, 0);
    }
    const int k = FindPart(given);
    if (k < 0)
        return nullptr;
    if (k <= Anchor)
        ++Anchor;
    return OpenSlot(*this, k);
}

T_PART* T_TRACK::InsertCopyAfter(const T_PART* given, const T_PART& source) {
    const T_PART copy = source; // source may move when the slot opens
    T_PART* slot = InsertAfter(given);
    if (slot)
        *slot = copy;
    return slot;
}

T_PART* T_TRACK::InsertCopyBefore(const T_PART* given, const T_PART& source) {
    const T_PART copy = source;
    T_PART* slot = InsertBefore(given);
    if (slot)
        *slot = copy;
    return slot;
}

bool T_TRACK::DeleteRange(int first, int last) {
    // Indices outside the track would move parts that do not exist.
    if (first < 0 || last < first || last >= PartCount)
        return false;
    const int n = last - first + 1;
    std::move(Parts.begin() + last + 1, Parts.begin() + PartCount, Parts.begin() + first);
    PartCount -= n;
    if (Anchor > last)
        Anchor -= n;
    else if (Anchor >= first)
        Anchor = std::max(first - 1, 0);
    Modified = true;
    if (PartCount == 0) {
        PartCount = 1;
        Anchor = 0;
        Parts[0] = T_PART{0, 0, EmptyDef};
    }
    return true;
}

bool T_TRACK::ChangeHeight(int first, int last, int step) {
    if (first < 0 || last < 0)
        return false;
    for (int i = first; i <= last && i < PartCount; ++i)
        Parts[i].Height = static_cast<int8_t>(static_cast<uint8_t>(Parts[i].Height + step));
    Modified = true;
    return true;
}

void MirrorPart(T_PART& part) {
    // A part with both bits becomes right-only.
    if (part.Status & PS_LEFT)
        part.Status = static_cast<uint8_t>((part.Status & ~PS_LEFT) | PS_RIGHT);
    else if (part.Status & PS_RIGHT)
        part.Status = static_cast<uint8_t>((part.Status & ~PS_RIGHT) | PS_LEFT);
}
