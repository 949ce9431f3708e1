#pragma once

class A_APPL;

// The room commands: the question about a changed room, open, save, save as.
bool AskSaveRoom(A_APPL& appl);
// "&New room wizard": a new room with the outline the wizard was told.
void NewRoomCommand(A_APPL& appl);
void OpenRoomCommand(A_APPL& appl);
// False when the room was not written (cancelled, or the file could not be).
bool SaveRoomCommand(A_APPL& appl);
bool SaveAsRoomCommand(A_APPL& appl);
// Reads the room named by the room's file name into the room canvas.
void LoadRoomFile(A_APPL& appl);
// Centres and zooms the room canvas on the room, at once on the Room page,
// else when that page shows next.
void FitRoomView(A_APPL& appl);
