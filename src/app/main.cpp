#include "Appl.h"
#include "ProgramEntry.h"
#include "base/ExecutableDir.h"
#include "folders/ProgramFolders.h"

#include <QApplication>
#include <memory>
#include <string>

namespace {

// The design file name is the whole command line after the program name; a
// file manager may pass it as a file:// address.
std::string CommandLine(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i)
        line += (i > 1 ? " " : "") + std::string(argv[i]);
    return FileFromArgument(line);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const ProgramFolders folders = FindProgramFolders(ExecutableDir(argv[0]));
    auto appl = std::make_unique<A_APPL>(folders.Data);
    appl->HelpDir = folders.Help;
    return ProgramEntry(*appl, CommandLine(argc, argv));
}
