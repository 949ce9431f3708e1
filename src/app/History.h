#pragma once

class A_APPL;

// The undo history of the design canvas, with the Undo and Redo commands'
// enabled state kept in step.
void ResetUndo(A_APPL& appl);
void PushUndo(A_APPL& appl);
// "&Undo design" and "&Redo design": a step back or forward, then a repaint.
void UndoCommand(A_APPL& appl);
void RedoCommand(A_APPL& appl);
