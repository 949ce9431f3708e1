#include "DesignDocument.h"
#include "base/TextValues.h"
#include "geometry/Placement.h"
#include "view/Panel.h"

#include <cstdio>

namespace {

std::string Hex(Rgb colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", colour);
    return text;
}

} // namespace

int PlaceCommand(const ToolArgs& args) {
    std::string error, message;
    auto panel = std::make_unique<P_PANEL>();
    if (!SetUpPanelOptions(args, *panel, error))
        return Fail(error);
    auto document = LoadToolDesign(args, "place", error, message);
    if (!document)
        return Fail(error);
    if (!message.empty())
        std::fprintf(stderr, "%s\n", message.c_str());
    auto placement = NewPlacement();
    PlaceDesign(*placement, panel->View, document->Design, panel->ColorLanes);
    SortPlacementByHeight(*placement);
    std::string csv = "slot,part,code,x,y,angle,fill,lane1,lane2,anchor\n";
    for (int i = 0; i < placement->Count; ++i) {
        const T_PLACED& placed = placement->Entries[i];
        int slot = -1, index = -1;
        document->Design.LocatePart(placed.Part, slot, index);
        csv += std::to_string(slot) + "," + std::to_string(index) + "," + placed.Part->Def->Code +
               "," + FormatFloat(placed.X) + "," + FormatFloat(placed.Y) + "," +
               std::to_string(placed.Angle) + "," + Hex(placed.FillColor) + "," +
               Hex(placed.FirstLaneColor) + "," + Hex(placed.SecondLaneColor) + "," +
               (placed.Anchor ? "1" : "0") + "\n";
    }
    WriteOut(csv);
    return 0;
}
