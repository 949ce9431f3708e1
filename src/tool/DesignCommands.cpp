#include "ToolCommands.h"

#include "base/TextWriter.h"
#include "defs/Definitions.h"
#include "design/Design.h"
#include "design/DesignFile.h"
#include "design/ImportTr2.h"
#include "room/Room.h"

#include <iostream>
#include <memory>

namespace {

// What the design canvas owns: the design, its freehand layer and offset.
struct DesignDocument {
    L_PARTDEF EmptyDef;
    T_DESIGN Design{&EmptyDef};
    F_FREEHAND Freehand;
    ViewOffset Offset;

    std::string Text() {
        TextWriter out;
        WriteDesign(Design, Offset, Freehand, out);
        return out.Content();
    }
};

bool NeedsOneFile(const ToolArgs& args, const char* command, std::string& error) {
    if (args.Positional.size() != 1) {
        error = std::string(command) + " needs one file name";
        return false;
    }
    if (!FileReadable(args.Positional[0])) {
        error = "cannot read " + args.Positional[0];
        return false;
    }
    return true;
}

} // namespace

int DesignCommand(const ToolArgs& args) {
    std::string error;
    if (!NeedsOneFile(args, "design", error))
        return Fail(error);
    auto library = LoadToolLibrary(args.Dir(), error);
    if (!library)
        return Fail(error);
    auto document = std::make_unique<DesignDocument>();
    document->Design.FileName = args.Positional[0];
    const std::string message =
        LoadDesign(document->Design, *library, document->Offset, document->Freehand);
    if (!document->Design.Brand)
        return Fail(message);
    if (!message.empty())
        std::cerr << message << "\n";
    WriteOut(document->Text());
    return 0;
}

int ImportTr2Command(const ToolArgs& args) {
    std::string error;
    if (!NeedsOneFile(args, "import-tr2", error))
        return Fail(error);
    if (!args.Options.count("brand"))
        return Fail("import-tr2 needs --brand NAME");
    auto library = LoadToolLibrary(args.Dir(), error);
    if (!library)
        return Fail(error);
    L_BRAND* brand = library->FindBrand(args.Options.at("brand"));
    if (!brand)
        return Fail("unknown brand " + args.Options.at("brand"));
    auto document = std::make_unique<DesignDocument>();
    document->Design.SetDesignBrand(brand);
    const std::string message = ImportTr2(document->Design, document->Freehand, args.Positional[0]);
    if (!message.empty())
        return Fail(message);
    WriteOut(document->Text());
    return 0;
}

int RoomCommand(const ToolArgs& args) {
    std::string error;
    if (!NeedsOneFile(args, "room", error))
        return Fail(error);
    auto room = std::make_unique<T_ROOM>();
    ViewOffset offset;
    room->RoomFileName = args.Positional[0];
    LoadRoom(*room, offset);
    TextWriter out;
    WriteRoom(*room, offset, out);
    WriteOut(out.Content());
    return 0;
}
