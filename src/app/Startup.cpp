#include "Startup.h"

#include "Appl.h"
#include "Caption.h"
#include "DesignCommands.h"
#include "History.h"
#include "RoomCommands.h"
#include "base/UiText.h"
#include "defs/DefinitionsFile.h"
#include "defs/StockFile.h"

bool LoadLibraryOrExplain(A_APPL& appl) {
    LoadDefinitions(appl.Library, appl.ProgramDir);
    LoadStock(appl.Library, appl.ProgramDir);
    if (appl.Library.Count > 0)
        return true;
    ShowAppError(appl, Texts::Fill(Texts::Mark("Cannot load track definition file '%1' ! "),
                                   {appl.ProgramDir + DEFINITIONS_FILE_NAME}) +
                           "\n\n" + Texts::Mark("EXIT VIRELDO!"));
    return false;
}

void StartFirstDesign(A_APPL& appl) {
    C_VIRELDO& design = appl.Design;
    design.SelectedTrack = design.Design.AllocateTrack();
    design.SelectionFirst = design.SelectionLast = 0;
    design.Design.SetDesignBrand(appl.Library.Brands[0]);
    if (L_BRAND* stored = appl.Library.FindBrand(appl.StoredBrand))
        design.Design.SetDesignBrand(stored);
    appl.Changes.Announce({ChangeKind::Palette});
    appl.Define.DefinitionsChanged = false;
    design.Design.SetModified(false);
}

void OpenStartupDesign(A_APPL& appl) {
    const std::string fileName = appl.Design.Design.FileName;
    if (fileName != UNTITLED_DESIGN)
        OpenDesign(appl, fileName);
    else
        SetDesignTitle(appl, UNTITLED_DESIGN);
    appl.Design.Design.SetModified(false);
    SetEditMode(appl, EditMode::Select);
    ResetUndo(appl);
    UpdateEditButtons(appl);
}

void OpenStoredRoom(A_APPL& appl) {
    if (appl.StoredRoom.empty() || appl.StoredRoom == UNTITLED_ROOM)
        return;
    appl.Room.RoomFileName = appl.StoredRoom;
    LoadRoomFile(appl);
}
