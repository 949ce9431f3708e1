#include "CommandLine.h"

#include "folders/ProgramFolders.h"

ProgramArguments ParseArguments(const std::vector<std::string>& args) {
    ProgramArguments parsed;
    size_t first = 0;
    if (args.size() >= 2 && args[0] == "--language") {
        parsed.Language = args[1];
        first = 2;
    }
    std::string line;
    for (size_t i = first; i < args.size(); ++i)
        line += (i > first ? " " : "") + args[i];
    parsed.DesignFile = FileFromArgument(line);
    return parsed;
}
