#include "Appl.h"
#include "CommandLine.h"
#include "ProgramEntry.h"
#include "Settings.h"
#include "base/ExecutableDir.h"
#include "folders/ProgramFolders.h"
#include "i18n/Language.h"

#include <QApplication>
#include <memory>
#include <string>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const ProgramFolders folders = FindProgramFolders(ExecutableDir(argv[0]));
    auto appl = std::make_unique<A_APPL>(folders.Data);
    appl->HelpDir = folders.Help;
    const ProgramArguments arguments = ParseArguments({argv + 1, argv + argc});
    // The language is known before any window is made: the command line's,
    // else the one the user chose, else the system's.
    const std::string asked = arguments.Language.empty()
                                  ? StoredLanguage(*OpenSettings(appl->SettingsFile))
                                  : arguments.Language;
    InstallLanguage(ChooseLanguage(asked, QLocale::system()), QLocale::system());
    return ProgramEntry(*appl, arguments.DesignFile);
}
