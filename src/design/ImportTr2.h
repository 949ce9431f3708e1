#pragma once
#include <string>

struct F_FREEHAND;
struct T_DESIGN;

// Reads a ".tr2" design of the previous generation into the design, with the
// design's current brand: the room and drawings become freehand shapes, the
// tracks become tracks. Returns "" or the message for the user; on any
// unknown code the design and the layer are left empty.
std::string ImportTr2(T_DESIGN& design, F_FREEHAND& freehand, const std::string& fileName);

// One part line "code direction height", split as "%s %c %d" splits it.
struct Tr2PartLine {
    std::string Code;
    char Direction = 0;
    int Height = 0;
};
Tr2PartLine SplitTr2PartLine(const std::string& line);
