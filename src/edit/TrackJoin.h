#pragma once
#include "app/Appl.h"

// Joining tracks: a track grabbed at its first or last part is dragged onto
// the first or last part of another track and joins it there.
void PressJoinSource(A_APPL& appl, int x, int y);
void StartJoinDrag(A_APPL& appl);
// JoinTrackStart: the end of a track that could be grabbed shows red.
void HighlightJoinSource(A_APPL& appl, int x, int y);
// JoinTrack: the source follows; every free end shows red, the one under the
// pointer blue.
void MoveJoinSource(A_APPL& appl, int x, int y);
void DropJoinSource(A_APPL& appl, int x, int y);
