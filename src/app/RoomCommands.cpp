#include "RoomCommands.h"

#include "Appl.h"
#include "DesignCommands.h"
#include "Recovery.h"
#include "base/UiText.h"

namespace {

FileDialogRequest RoomDialog(const A_APPL& appl, const char* title) {
    return {title, Texts::Mark("Room Template|*.rm3|All Files|*.*"), "rm3", appl.LastUsedPath, ""};
}

bool Save(A_APPL& appl) {
    if (SaveRoom(appl.Room, appl.Room.Offset)) {
        KeepRecoveryCopies(appl); // saved: its recovery copy goes
        return true;
    }
    ShowAppError(appl,
                 Texts::Fill(Texts::Mark("Cannot write file %1 !"), {appl.Room.RoomFileName}));
    return false;
}

// The room takes the chosen name and its folder only once it is written.
bool SaveUnder(A_APPL& appl, const std::string& name) {
    if (name.empty())
        return false;
    const std::string previous = appl.Room.RoomFileName;
    appl.Room.RoomFileName = name;
    if (!Save(appl)) {
        appl.Room.RoomFileName = previous;
        return false;
    }
    appl.LastUsedPath = FolderOf(name);
    return true;
}

std::string AskRoomName(A_APPL& appl) {
    FileDialogRequest dialog = RoomDialog(appl, Texts::Mark("Save Room Template"));
    dialog.FileName = ProposedName(appl, appl.Room.RoomFileName, "rm3");
    return appl.Dialogs().SaveFile(dialog);
}

} // namespace

void FitRoomView(A_APPL& appl) {
    if (appl.CurrentPanel() != &appl.Room) {
        appl.Room.FitPending = true; // the page's size is known once it shows
        return;
    }
    if (FitRoomInView(appl.Canvases) && appl.Window)
        appl.Window->ShowPanelZoom(CanvasId::Room, appl.Room.Zoom);
}

bool AskSaveRoom(A_APPL& appl) {
    if (!appl.Room.Layer.Changed)
        return true;
    const DialogAnswer answer = appl.Dialogs().YesNoCancel(Texts::Fill(
        Texts::Mark("Room changed - Do you want to save room %1 ?"), {appl.Room.RoomFileName}));
    if (answer == DialogAnswer::Cancel)
        return false;
    // A save that was cancelled or failed keeps the room: as Cancel.
    return answer == DialogAnswer::No || SaveRoomCommand(appl);
}

void LoadRoomFile(A_APPL& appl) {
    LoadRoom(appl.Room, appl.Room.Offset);
    appl.Room.View.Angle = 0;
}

void OpenRoomCommand(A_APPL& appl) {
    if (!AskSaveRoom(appl))
        return;
    const std::string name =
        appl.Dialogs().OpenFile(RoomDialog(appl, Texts::Mark("Open Room Template")));
    if (name.empty())
        return;
    appl.LastUsedPath = FolderOf(name);
    appl.Room.RoomFileName = name;
    LoadRoomFile(appl);
    SetEditMode(appl, EditMode::Select);
    appl.Room.DeselectShape();
    RepaintPanel(appl.Canvases);
    FitRoomView(appl);
}

bool SaveRoomCommand(A_APPL& appl) {
    return appl.Room.RoomFileName == UNTITLED_ROOM ? SaveUnder(appl, AskRoomName(appl))
                                                   : Save(appl);
}

bool SaveAsRoomCommand(A_APPL& appl) {
    return SaveUnder(appl, AskRoomName(appl));
}

void NewRoomCommand(A_APPL& appl) {
    RoomOutlineRequest request;
    if (!appl.Dialogs().NewRoomWizard(request, appl.Metric))
        return;
    // A changed room is not thrown away unasked.
    if (!AskSaveRoom(appl))
        return;
    appl.Room.Reset();
    appl.Room.DeselectShape();
    AddRoomOutline(appl.Room.Layer, request, appl.Metric);
    RepaintPanel(appl.Canvases);
    FitRoomView(appl);
}
