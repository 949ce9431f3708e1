#include "DesignDocument.h"
#include "base/TextValues.h"
#include "geometry/Placement.h"
#include "view/Panel.h"

#include <cstdio>
#include <optional>

namespace {

constexpr int DEFAULT_WIDTH = 800;
constexpr int DEFAULT_HEIGHT = 600;

// "A<sep>B" as two numbers; none when either is missing or not a number.
std::optional<std::pair<double, double>> Pair(const std::string& text, char separator) {
    const size_t at = text.find(separator);
    if (at == std::string::npos || at == 0 || at + 1 == text.size())
        return std::nullopt;
    char* end = nullptr;
    const std::string first = text.substr(0, at), second = text.substr(at + 1);
    const double a = std::strtod(first.c_str(), &end);
    if (*end)
        return std::nullopt;
    const double b = std::strtod(second.c_str(), &end);
    if (*end)
        return std::nullopt;
    return std::make_pair(a, b);
}

std::string Hex(Rgb colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", colour);
    return text;
}

// The design panel as the program starts it, with the options of the command.
bool SetUpPanel(const ToolArgs& args, P_PANEL& panel, std::string& error) {
    panel.SetSize(DEFAULT_WIDTH, DEFAULT_HEIGHT);
    if (args.Options.count("size")) {
        const auto size = Pair(args.Options.at("size"), 'x');
        if (!size || size->first < 1 || size->second < 1 || size->first > 100000 ||
            size->second > 100000) {
            error = "--size needs WIDTHxHEIGHT in pixels";
            return false;
        }
        panel.SetSize(static_cast<int>(size->first), static_cast<int>(size->second));
    }
    if (args.Options.count("zoom")) {
        const double zoom = ParseDouble(args.Options.at("zoom"));
        if (!(zoom > 0)) {
            error = "--zoom needs a number above 0";
            return false;
        }
        panel.Zoom = static_cast<float>(zoom);
    }
    if (args.Options.count("offset")) {
        const auto offset = Pair(args.Options.at("offset"), ',');
        if (!offset) {
            error = "--offset needs X,Y in pixels";
            return false;
        }
        panel.Offset = {static_cast<float>(offset->first), static_cast<float>(offset->second)};
    }
    panel.PrepareView();
    return true;
}

} // namespace

int PlaceCommand(const ToolArgs& args) {
    std::string error, message;
    auto panel = std::make_unique<P_PANEL>();
    if (!SetUpPanel(args, *panel, error))
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
