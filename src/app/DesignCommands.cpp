#include "DesignCommands.h"

#include "Appl.h"
#include "Caption.h"
#include "History.h"
#include "Recovery.h"
#include "RoomCommands.h"
#include "ViewCommands.h"
#include "base/UiText.h"
#include "defs/DefinitionsFile.h"
#include "design/DesignFile.h"
#include "design/ImportTr2.h"
#include "generate/LayoutGenerator.h"

#include <algorithm>
#include <filesystem>

namespace {

FileDialogRequest DesignDialog(const A_APPL& appl, const char* title) {
    return {title, Texts::Mark("Tracks 2000|*.tr3|All Files|*.*"), "tr3", appl.LastUsedPath, ""};
}

// Save As proposes the design's own name.
FileDialogRequest SaveDesignDialog(const A_APPL& appl) {
    FileDialogRequest dialog = DesignDialog(appl, Texts::Mark("Save Track design"));
    dialog.FileName = ProposedName(appl, appl.Design.Design.FileName, "tr3");
    return dialog;
}

// A design that never was saved has this name and no other mark.
bool Unnamed(const A_APPL& appl) {
    return appl.Design.Design.FileName == UNTITLED_DESIGN;
}

void ClearSelections(A_APPL& appl) {
    appl.Edit.DropGesture();
    appl.Design.SelectedTrack = nullptr;
    appl.Design.DeselectShape();
}

// The lanes of the wizard as tracks: one, or lanes / 2 grouped side by side.
void MakeTracks(A_APPL& appl, int lanes) {
    T_DESIGN& design = appl.Design.Design;
    const int tracks = std::max(lanes / 2, 1);
    for (int k = 0; k < tracks; ++k) {
        T_TRACK* track = design.AllocateTrack();
        if (k == 0)
            appl.Design.SelectedTrack = track;
        if (tracks > 1) {
            track->Group = true;
            track->X = k * design.Brand->DefaultWidth;
        }
    }
}

bool Save(A_APPL& appl) {
    const std::string message =
        SaveDesign(appl.Design.Design, appl.Design.Offset, appl.Design.Freehand);
    if (!message.empty())
        ShowAppError(appl, message);
    else
        KeepRecoveryCopies(appl); // saved: its recovery copy goes
    ShowDesignCaption(appl);
    return message.empty();
}

// Saves under a name the user chose; the design takes the name, the recent
// list and the folder only once the file is written.
bool SaveUnder(A_APPL& appl, const std::string& name) {
    if (name.empty())
        return false;
    T_DESIGN& design = appl.Design.Design;
    const std::string previous = design.FileName;
    design.FileName = name;
    if (!Save(appl)) {
        design.FileName = previous;
        return false;
    }
    SetDesignTitle(appl, name);
    AddRecentFile(appl, name);
    appl.LastUsedPath = FolderOf(name);
    appl.SaveAsksName = false;
    return true;
}

std::string AskSaveName(A_APPL& appl) {
    return appl.Dialogs().SaveFile(SaveDesignDialog(appl));
}

// What follows reading another design into the canvas: Select mode, no
// selections, the buttons, the canvases and an empty history.
void DesignReplaced(A_APPL& appl) {
    appl.SaveAsksName = false;
    SetEditMode(appl, EditMode::Select);
    ClearSelections(appl);
    UpdateEditButtons(appl);
    RepaintPanel(appl.Canvases);
    ResetUndo(appl);
}

} // namespace

