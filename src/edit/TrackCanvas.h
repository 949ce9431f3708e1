#pragma once
#include "Pointer.h"

// The pointer handlers of the design canvas: they read the editing mode and
// change the design through its operations.
void TrackCanvasMouseDown(A_APPL& appl, const PointerEvent& event);
void TrackCanvasMouseUp(A_APPL& appl, const PointerEvent& event);
void TrackCanvasMouseMove(A_APPL& appl, const PointerEvent& event);

// Escape: back to Select; a dragged or turned track, the view and a palette
// drag go back to where they were, and nothing is recorded.
void CancelEditing(A_APPL& appl);

// The track that moves when track drags: a grouped track moves its group.
T_TRACK* TrackToMove(A_APPL& appl, T_TRACK* track);
// The lengths of the "Info" window: "%-1.2f m", or feet without Metric.
std::string LaneLengthText(float centimetres, bool metric);
// The angle that rotating gives with the pointer at height y.
QuarterDegrees RotationAngle(const P_PANEL& panel, const T_TRACK& track, int y);
