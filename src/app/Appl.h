#pragma once
#include "Dialogs.h"
#include "defs/Definitions.h"

#include <array>
#include <memory>
#include <string>

constexpr int RECENT_FILE_COUNT = 4;

// The application object: all state of one run. Window classes receive it;
// nothing of it is freed before the process ends.
class A_APPL {
  public:
    explicit A_APPL(const std::string& programDir);

    bool Metric = true;
    std::string ProgramDir; // with a trailing separator
    std::string LastUsedPath;
    std::array<std::string, RECENT_FILE_COUNT> RecentFiles;
    bool WizardStartup = true;
    bool PrintMono = false;
    int32_t CurrentTab = 0;
    L_PARTDEF EmptyPart;
    L_DEFINITIONS Library;

    AppDialogs& Dialogs() { return *DialogsImpl; }
    // Tests install scripted dialogs here.
    void SetDialogs(std::unique_ptr<AppDialogs> dialogs) { DialogsImpl = std::move(dialogs); }

  private:
    std::unique_ptr<AppDialogs> DialogsImpl;
};
