#pragma once
#include <map>
#include <memory>
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
int DesignCommand(const ToolArgs& args);
int ImportTr2Command(const ToolArgs& args);
int RoomCommand(const ToolArgs& args);
int PlaceCommand(const ToolArgs& args);
int RenderCommand(const ToolArgs& args);
int ExportCommand(const ToolArgs& args);
int ReportCommand(const ToolArgs& args);
int CheckCommand(const ToolArgs& args);
int SimulateCommand(const ToolArgs& args);
int CloseCommand(const ToolArgs& args);
int CatalogueCommand(const ToolArgs& args);
int SuggestCommand(const ToolArgs& args);

struct P_PANEL;
// The design panel as the program starts it (800 x 600, zoom 1, offset 0),
// changed by --size, --zoom and --offset; false with the reason in error.
bool SetUpPanelOptions(const ToolArgs& args, P_PANEL& panel, std::string& error);

class L_DEFINITIONS;
// Loads DIR's definitions and stock table as the program does at start; null
// (and the reason in error) when the definitions file cannot be read.
std::unique_ptr<L_DEFINITIONS> LoadToolLibrary(const std::string& dir, std::string& error);

// Errors shared by the subcommands.
int Fail(const std::string& message);
// A number with that many decimals, in the C locale's form.
std::string Fixed(double value, int decimals);
bool FileReadable(const std::string& path);
void WriteOut(const std::string& content);
