#pragma once
#include <map>
#include <string>
#include <vector>

// Parsed arguments of one subcommand: positional values and --name value pairs.
struct ToolArgs {
    std::vector<std::string> Positional;
    std::map<std::string, std::string> Options;
    std::string ProgramDir; // folder of vireldo-tool, the default for --dir

    std::string Dir() const;
};

// Every subcommand returns the process exit code and writes its error
// messages to standard error.
int DefsCommand(const ToolArgs& args);
int StockCommand(const ToolArgs& args);
int ImportDefCommand(const ToolArgs& args);

// Errors shared by the subcommands.
int Fail(const std::string& message);
bool FileReadable(const std::string& path);
void WriteOut(const std::string& content);