std::string FolderOf(const std::string& fileName) {
    std::string folder = std::filesystem::path(fileName).parent_path().string();
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::string ProposedName(const A_APPL& appl, const std::string& fileName,
                         const std::string& suffix) {
    const std::filesystem::path path(fileName);
    const std::string folder = path.has_parent_path() ? FolderOf(fileName) : appl.LastUsedPath;
    return folder + path.stem().string() + "." + suffix;
}

void SetDesignTitle(A_APPL& appl, const std::string& fileName) {
    appl.Design.Design.FileName = fileName;
    ShowDesignCaption(appl);
}

void ShowDesignCaption(A_APPL& appl) {
    const T_DESIGN& design = appl.Design.Design;
    if (appl.Window)
        appl.Window->SetCaption(DesignCaption(
            design.FileName, design.Brand ? design.Brand->Name : "", design.IsModified()));
}

void AddRecentFile(A_APPL& appl, const std::string& fileName) {
    auto& files = appl.RecentFiles;
    if (std::find(files.begin(), files.end(), fileName) != files.end())
        return;
    std::move_backward(files.begin(), files.end() - 1, files.end());
    files[0] = fileName;
    RefreshRecentMenu(appl);
}

void RefreshRecentMenu(A_APPL& appl) {
    if (appl.Window)
        appl.Window->ShowRecentFiles(appl.RecentFiles);
}

bool AskSaveDesign(A_APPL& appl) {
    if (!appl.Design.Design.IsModified())
        return true;
    const DialogAnswer answer = appl.Dialogs().YesNoCancel(
        Texts::Fill(Texts::Mark("Design changed - Do you want to save design %1 ?"),
                    {appl.Design.Design.FileName}));
    if (answer == DialogAnswer::Cancel)
        return false;
    // A save that was cancelled or failed keeps the design: as Cancel.
    return answer == DialogAnswer::No || SaveCommand(appl);
}

void NewDesignWizardCommand(A_APPL& appl) {
    if (!AskSaveDesign(appl))
        return;
    NewDesignRequest request;
    const L_BRAND* current = appl.Design.Design.Brand;
    for (int i = 0; i < appl.Library.Count; ++i) {
        request.Brands.push_back(appl.Library.Brands[i]->Description);
        if (current && appl.Library.Brands[i]->Name == current->Name)
            request.Selected = i; // the last brand of that name
    }
    request.OpenAtStartup = appl.WizardStartup;
    const NewDesignAnswer answer = appl.Dialogs().NewDesignWizard(request);
    appl.WizardStartup = answer.OpenAtStartup;
    if (!answer.Ok || answer.Brand < 0 || answer.Brand >= appl.Library.Count)
        return;
    appl.Design.Design.ClearDesign();
    appl.Design.Freehand.ClearLayer();
    appl.Design.Design.SetDesignBrand(appl.Library.Brands[answer.Brand]);
    appl.Changes.Announce({ChangeKind::Palette});
    MakeTracks(appl, answer.Lanes);
    SetEditMode(appl, EditMode::Select);
    SetDesignTitle(appl, UNTITLED_DESIGN);
    appl.Design.Design.SetModified(false);
    appl.Design.DeselectShape();
    RepaintPanel(appl.Canvases);
    ResetUndo(appl);
    UpdateEditButtons(appl);
}

void OpenDesign(A_APPL& appl, const std::string& fileName) {
    if (!AskSaveDesign(appl))
        return;
    std::string name = fileName;
    if (name.empty())
        name = appl.Dialogs().OpenFile(DesignDialog(appl, Texts::Mark("Open Vireldo Design")));
    if (name.empty())
        return;
    AddRecentFile(appl, name);
    SetDesignTitle(appl, name);
    C_VIRELDO& design = appl.Design;
    bool whole = false;
    const std::string message =
        LoadDesign(design.Design, appl.Library, design.Offset, design.Freehand, &whole);
    if (!message.empty())
        whole ? ShowAppMessage(appl, message) : ShowAppError(appl, message);
    if (design.Design.Brand)
        design.Design.SetDesignBrand(design.Design.Brand);
    appl.Changes.Announce({ChangeKind::Palette});
    // What could not be read whole must not be saved over its file unasked.
    SetDesignTitle(appl, whole ? name : UNTITLED_DESIGN);
    if (whole)
        appl.LastUsedPath = FolderOf(name);
    RefreshRecentMenu(appl);
    DesignReplaced(appl);
}

bool OpenSuggestedLayout(A_APPL& appl, const SuggestedLayout& layout) {
    L_BRAND* brand = appl.Design.Design.Brand;
    if (!brand || !AskSaveDesign(appl))
        return false;
    appl.Design.Freehand.ClearLayer();
    LayLayout(appl.Design.Design, *brand, layout);
    appl.Changes.Announce({ChangeKind::Palette});
    SetDesignTitle(appl, UNTITLED_DESIGN);
    DesignReplaced(appl);
    appl.Design.Design.SetModified(true);
    ShowDesignCaption(appl);
    CentreAndZoomPageCommand(appl);
    return true;
}

void OpenRecentFile(A_APPL& appl, int entry) {
    auto& files = appl.RecentFiles;
    if (entry < 1 || entry > RECENT_FILE_COUNT)
        return;
    // The chosen entry moves to the top before the open asks anything.
    std::rotate(files.begin(), files.begin() + entry - 1, files.begin() + entry);
    OpenDesign(appl, files[0]);
}

bool SaveCommand(A_APPL& appl) {
    return Unnamed(appl) || appl.SaveAsksName ? SaveUnder(appl, AskSaveName(appl)) : Save(appl);
}

void DesignRecovered(A_APPL& appl, const std::string& name) {
    appl.Changes.Announce({ChangeKind::Palette});
    SetDesignTitle(appl, name);
    DesignReplaced(appl);
    appl.SaveAsksName = true;
    appl.Design.Design.SetModified(true);
    ShowDesignCaption(appl);
}

bool SaveAsCommand(A_APPL& appl) {
    return SaveUnder(appl, AskSaveName(appl));
}

bool AskBeforeExit(A_APPL& appl) {
    if (!AskSaveDesign(appl) || !AskSaveRoom(appl))
        return false;
    if (!appl.Define.DefinitionsChanged)
        return true;
    const DialogAnswer answer = appl.Dialogs().YesNoCancel(
        Texts::Mark("Definitions changed - Do you want to save definitions ?"));
    if (answer == DialogAnswer::Cancel)
        return false;
    if (answer == DialogAnswer::Yes) {
        if (!SaveDefinitions(appl.Library, appl.ProgramDir)) {
            ShowAppMessage(appl, Texts::Fill(Texts::Mark("Cannot write file %1 !"),
                                             {appl.ProgramDir + DEFINITIONS_FILE_NAME}));
            return false;
        }
        appl.Define.DefinitionsChanged = false;
    }
    return true;
}

void ImportTr2Command(A_APPL& appl) {
    if (!AskSaveDesign(appl))
        return;
    const std::string name = appl.Dialogs().OpenFile({Texts::Mark("Import Vireldo V2 designs"),
                                                      Texts::Mark("Tracks V2|*.tr2|All Files|*.*"),
                                                      "tr2", appl.LastUsedPath, ""});
    if (name.empty())
        return;
    const std::string message = ImportTr2(appl.Design.Design, appl.Design.Freehand, name);
    if (!message.empty())
        ShowAppError(appl, message);
    SetDesignTitle(appl, UNTITLED_DESIGN);
    DesignReplaced(appl);
}

void ImportTrkCommand(A_APPL& appl) {
    if (!AskSaveDesign(appl))
        return;
    appl.Dialogs().OpenFile({Texts::Mark("Import Vireldo V1 designs"),
                             Texts::Mark("Tracks V1|*.trk|All Files|*.*"), "trk", appl.LastUsedPath,
                             ""});
    appl.Design.SelectedTrack = nullptr;
}
