#include "ToolCommands.h"
#include "base/TextValues.h"
#include "view/Panel.h"

#include <charconv>
#include <optional>

namespace {

constexpr int DEFAULT_WIDTH = 800;
constexpr int DEFAULT_HEIGHT = 600;
constexpr int MAX_SIZE = 20000;

// "A<sep>B" as two numbers; none when either is missing or not a number.
std::optional<std::pair<double, double>> Pair(const std::string& text, char separator) {
    const size_t at = text.find(separator);
    if (at == std::string::npos || at == 0 || at + 1 == text.size())
        return std::nullopt;
    double a = 0, b = 0;
    const char* end = text.data() + text.size();
    const auto first = std::from_chars(text.data(), text.data() + at, a);
    const auto second = std::from_chars(text.data() + at + 1, end, b);
    if (first.ec != std::errc() || first.ptr != text.data() + at || second.ec != std::errc() ||
        second.ptr != end)
        return std::nullopt;
    return std::make_pair(a, b);
}

} // namespace

// The design panel as the program starts it, with the options of the command.
bool SetUpPanelOptions(const ToolArgs& args, P_PANEL& panel, std::string& error) {
    panel.SetSize(DEFAULT_WIDTH, DEFAULT_HEIGHT);
    if (args.Options.count("size")) {
        const auto size = Pair(args.Options.at("size"), 'x');
        if (!size || size->first < 1 || size->second < 1 || size->first > MAX_SIZE ||
            size->second > MAX_SIZE) {
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
