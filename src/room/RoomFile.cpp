#include "Room.h"

#include "base/TextReader.h"
#include "base/TextWriter.h"

void ResetRoom(T_ROOM& room) {
    room.Layer.ClearLayer();
    room.RoomFileName = UNTITLED_ROOM;
}

void LoadRoom(T_ROOM& room, ViewOffset& offset) {
    const std::string fileName = room.RoomFileName;
    ResetRoom(room);
    room.RoomFileName = fileName;
    TextReader in(fileName);
    if (!in.IsOpen())
        return;
    offset.X = static_cast<float>(in.ReadFloat());
    offset.Y = static_cast<float>(in.ReadFloat());
    if (in.ReadInt() != 0)
        room.Layer.ReadFreehandSection(in);
}

void WriteRoom(T_ROOM& room, const ViewOffset& offset, TextWriter& out) {
    out.Line("# VIRELDO Room File");
    out.Line("#");
    out.Line("# Xoffset");
    out.Float(offset.X);
    out.Line("# Yoffset");
    out.Float(offset.Y);
    if (room.Layer.ShapeCount > 0) {
        out.Line("# FREEHAND ROOM");
        out.Int(1);
        room.Layer.WriteFreehandSection(out);
    } else {
        out.Line("# NO FREEHAND ROOM");
        out.Int(0);
    }
}

bool SaveRoom(T_ROOM& room, const ViewOffset& offset) {
    const bool changed = room.Layer.Changed;
    TextWriter out;
    WriteRoom(room, offset, out);
    if (!out.Commit(room.RoomFileName)) {
        room.Layer.Changed = changed;
        return false;
    }
    room.Layer.Changed = false;
    return true;
}
