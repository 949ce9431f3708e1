#pragma once
#include "AppWindow.h"

#include <string>
#include <vector>

class A_APPL;

// The global editing mode; its numbers are fixed.
enum class EditMode : int {
    Select = 1,
    MoveStart = 2,
    Move = 3,
    DragTrack = 4,
    InsertTrack = 5,
    DragPart = 6,
    RotateStart = 7,
    Rotate = 8,
    CopyTrack = 9,
    SplitTrack = 10,
    JoinTrackStart = 11,
    JoinTrack = 12,
    Popup = 13,
    StartMovePoint = 20,
    MovePoint = 21,
    DragShape = 23,
    StartPolyline = 24,
    StartPolygon = 25,
    NextPoint = 26,
    Text = 27,
    StartRectangle = 28,
    Rectangle = 29,
    StartRectangleFill = 30,
    RectangleFill = 31,
    StartMeasurement = 32,
    Measurement = 33,
};

// Status-bar panels of a canvas window.
constexpr int STATUS_MODE = 0;
constexpr int STATUS_POSITION = 1;
constexpr int STATUS_DISTANCE = 2;
constexpr int STATUS_HINT = 3;

// Enters a mode: its caption and hint in the status bar, its pointer shapes.
void SetEditMode(A_APPL& appl, EditMode mode);
// The status bar's caption of every mode, in English.
std::vector<const char*> ModeCaptions();
// Enables the track buttons while a track is selected, the shape buttons
// while the current panel has a selected shape.
void UpdateEditButtons(A_APPL& appl);
// The message box of every refusal and error: "Vireldo", one OK button.
void ShowAppMessage(A_APPL& appl, const std::string& text);
// The same for a failure (a file that could not be read or written).
void ShowAppError(A_APPL& appl, const std::string& text);
