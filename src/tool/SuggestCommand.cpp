#include "ToolCommands.h"
#include "base/Saturate.h"
#include "base/TextValues.h"
#include "defs/SharedPiece.h"
#include "design/DesignFile.h"
#include "generate/LayoutGenerator.h"
#include "generate/PieceKit.h"
#include "room/Room.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

// suggest: 0 layouts written, 1 none found (or not written), 2 bad input.
constexpr int FOUND = 0;
constexpr int NONE = 1;
constexpr int BAD_INPUT = 2;
constexpr double LARGEST_BOARD_CM = 100000.0; // a kilometre: no table is larger

int BadInput(const std::string& message) {
    Fail(message);
    return BAD_INPUT;
}

bool ParseBoard(const std::string& text, Board& board) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos)
        return false;
    const double w = ParseDouble(text.substr(0, x)), h = ParseDouble(text.substr(x + 1));
    if (!(w > 0 && h > 0 && w <= LARGEST_BOARD_CM && h <= LARGEST_BOARD_CM))
        return false;
    board = RectangleBoard(w, h);
    return true;
}

bool BoardOf(const ToolArgs& args, Board& board, std::string& error) {
    if (args.Options.count("board") == args.Options.count("room")) {
        error = "suggest needs --board WxH or --room FILE.rm3";
        return false;
    }
    if (args.Options.count("board")) {
        if (!ParseBoard(args.Options.at("board"), board))
            error = "--board needs a width and a height in cm, such as 240x120";
        return error.empty();
    }
    const std::string& file = args.Options.at("room");
    if (!FileReadable(file)) {
        error = "cannot read " + file;
        return false;
    }
    auto room = std::make_unique<T_ROOM>();
    ViewOffset offset;
    room->RoomFileName = file;
    LoadRoom(*room, offset);
    board = RoomBoard(room->Layer);
    if (board.Empty())
        error = file + " has no closed room outline";
    return error.empty();
}

// Any number of each part, or the pieces the stock table holds.
std::vector<int64_t> BudgetOf(const ToolArgs& args, L_BRAND& brand) {
    if (!args.Options.count("in-stock"))
        return UnlimitedBudget(brand);
    std::vector<int64_t> budget;
    for (int i = 0; i < brand.PartCount; ++i)
        budget.push_back(std::max<int64_t>(StockOf(brand, brand.Parts[i]), 0));
    return budget;
}

bool NumberOption(const ToolArgs& args, const char* name, double low, double high, double& value,
                  std::string& error) {
    if (!args.Options.count(name))
        return true;
    value = ParseDouble(args.Options.at(name));
    if (value >= low && value <= high)
        return true;
    char text[160];
    std::snprintf(text, sizeof text, "--%s needs a number from %g to %g", name, low, high);
    error = text;
    return false;
}

bool OptionsOf(const ToolArgs& args, SuggestOptions& options, std::string& error) {
    double count = options.Count, minimum = 0, seed = 1, limit = options.TimeLimitSeconds;
    if (!NumberOption(args, "count", 1, 99, count, error) ||
        !NumberOption(args, "min-length", 0, LARGEST_BOARD_CM, minimum, error) ||
        !NumberOption(args, "seed", 0, 1e15, seed, error) ||
        !NumberOption(args, "time-limit", 0.1, 3600, limit, error))
        return false;
    options.Count = static_cast<int>(count);
    options.MinimumLapCm = static_cast<float>(minimum);
    options.Seed = static_cast<uint64_t>(seed);
    options.TimeLimitSeconds = limit;
    options.Crossing = args.Options.count("crossing") > 0;
    options.Bridges = args.Options.count("bridges") > 0;
    return true;
}

std::string Row(const std::string& file, const SuggestedLayout& layout, double boardArea) {
    char text[200];
    const Box& box = layout.Bounds;
    const double use = boardArea > 0 ? 100.0 * box.Width() * box.Height() / boardArea : 0.0;
    std::snprintf(text, sizeof text, "%-16s %5zu %11.2f %11.2f   %.0f x %.0f cm (%.0f %%)%s\n",
                  file.c_str(), layout.Parts.size(), layout.Lane1, layout.Lane2, box.Width(),
                  box.Height(), use,
                  layout.Crossing ? ", crossing"
                  : layout.Bridge ? ", bridge"
                                  : "");
    return text;
}

} // namespace

int SuggestCommand(const ToolArgs& args) {
    if (!args.Options.count("brand") || !args.Options.count("o"))
        return BadInput("suggest needs --brand NAME and -o FOLDER");
    std::string error;
    auto library = LoadToolLibrary(args.Dir(), error);
    if (!library)
        return BadInput(error);
    L_BRAND* brand = library->FindBrand(args.Options.at("brand"));
    if (!brand)
        return BadInput("no track system " + args.Options.at("brand") + " in " + args.Dir());
    SuggestOptions options;
    if (!BoardOf(args, options.Table, error) || !OptionsOf(args, options, error))
        return BadInput(error);
    options.Budget = BudgetOf(args, *brand);
    const SuggestResult result = SuggestLayouts(*brand, options);
    if (!result.TooSmall.empty())
        return BadInput(result.TooSmall);
    const std::string folder = args.Options.at("o");
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    auto emptyDef = std::make_unique<L_PARTDEF>();
    auto design = std::make_unique<T_DESIGN>(emptyDef.get());
    std::string text = "file             parts  lane 1 (cm) lane 2 (cm)   board use\n";
    for (size_t i = 0; i < result.Layouts.size(); ++i) {
        char name[48];
        std::snprintf(name, sizeof name, "suggest-%02zu.tr3", i + 1);
        LayLayout(*design, *brand, result.Layouts[i]);
        design->FileName = (std::filesystem::path(folder) / name).string();
        ViewOffset offset;
        F_FREEHAND freehand;
        const std::string written = SaveDesign(*design, offset, freehand);
        if (!written.empty())
            return Fail(written);
        text += Row(name, result.Layouts[i], BoardArea(options.Table));
    }
    text += std::to_string(result.Layouts.size()) + " layouts from " +
            std::to_string(result.Candidates) + " candidates\n";
    WriteOut(text);
    return result.Layouts.empty() ? NONE : FOUND;
}
