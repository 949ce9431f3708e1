#pragma once
#include <string>

class A_APPL;

// The file commands of the design: the window title, the recent list, the
// question before the design is replaced, new, open, save, save as, exit.
void SetDesignTitle(A_APPL& appl, const std::string& fileName);
// The caption of the design as it is: its name, whether it changed, its brand.
void ShowDesignCaption(A_APPL& appl);
void AddRecentFile(A_APPL& appl, const std::string& fileName);
void RefreshRecentMenu(A_APPL& appl);
// False when the user cancelled.
bool AskSaveDesign(A_APPL& appl);
void NewDesignWizardCommand(A_APPL& appl);
// With an empty name the open dialog asks for one.
void OpenDesign(A_APPL& appl, const std::string& fileName);
// "&1" .. "&4": entry 1 to 4 of the recent list moves to the top and opens.
void OpenRecentFile(A_APPL& appl, int entry);
// False when the design was not written (cancelled, or the file could not be).
bool SaveCommand(A_APPL& appl);
bool SaveAsCommand(A_APPL& appl);
// A design read back from a recovery copy: shown under its own name (or
// unnamed), changed, and its first save asks where to put it.
void DesignRecovered(A_APPL& appl, const std::string& name);
// The questions before the program ends; false keeps it running.
bool AskBeforeExit(A_APPL& appl);
// The folder of a file name, with a trailing separator.
std::string FolderOf(const std::string& fileName);
// What a save dialog proposes for a file named like `fileName` with the given
// suffix: its own folder, or the last one used when it has none.
std::string ProposedName(const A_APPL& appl, const std::string& fileName,
                         const std::string& suffix);
struct SuggestedLayout;
// Makes a suggested layout the design (asking to save a changed one first),
// unnamed and changed, and fits it in view; false when the user kept the design.
bool OpenSuggestedLayout(A_APPL& appl, const SuggestedLayout& layout);
// "Import .tr2...": a design of the previous generation with the current brand.
void ImportTr2Command(A_APPL& appl);
// "Import .trk...": the oldest format has no reader; the command only asks.
void ImportTrkCommand(A_APPL& appl);
