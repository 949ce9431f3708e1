#include "DesignDocument.h"
#include "defs/Definitions.h"
#include "design/ImportTr2.h"
#include "room/Room.h"

#include <iostream>
#include <memory>

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

std::unique_ptr<DesignDocument> LoadToolDesign(const ToolArgs& args, const char* command,
                                               std::string& error, std::string& message) {
    if (!NeedsOneFile(args, command, error))
        return nullptr;
    auto document = std::make_unique<DesignDocument>();
    document->Library = LoadToolLibrary(args.Dir(), error);
    if (!document->Library)
        return nullptr;
    document->Design.FileName = args.Positional[0];
    message =
        LoadDesign(document->Design, *document->Library, document->Offset, document->Freehand);
    if (!document->Design.Brand) {
        error = message;
        return nullptr;
    }
    document->Design.SetDesignBrand(document->Design.Brand); // shapes the empty part
    return document;
}

int DesignCommand(const ToolArgs& args) {
    std::string error, message;
    auto document = LoadToolDesign(args, "design", error, message);
    if (!document)
        return Fail(error);
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
    auto document = std::make_unique<DesignDocument>();
    document->Library = LoadToolLibrary(args.Dir(), error);
    if (!document->Library)
        return Fail(error);
    L_BRAND* brand = document->Library->FindBrand(args.Options.at("brand"));
    if (!brand)
        return Fail("unknown brand " + args.Options.at("brand"));
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
