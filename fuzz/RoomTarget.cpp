#include "FuzzTargets.h"
#include "FuzzWorkspace.h"

#include "base/TextWriter.h"
#include "room/Room.h"

namespace {

std::string RoomText(C_ROOM& room) {
    TextWriter out;
    WriteRoom(room, room.Offset, out);
    return out.Content();
}

} // namespace

std::string FuzzRoomFile(const uint8_t* data, size_t size) {
    FuzzWorkspace& work = FuzzWorkspace::Get();
    C_ROOM& room = work.Canvases.Room;
    room.RoomFileName = work.Put("room.rm3", data, size);
    room.Offset = ViewOffset{};
    LoadRoom(room, room.Offset);
    work.DrawRoom();
    const std::string first = RoomText(room);
    room.RoomFileName = work.Put("written.rm3", first);
    LoadRoom(room, room.Offset);
    return CompareWrites(first, RoomText(room));
}
