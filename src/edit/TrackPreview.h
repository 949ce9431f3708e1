#pragma once
#include "app/Appl.h"

// Before the click of Insert Track, Copy Track and Split Track, the new track
// shows in yellow at the pointer, where the click would put it: the empty
// track's arrow, the copy of the selection, or the part split off. Drawn on
// the window only; a copy of the bitmap takes it away.
void ShowNewTrackPreview(A_APPL& appl, int x, int y);
void EraseNewTrackPreview(A_APPL& appl);
