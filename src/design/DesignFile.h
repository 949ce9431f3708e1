#pragma once
#include "base/ViewOffset.h"

#include <string>

class L_DEFINITIONS;
class TextWriter;
struct F_FREEHAND;
struct T_DESIGN;

// Writes the design, the view offset and the freehand layer to the design's
// FileName. Returns "" or, when the file cannot be written (the old one is
// then untouched and the design stays unsaved), the message for the user.
std::string SaveDesign(T_DESIGN& design, const ViewOffset& offset, F_FREEHAND& freehand);
void WriteDesign(const T_DESIGN& design, const ViewOffset& offset, F_FREEHAND& freehand,
                 TextWriter& out);

// Reads the design file named by FileName against the library. Returns "" or
// the one message for the user. readWhole, when given, tells whether the
// design is all the file holds: false when the file could not be opened,
// names an unknown brand or ends before what it announces, so that saving
// what was read would replace more than it keeps.
std::string LoadDesign(T_DESIGN& design, const L_DEFINITIONS& library, ViewOffset& offset,
                       F_FREEHAND& freehand, bool* readWhole = nullptr);
// The message for a file that ends before the records it announces.
std::string DamagedMessage(const std::string& fileName);
