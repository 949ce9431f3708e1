#include "ToolCommands.h"
#include "base/ExecutableDir.h"
#include "folders/ProgramFolders.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Subcommand {
    const char* Name;
    int (*Run)(const ToolArgs&);
    std::vector<std::string> Options; // the --options it takes, each with a value
    size_t Positional;                // how many plain arguments it takes
    const char* Usage;
    std::vector<std::string> Flags = {}; // the --options it takes without a value
};

const Subcommand SUBCOMMANDS[] = {
    {"defs",
     DefsCommand,
     {"dir"},
     0,
     "defs [--dir DIR]\n"
     "    Loads DIR's definitions file and stock table and writes the definitions\n"
     "    to standard output exactly as the program saves them."},
    {"stock",
     StockCommand,
     {"dir"},
     0,
     "stock [--dir DIR]\n"
     "    Loads DIR's definitions and stock table and writes the stock table."},
    {"import-def",
     ImportDefCommand,
     {"dir", "brand"},
     1,
     "import-def FILE.def --brand NAME [--dir DIR]\n"
     "    Imports a legacy .def file into brand NAME and writes the resulting\n"
     "    definitions file."},
    {"design",
     DesignCommand,
     {"dir"},
     1,
     "design FILE.tr3 [--dir DIR]\n"
     "    Loads the design against DIR's definitions, says the loader's message (if\n"
     "    any) on standard error and writes the design as the program saves it."},
    {"import-tr2",
     ImportTr2Command,
     {"dir", "brand"},
     1,
     "import-tr2 FILE.tr2 --brand NAME [--dir DIR]\n"
     "    Imports a legacy .tr2 design with brand NAME and writes the design file."},
    {"place",
     PlaceCommand,
     {"dir", "zoom", "offset", "size"},
     1,
     "place FILE.tr3 [--dir DIR] [--zoom Z] [--offset X,Y] [--size WxH]\n"
     "    Places the design as the design canvas does (zoom 1, offset 0, 800x600,\n"
     "    colour lanes) and writes one CSV line per placed part in drawing order:\n"
     "    slot, part, code, x, y, angle, fill, lane1, lane2, anchor (colours 0xRRGGBB)."},
    {"render",
     RenderCommand,
     {"dir", "o", "zoom", "offset", "size", "room"},
     1,
     "render FILE.tr3 -o OUT [--dir DIR] [--size WxH] [--zoom Z] [--offset X,Y] [--fit]\n"
     "       [--room FILE.rm3]\n"
     "    Paints the design as the design canvas does (grid, room outline, freehand\n"
     "    drawing, tracks, ruler) and writes OUT: .png, .gif (as \"Save screen as\n"
     "    .GIF\" does) or .pdf (printed on A4). --fit centres and zooms to fit first.",
     {"fit"}},
    {"export",
     ExportCommand,
     {"dir", "o", "room", "scale", "paper", "style"},
     1,
     "export FILE.tr3 -o OUT [--dir DIR] [--room FILE.rm3] [--scale 1:N] [--tiles]\n"
     "       [--paper A4|A3|Letter|Legal|Tabloid] [--style template|screen]\n"
     "    Writes the layout (tracks, design drawing, room) at true scale, 1:1 unless\n"
     "    --scale says otherwise: .svg and .pdf sized in millimetres, or .dxf in\n"
     "    millimetres with straights as lines and curves as arcs on the layers TRACKS,\n"
     "    LANE1, LANE2, KERBS, SILKSCREEN, FREEHAND and ROOM.\n"
     "    --tiles splits the .pdf over pages of the paper (A4) with overlap, cut and\n"
     "    alignment marks and labels, after an overview page of the grid of pages.\n"
     "    --style template draws every piece as its outline with its lane lines, its\n"
     "    code and number, nothing filled (the default of --tiles); screen paints the\n"
     "    layout as the printout does (the default otherwise).",
     {"tiles"}},
    {"check",
     CheckCommand,
     {"dir", "tolerance"},
     1,
     "check FILE.tr3 [--dir DIR] [--json] [--tolerance MM]\n"
     "    Checks the layout: whether every track closes (gap in mm, heading in\n"
     "    degrees; 1.0 mm by default), ends of tracks that nearly meet, lane lengths\n"
     "    and their difference, parts at one height that overlap, and the parts to\n"
     "    buy (used beyond stock). --json writes one object: tracks[] {number, empty,\n"
     "    closed, gap_mm, along_mm (the end past the start: positive; short of it:\n"
     "    negative), across_mm (to the left: positive), heading_deg, lane1_cm, lane2_cm,\n"
     "    lane_difference_cm, lane_difference_percent}, joins[] {track_a, end_a,\n"
     "    track_b, end_b, gap_mm},\n"
     "    overlaps[] {track_a, part_a, track_b, part_b, area_cm2}, shopping[] {code,\n"
     "    missing}, clean. Tracks and parts are numbered from 1, as the track list\n"
     "    numbers them. Exit code 0: nothing found, 1: findings, 2: unreadable.",
     {"json"}},
    {"simulate",
     SimulateCommand,
     {"dir", "car", "vmax", "accel", "brake", "lateral", "trace"},
     1,
     "simulate FILE.tr3 [--dir DIR] [--car 1:32|1:24|1:43|HO] [--vmax V] [--accel A]\n"
     "       [--brake B] [--lateral L] [--json] [--trace OUT.csv]\n"
     "    Estimates the lap time of every lane of every closed track: a car of the\n"
     "    scale's typical figures (1:32 unless given; each settable, m/s and m/s2)\n"
     "    driven as fast as its top speed, acceleration, braking and sideways grip\n"
     "    in every curve allow, on a flying lap. --json writes one object: car {vmax,\n"
     "    accel, brake, lateral}, tracks[] {number, closed, lanes[] {lane, length_m,\n"
     "    lap_s, average_mps, top_mps, full_throttle (0 to 1), entry_mps[] per piece},\n"
     "    difference_s, difference_percent (lane 2 against lane 1)}. --trace writes\n"
     "    track,lane,distance_m,speed_mps,piece for every closed track. Exit code 0:\n"
     "    every track has its laps, 1: a track is not closed, 2: unreadable.",
     {"json"}},
    {"close",
     CloseCommand,
     {"dir", "track", "max-parts", "tolerance", "o"},
     1,
     "close FILE.tr3 --track N [--dir DIR] [--max-parts K] [--in-stock] [-o OUT.tr3]\n"
     "    Proposes up to five ways of closing open track N (numbered as the track\n"
     "    list numbers them) by changing at most K parts (4) of the design's system:\n"
     "    parts added after the last part, or for a track that runs too far, some of\n"
     "    its last parts removed (and others added); fewest parts changed first.\n"
     "    --in-stock uses only parts still free in stock. -o writes the design with\n"
     "    the first proposal applied.",
     {"in-stock"}},
    {"report",
     ReportCommand,
     {"dir", "zoom", "offset", "size"},
     1,
     "report FILE.tr3 [--dir DIR] [--feet] [--zoom Z] [--size WxH] [--fit]\n"
     "    Writes the design's track list as the Info page shows it: parts with stock,\n"
     "    used and free counts, every placed part, lane lengths (metres, or feet with\n"
     "    --feet), curve counts, and the design size as painted at that zoom and size.",
     {"feet", "fit"}},
    {"catalogue",
     CatalogueCommand,
     {"dir", "brand", "o"},
     0,
     "catalogue --brand NAME -o OUT [--dir DIR]\n"
     "    Draws every part of track system NAME at one scale in a grid, each with its\n"
     "    code, description and main dimensions (length, or radius and angle), and\n"
     "    writes OUT: .png, .svg or .pdf."},
    {"suggest",
     SuggestCommand,
     {"dir", "brand", "board", "room", "count", "min-length", "seed", "time-limit", "o"},
     0,
     "suggest --brand NAME (--board WxH | --room FILE.rm3) -o FOLDER [--dir DIR]\n"
     "       [--in-stock] [--count K] [--min-length CM] [--crossing] [--bridges]\n"
     "       [--seed S] [--time-limit SECONDS]\n"
     "    Proposes up to K (8) layouts of track system NAME, one closed track each,\n"
     "    that lie on a WxH cm board (or inside the room's outline) 2 cm clear of\n"
     "    its edges, run into themselves only on a crossing (--crossing: figure-\n"
     "    eights through the system's crossing; --bridges: over a bridge one level\n"
     "    up) and use any number of plain track, or with --in-stock only the pieces\n"
     "    of DIR's stock table; the longest laps (of the shorter lane, at least CM)\n"
     "    first. Writes FOLDER/suggest-01.tr3 ... and a table: file, parts, lane\n"
     "    lengths and the share of the board the layout's box covers. The same\n"
     "    seed (1) gives the same layouts; the search ends after SECONDS (10).\n"
     "    Exit code 0: layouts written, 1: none found, 2: bad input (an unknown\n"
     "    system, a board smaller than the system's smallest loop).",
     {"in-stock", "crossing", "bridges"}},
    {"room",
     RoomCommand,
     {},
     1,
     "room FILE.rm3\n"
     "    Reads a room file and writes it back."},
};

