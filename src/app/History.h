#pragma once
#include "Changes.h"

class A_APPL;
struct T_DESIGN;
struct T_TRACK;

// The undo history of the design canvas, with the Undo and Redo commands'
// enabled state kept in step.
// Both announce the change: ResetUndo a whole new design, PushUndo what the
// edit says it changed.
void ResetUndo(A_APPL& appl);
void PushUndo(A_APPL& appl, const Change& change);
// An edit of one track; a grouped track turns its group, so: several.
Change TrackChange(const T_DESIGN& design, const T_TRACK* track);
// "&Undo design" and "&Redo design": a step back or forward, then a repaint.
void UndoCommand(A_APPL& appl);
void RedoCommand(A_APPL& appl);
