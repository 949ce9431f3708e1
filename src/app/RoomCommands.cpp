#include "RoomCommands.h"

#include "Appl.h"
#include "DesignCommands.h"

namespace {

FileDialogSpec RoomDialog(const A_APPL& appl, const char* title) {
    return {title, "Room Template|*.rm3|All Files|*.*", "rm3", appl.LastUsedPath, ""};
}

bool AskRoomName(A_APPL& appl) {
    const std::string name = appl.Dialogs().SaveFile(RoomDialog(appl, "Save Room Template"));
    if (name.empty())
        return false;
    appl.Room.RoomFileName = name;
    appl.LastUsedPath = FolderOf(name);
    return true;
}

} // namespace

bool AskSaveRoom(A_APPL& appl) {
    if (!appl.Room.Layer.Changed)
        return true;
    const DialogAnswer answer = appl.Dialogs().YesNoCancel(
        "Room changed - Do you want to save room " + appl.Room.RoomFileName + " ?");
    if (answer == DialogAnswer::Cancel)
        return false;
    if (answer == DialogAnswer::Yes)
        SaveRoomCommand(appl);
    return true;
}

void LoadRoomFile(A_APPL& appl) {
    LoadRoom(appl.Room, appl.Room.Offset);
    appl.Room.View.Angle = 0;
}

void OpenRoomCommand(A_APPL& appl) {
    if (!AskSaveRoom(appl))
        return;
    const std::string name = appl.Dialogs().OpenFile(RoomDialog(appl, "Open Room Template"));
    if (name.empty())
        return;
    appl.LastUsedPath = FolderOf(name);
    appl.Room.RoomFileName = name;
    LoadRoomFile(appl);
    SetEditMode(appl, EditMode::Select);
    appl.Room.SelectedShape = nullptr;
    appl.Room.SelectedPoint = -1;
    RepaintPanel(appl.Canvases);
}

void SaveRoomCommand(A_APPL& appl) {
    if (appl.Room.RoomFileName == UNTITLED_ROOM && !AskRoomName(appl))
        return;
    SaveRoom(appl.Room, appl.Room.Offset);
}

void SaveAsRoomCommand(A_APPL& appl) {
    if (AskRoomName(appl))
        SaveRoom(appl.Room, appl.Room.Offset);
}