void PrintHelp(std::ostream& out) {
    out << "Usage: vireldo-tool SUBCOMMAND [ARGS]\n"
           "Batch work on Vireldo files. DIR defaults to the folder of vireldo-tool.\n\n";
    for (const Subcommand& command : SUBCOMMANDS)
        out << "  " << command.Usage << "\n\n";
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Splits "--name value" pairs, "-o value" and flags from positional
// arguments; false on an option without its value.
bool ParseArgs(int argc, char** argv, const Subcommand& command, ToolArgs& args) {
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool isOption = arg.size() > 1 && arg[0] == '-' && !std::isdigit(arg[1]);
        if (!isOption) {
            args.Positional.push_back(arg);
            continue;
        }
        const std::string name = arg.substr(arg.compare(0, 2, "--") == 0 ? 2 : 1);
        if (Contains(command.Flags, name)) {
            args.Options[name] = "";
            continue;
        }
        if (i + 1 >= argc)
            return false;
        args.Options[name] = argv[++i];
    }
    return true;
}

// Names the first argument the subcommand does not take, or is empty.
std::string UnexpectedArgument(const Subcommand& command, const ToolArgs& args) {
    for (const auto& option : args.Options)
        if (!Contains(command.Options, option.first) && !Contains(command.Flags, option.first))
            return "--" + option.first;
    if (args.Positional.size() > command.Positional)
        return args.Positional[command.Positional];
    return std::string();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        PrintHelp(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 2 : 0;
    }
    for (const Subcommand& command : SUBCOMMANDS) {
        if (std::strcmp(argv[1], command.Name) != 0)
            continue;
        ToolArgs args;
        args.ProgramDir = FindProgramFolders(ExecutableDir(argv[0])).Data;
        if (!ParseArgs(argc, argv, command, args))
            return Fail(std::string("option ") + argv[argc - 1] + " needs a value");
        const std::string unexpected = UnexpectedArgument(command, args);
        if (!unexpected.empty())
            return Fail(std::string(command.Name) + " does not take " + unexpected);
        return command.Run(args);
    }
    std::cerr << "vireldo-tool: unknown subcommand " << argv[1] << "\n";
    PrintHelp(std::cerr);
    return 2;
}
