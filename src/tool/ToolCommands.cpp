#include "ToolCommands.h"

#include "base/TextReader.h"
#include "base/TextWriter.h"
#include "defs/Definitions.h"
#include "defs/DefinitionsFile.h"
#include "defs/StockFile.h"

#include <cstdio>
#include <iostream>
#include <memory>

std::string ToolArgs::Dir() const {
    const auto dir = Options.find("dir");
    if (dir == Options.end())
        return ProgramDir;
    return dir->second.empty() || dir->second.back() == '/' ? dir->second : dir->second + "/";
}

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

int Fail(const std::string& message) {
    std::cerr << "vireldo-tool: " << message << "\n";
    return 1;
}

bool FileReadable(const std::string& path) {
    return TextReader(path).IsOpen();
}

void WriteOut(const std::string& content) {
    std::fwrite(content.data(), 1, content.size(), stdout);
    std::fflush(stdout);
}

std::unique_ptr<L_DEFINITIONS> LoadToolLibrary(const std::string& dir, std::string& error) {
    if (!FileReadable(dir + DEFINITIONS_FILE_NAME)) {
        error = "cannot read " + dir + DEFINITIONS_FILE_NAME;
        return nullptr;
    }
    auto library = std::make_unique<L_DEFINITIONS>();
    LoadDefinitions(*library, dir);
    LoadStock(*library, dir);
    return library;
}

int DefsCommand(const ToolArgs& args) {
    std::string error;
    auto library = LoadToolLibrary(args.Dir(), error);
    if (!library)
        return Fail(error);
    TextWriter out;
    WriteDefinitions(*library, out);
    WriteOut(out.Content());
    return 0;
}

int StockCommand(const ToolArgs& args) {
    std::string error;
    auto library = LoadToolLibrary(args.Dir(), error);
    if (!library)
        return Fail(error);
    if (!FileReadable(args.Dir() + STOCK_FILE_NAME))
        return Fail("cannot read " + args.Dir() + STOCK_FILE_NAME);
    TextWriter out;
    WriteStock(*library, out);
    WriteOut(out.Content());
    return 0;
}

int ImportDefCommand(const ToolArgs& args) {
    if (args.Positional.size() != 1 || !args.Options.count("brand"))
        return Fail("import-def needs FILE.def and --brand NAME");
    const std::string& file = args.Positional[0];
    if (!FileReadable(file))
        return Fail("cannot read " + file);
    std::string error;
    auto library = LoadToolLibrary(args.Dir(), error);
    if (!library)
        return Fail(error);
    L_BRAND* brand = library->FindBrand(args.Options.at("brand"));
    if (!brand)
        return Fail("unknown brand " + args.Options.at("brand"));
    ImportV2Definitions(file, *brand);
    TextWriter out;
    WriteDefinitions(*library, out);
    WriteOut(out.Content());
    return 0;
}
