#pragma once
#include "ToolCommands.h"
#include "base/TextWriter.h"
#include "design/Design.h"
#include "design/DesignFile.h"
#include "freehand/Freehand.h"

#include <memory>

// What the design canvas owns: the design, its freehand layer and offset,
// loaded against the library of the program folder.
struct DesignDocument {
    std::unique_ptr<L_DEFINITIONS> Library;
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

// Loads the subcommand's design file; null with the reason in error when the
// file or the definitions cannot be read or the brand is unknown. message gets
// the loader's message.
std::unique_ptr<DesignDocument> LoadToolDesign(const ToolArgs& args, const char* command,
                                               std::string& error, std::string& message);
bool NeedsOneFile(const ToolArgs& args, const char* command, std::string& error);
