#include "MaxDesign.h"
#include "design/DesignFile.h"

#include <cstdio>
#include <string>

namespace {

bool Save(MaxDesign& design, const std::string& fileName) {
    design.Design->FileName = fileName;
    const std::string message = SaveDesign(*design.Design, ViewOffset{}, *design.Freehand);
    if (!message.empty())
        std::fprintf(stderr, "%s\n", message.c_str());
    return message.empty();
}

} // namespace

// Writes the benchmarks' two designs as files the program opens: the largest
// (64,000 parts and a full drawing) and the typical one (500 parts).
int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? std::string(argv[1]) + "/" : std::string();
    MaxDesign largest;
    if (!Save(largest, folder + "largest.tr3"))
        return 1;
    MaxDesign typical;
    typical.Freehand->ClearLayer();
    LayTypicalOvals(*typical.Design);
    return Save(typical, folder + "typical.tr3") ? 0 : 1;
}
