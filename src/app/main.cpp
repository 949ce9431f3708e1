#include "Appl.h"
#include "ProgramEntry.h"
#include "base/ExecutableDir.h"

#include <QApplication>
#include <memory>
#include <string>

namespace {

// The design file name is the whole command line after the program name.
std::string CommandLine(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i)
        line += (i > 1 ? " " : "") + std::string(argv[i]);
    return line;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    auto appl = std::make_unique<A_APPL>(ExecutableDir(argv[0]));
    return ProgramEntry(*appl, CommandLine(argc, argv));
}
