#pragma once
#include <string>
#include <vector>

// What the program is started with: "--language CODE" first, if at all, then
// the design file, the whole rest of the line (a file manager may pass a
// name with spaces unquoted, or a file:// address).
struct ProgramArguments {
    std::string Language;
    std::string DesignFile;
};
ProgramArguments ParseArguments(const std::vector<std::string>& args);
