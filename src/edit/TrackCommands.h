#pragma once
#include "app/Appl.h"

// The commands of the track toolbar and the Edit menu on the selected track
// and its selected range. With no track selected they do nothing.
void DeleteSectionsCommand(A_APPL& appl);
void AnchorSectionCommand(A_APPL& appl);
void RaiseTrackCommand(A_APPL& appl);
void LowerTrackCommand(A_APPL& appl);
void MirrorTrackCommand(A_APPL& appl);
// North, South, West, East: the track (and its group) turns to the angle.
constexpr QuarterDegrees SOUTH = 0;
constexpr QuarterDegrees WEST = 360;
constexpr QuarterDegrees NORTH = 720;
constexpr QuarterDegrees EAST = 1080;
void QuickRotateCommand(A_APPL& appl, QuarterDegrees angle);
void DeleteTrackCommand(A_APPL& appl);
// Copy Track, Split Track and Rotate enter their mode only with a selected track.
void EnterTrackMode(A_APPL& appl, EditMode mode);

// The selected range within the parts that exist; false when it holds none.
bool SelectedRange(const C_VIRELDO& design, int& first, int& last);
