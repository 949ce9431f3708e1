#pragma once
#include "base/ViewOffset.h"
#include "freehand/Freehand.h"

#include <string>

class TextWriter;

inline const char* const UNTITLED_ROOM = "untitled.rm3";

// The outline of the room that holds the layout: a freehand layer and the
// file it lives in. The room counts as changed exactly when its layer does.
struct T_ROOM {
    std::string RoomFileName = UNTITLED_ROOM;
    F_FREEHAND Layer;
};

// No shapes, unnamed. (The room view's angle belongs to the canvas.)
void ResetRoom(T_ROOM& room);
// Reads RoomFileName; a file that cannot be opened leaves an empty room.
void LoadRoom(T_ROOM& room, ViewOffset& offset);
// Writes RoomFileName; false (and the room stays changed) when it cannot.
bool SaveRoom(T_ROOM& room, const ViewOffset& offset);
void WriteRoom(T_ROOM& room, const ViewOffset& offset, TextWriter& out);
