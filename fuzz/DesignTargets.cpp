#include "FuzzTargets.h"
#include "FuzzWorkspace.h"

#include "base/TextWriter.h"
#include "check/LayoutCheck.h"
#include "defs/Definitions.h"
#include "design/DesignFile.h"
#include "design/ImportTr2.h"
#include "report/TrackList.h"

namespace {

// The brand whose codes the imported and seeded designs use.
const char* const TR2_BRAND = "S132SPORT";

std::string DesignText(C_VIRELDO& canvas) {
    TextWriter out;
    WriteDesign(canvas.Design, canvas.Offset, canvas.Freehand, out);
    return out.Content();
}

// What the program does with a design it has read: draw it, hit test it,
// list its parts, check the layout.
void UseDesign(FuzzWorkspace& work) {
    C_VIRELDO& canvas = work.Canvases.Design;
    work.DrawDesign();
    BuildTrackListHtml(canvas.Design, canvas.View.Box, canvas.Zoom, TrackListUnits{});
    CheckDesign(canvas.Design);
}

// Writes the design, reads that back and writes again.
std::string RoundTripDesign(FuzzWorkspace& work) {
    C_VIRELDO& canvas = work.Canvases.Design;
    const std::string first = DesignText(canvas);
    canvas.Design.FileName = work.Put("written.tr3", first);
    LoadDesign(canvas.Design, *work.Shipped, canvas.Offset, canvas.Freehand);
    return CompareWrites(first, DesignText(canvas));
}

} // namespace

std::string FuzzDesignFile(const uint8_t* data, size_t size) {
    FuzzWorkspace& work = FuzzWorkspace::Get();
    C_VIRELDO& canvas = work.Canvases.Design;
    canvas.Design.FileName = work.Put("design.tr3", data, size);
    canvas.Offset = ViewOffset{};
    LoadDesign(canvas.Design, *work.Shipped, canvas.Offset, canvas.Freehand);
    if (!canvas.Design.Brand)
        return std::string(); // an unknown brand: nothing was read
    UseDesign(work);
    return RoundTripDesign(work);
}

std::string FuzzTr2Import(const uint8_t* data, size_t size) {
    FuzzWorkspace& work = FuzzWorkspace::Get();
    C_VIRELDO& canvas = work.Canvases.Design;
    canvas.Design.ClearDesign();
    canvas.Design.SetDesignBrand(work.Shipped->FindBrand(TR2_BRAND));
    canvas.Offset = ViewOffset{};
    ImportTr2(canvas.Design, canvas.Freehand, work.Put("old.tr2", data, size));
    UseDesign(work);
    return RoundTripDesign(work);
}
