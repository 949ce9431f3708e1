#include "RandomEditing.h"

#include "app/Appl.h"
#include "app/Caption.h"
#include "app/DesignCommands.h"
#include "app/History.h"
#include "app/Startup.h"
#include "app/ViewCommands.h"
#include "base/TextWriter.h"
#include "defs/DefinitionsFile.h"
#include "defs/StockFile.h"
#include "design/DesignFile.h"
#include "edit/FreehandEdit.h"
#include "edit/PartSelector.h"
#include "edit/TrackCanvas.h"
#include "edit/TrackCommands.h"
#include "geometry/PartGeometry.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

constexpr int CANVAS_WIDTH = 800;
constexpr int CANVAS_HEIGHT = 600;
constexpr int PALETTE_HEIGHT = 672;
constexpr int CHECK_FILES_EVERY = 25; // actions between the save, load, save comparisons

enum Kind {
    CLICK,
    DRAG,
    KEY_MID_DRAG,
    PALETTE_DOUBLE_CLICK,
    PALETTE_DRAG,
    TRACK_COMMAND,
    FREEHAND_MODE,
    FREEHAND_COMMAND,
    SAVE_AND_REOPEN,
    NEW_DESIGN,
    UNDO_REDO,
    RIGHT_CLICK,
    HOVER,
    PART_CLICK, // on a placed part, as users mostly click
    PART_DRAG,
    KIND_COUNT
};

// The dialogs answered as a hurried user would: no to every question, a
// file in the scratch folder, OK in the wizards with the lanes asked.
class HurriedDialogs : public AppDialogs {
  public:
    explicit HurriedDialogs(std::string folder) : Folder(std::move(folder)) {}
    int Lanes = 2;
    void Message(const std::string&, MessageKind) override {}
    DialogAnswer YesNo(const std::string&) override { return DialogAnswer::No; }
    DialogAnswer YesNoCancel(const std::string&) override { return DialogAnswer::No; }
    RecoveryChoice AskRecovery(const std::string&) override { return RecoveryChoice::Later; }
    std::string OpenFile(const FileDialogRequest&) override { return Folder + "saved.tr3"; }
    std::string SaveFile(const FileDialogRequest&) override { return Folder + "saved.tr3"; }
    NewDesignAnswer NewDesignWizard(const NewDesignRequest& request) override {
        NewDesignAnswer answer;
        answer.Ok = true;
        answer.Brand = request.Brands.empty() ? 0 : Lanes % static_cast<int>(request.Brands.size());
        answer.Lanes = Lanes;
        return answer;
    }
    bool NewRoomWizard(RoomOutlineRequest&, bool) override { return false; }
    int ChooseFromList(const std::string&, const std::vector<std::string>& items,
                       const std::function<void(int)>&, int) override {
        return items.empty() ? -1 : 0;
    }
    bool AskBrandCode(std::string&) override { return false; }
    bool AskText(std::string& text, std::string& size) override {
        text = "T";
        size = "8";
        return true;
    }
    bool ChooseColour(uint32_t& colour) override {
        colour = 0x204080;
        return true;
    }
    bool AskCar(CarPreset& car) override {
        car = CarPresets().back();
        return true;
    }
    bool PageSetup(QPrinter&) override { return false; }
    bool Print(QPrinter&) override { return false; }

  private:
    std::string Folder;
};

std::string ProgramCopy(const std::string& folder) {
    const std::string copy = folder + "program/";
    std::error_code error;
    std::filesystem::create_directories(copy, error);
    for (const char* file : {"Vireldo30.df3", "Stock.df3"})
        std::filesystem::copy_file(std::string(VIRELDO_DATA) + file, copy + file,
                                   std::filesystem::copy_options::skip_existing, error);
    return copy;
}

// The program as the window drives it, without a window.
struct Program {
    std::unique_ptr<A_APPL> Appl;
    HurriedDialogs* Dialogs = nullptr;
    std::string Folder;

    // The program folder is a copy in the scratch folder: what the program
    // writes beside its definitions (the Info page's file) stays out of data/.
    explicit Program(const std::string& folder)
        : Appl(std::make_unique<A_APPL>(ProgramCopy(folder))), Folder(folder) {
        auto dialogs = std::make_unique<HurriedDialogs>(folder);
        Dialogs = dialogs.get();
        Appl->SetDialogs(std::move(dialogs));
        LoadLibraryOrExplain(*Appl);
        Appl->Design.InitDesignController();
        Appl->Design.SetSize(CANVAS_WIDTH, CANVAS_HEIGHT);
        Appl->Room.SetSize(CANVAS_WIDTH, CANVAS_HEIGHT);
        Appl->Palette.SetSize(PART_SELECTOR_WIDTH, PALETTE_HEIGHT);
        Appl->CurrentTab = TAB_DESIGN;
        Appl->SetCurrentPanel(&Appl->Design);
        Appl->Design.Design.FileName = UNTITLED_DESIGN;
        ListenForPaletteChanges(*Appl);
        StartFirstDesign(*Appl);
        OpenStartupDesign(*Appl);
        RepaintPanel(Appl->Canvases);
    }
};

PointerEvent At(int x, int y, PointerButton button = PointerButton::Left) {
    return {button, x, y, x, y};
}

// A point in the middle of entry k of a placement drawn at scale.
void MiddleOf(const T_PLACEMENT& placement, float scale, int k, int& x, int& y) {
    if (placement.Count == 0) {
        x = y = 5;
        return;
    }
    const T_PLACED& placed = placement.Entries[k % placement.Count];
    Pose end = placed.StartPose();
    AdvancePose(*placed.Part, end.X, end.Y, end.Angle, scale);
    x = static_cast<int>((placed.X + end.X) / 2);
    y = static_cast<int>((placed.Y + end.Y) / 2);
}

void PaletteCell(A_APPL& appl, int cell, int& x, int& y) {
    MiddleOf(*appl.Palette.Entries, appl.Palette.View.Scale, cell, x, y);
}

void OnPart(A_APPL& appl, int k, int& x, int& y) {
    MiddleOf(appl.Canvases.Placement, appl.Design.View.Scale, k, x, y);
}

void TrackCommand(A_APPL& appl, int which) {
    switch (which % 16) {
    case 0:
        DeleteSectionsCommand(appl);
        break;
    case 1:
        DeleteTrackCommand(appl);
        break;
    case 2:
        AnchorSectionCommand(appl);
        break;
    case 3:
        RaiseTrackCommand(appl);
        break;
    case 4:
        LowerTrackCommand(appl);
        break;
    case 5:
        MirrorTrackCommand(appl);
        break;
    case 6:
        QuickRotateCommand(appl, which / 16 % 2 ? NORTH : EAST);
        break;
    case 7:
        QuickRotateCommand(appl, which / 16 % 2 ? SOUTH : WEST);
        break;
    case 8:
        EnterTrackMode(appl, EditMode::InsertTrack);
        break;
    case 9:
        EnterTrackMode(appl, EditMode::CopyTrack);
        break;
    case 10:
        EnterTrackMode(appl, EditMode::SplitTrack);
        break;
    case 11:
        EnterTrackMode(appl, EditMode::JoinTrackStart);
        break;
    case 12:
        EnterTrackMode(appl, EditMode::RotateStart);
        break;
    case 13:
        CancelEditing(appl);
        break;
    case 14:
        UndoCommand(appl);
        break;
    default:
        RedoCommand(appl);
        break;
    }
}

void FreehandMode(A_APPL& appl, int which) {
    constexpr EditMode modes[] = {
        EditMode::StartPolyline,      EditMode::StartPolygon, EditMode::StartRectangle,
        EditMode::StartRectangleFill, EditMode::Text,         EditMode::StartMovePoint,
        EditMode::StartMeasurement,   EditMode::Select};
    SetEditMode(appl, modes[which % 8]);
}

void FreehandCommand(A_APPL& appl, int which) {
    switch (which % 3) {
    case 0:
        FreeDeleteShapeCommand(appl);
        break;
    case 1:
        FreeColourCommand(appl, 0x123456);
        break;
    default:
        FreePenWidthCommand(appl, "3");
        break;
    }
}

std::string DesignBytes(A_APPL& appl) {
    TextWriter out;
    WriteDesign(appl.Design.Design, appl.Design.Offset, appl.Design.Freehand, out);
    return out.Content();
}

// The first line where two writings differ, both versions.
std::string FirstDifference(const std::string& a, const std::string& b) {
    std::istringstream left(a), right(b);
    std::string l, r;
    for (int line = 1;; ++line) {
        const bool moreLeft = static_cast<bool>(std::getline(left, l));
        const bool moreRight = static_cast<bool>(std::getline(right, r));
        if (!moreLeft && !moreRight)
            return "equal";
        if (l != r || moreLeft != moreRight)
            return "line " + std::to_string(line) + " '" + l + "' then '" + r + "'";
    }
}

// Returns "" or what the action itself found wrong.
std::string Perform(Program& program, const EditAction& a) {
    A_APPL& appl = *program.Appl;
    const int x = a.A, y = a.B;
    switch (a.Kind) {
    case CLICK:
        TrackCanvasMouseDown(appl, At(x, y));
        TrackCanvasMouseUp(appl, At(x, y));
        break;
    case DRAG: {
        const int tx = x + a.C % 200 - 100, ty = y + a.C / 200 % 200 - 100;
        TrackCanvasMouseDown(appl, At(x, y));
        TrackCanvasMouseMove(appl, At((x + tx) / 2, (y + ty) / 2));
        TrackCanvasMouseMove(appl, At(tx, ty));
        TrackCanvasMouseUp(appl, At(tx, ty));
        break;
    }
    case KEY_MID_DRAG:
        TrackCanvasMouseDown(appl, At(x, y));
        a.C % 2 ? TrackCommand(appl, a.C / 2) : FreehandCommand(appl, a.C / 2);
        TrackCanvasMouseMove(appl, At(x + 30, y + 20));
        TrackCanvasMouseUp(appl, At(x + 30, y + 20));
        break;
    case PALETTE_DOUBLE_CLICK: {
        int px = 0, py = 0;
        PaletteCell(appl, a.A, px, py);
        PartSelectorDblClick(appl, px, py);
        break;
    }
    case PALETTE_DRAG: {
        int px = 0, py = 0;
        PaletteCell(appl, a.A, px, py);
        PartSelectorMouseDown(appl, px, py);
        PartSelectorMouseMove(appl, px + 20, py);
        TrackCanvasMouseMove(appl, At(a.B, a.C));
        TrackCanvasMouseMove(appl, At(a.B + 3, a.C + 2));
        TrackCanvasMouseUp(appl, At(a.B + 3, a.C + 2));
        break;
    }
    case TRACK_COMMAND:
        TrackCommand(appl, a.A);
        break;
    case FREEHAND_MODE:
        FreehandMode(appl, a.A);
        break;
    case FREEHAND_COMMAND:
        FreehandCommand(appl, a.A);
        break;
    case SAVE_AND_REOPEN:
        SaveAsCommand(appl);
        OpenDesign(appl, program.Folder + "saved.tr3");
        break;
    case NEW_DESIGN:
        program.Dialogs->Lanes = 2 + 2 * (a.A % 5);
        NewDesignWizardCommand(appl);
        break;
    case UNDO_REDO: {
        if (!appl.Design.History.UndoEnabled())
            break;
        const std::string before = DesignBytes(appl);
        UndoCommand(appl);
        RedoCommand(appl);
        const std::string after = DesignBytes(appl);
        if (after != before)
            return "undo then redo changed the design: " + FirstDifference(before, after);
        break;
    }
    case RIGHT_CLICK:
        TrackCanvasMouseDown(appl, At(x, y, PointerButton::Right));
        TrackCanvasMouseUp(appl, At(x, y, PointerButton::Right));
        break;
    case PART_CLICK: {
        int px = 0, py = 0;
        OnPart(appl, a.A, px, py);
        TrackCanvasMouseDown(appl, At(px, py));
        TrackCanvasMouseUp(appl, At(px, py));
        break;
    }
    case PART_DRAG: {
        int px = 0, py = 0;
        OnPart(appl, a.A, px, py);
        TrackCanvasMouseDown(appl, At(px, py));
        TrackCanvasMouseMove(appl, At(px + 15, py + 5));
        TrackCanvasMouseMove(appl, At(a.B, a.C % (CANVAS_HEIGHT + 40) - 20));
        TrackCanvasMouseUp(appl, At(a.B, a.C % (CANVAS_HEIGHT + 40) - 20));
        break;
    }
    default:
        TrackCanvasMouseMove(appl, At(x, y));
        break;
    }
    return {};
}

bool InTracks(const T_DESIGN& design, const T_TRACK* track) {
    return track >= design.Tracks.data() && track < design.Tracks.data() + MAX_TRACKS &&
           track->InUse;
}

// What must hold after every action; "" when all does.
std::string Broken(A_APPL& appl) {
    const C_VIRELDO& design = appl.Design;
    const T_DESIGN& d = design.Design;
    for (const T_TRACK& track : d.Tracks) {
        if (!track.InUse)
            continue;
        if (track.PartCount < 0 || track.PartCount > MAX_TRACK_PARTS)
            return "a track holds " + std::to_string(track.PartCount) + " parts";
        for (int i = 0; i < track.PartCount; ++i)
            if (!track.Parts[i].Def)
                return "a part without a definition";
    }
    if (design.SelectedTrack && !InTracks(d, design.SelectedTrack))
        return "the selected track is not a track in use";
    const T_PLACEMENT& placement = appl.Canvases.Placement;
    if (placement.Count < 0 || placement.Count > MAX_PLACED)
        return "placement count " + std::to_string(placement.Count);
    for (int i = 0; i < placement.Count; ++i)
        if (!std::isfinite(placement.Entries[i].X) || !std::isfinite(placement.Entries[i].Y) ||
            !placement.Entries[i].Part)
            return "placement entry " + std::to_string(i) + " is not a finite part";
    const F_FREEHAND& layer = design.Freehand;
    if (layer.ShapeCount < 0 || layer.ShapeCount > MAX_SHAPES)
        return "shape count " + std::to_string(layer.ShapeCount);
    if (appl.CurrentPanel() == &appl.Design && design.SelectedShape) {
        if (layer.IndexOfShape(design.SelectedShape) < 0)
            return "the selected shape is not in the layer";
        if (design.SelectedPoint >= design.SelectedShape->PointCount)
            return "the selected point is not one of the shape's";
    }
    if (!design.SelectedShape && design.SelectedPoint != -1)
        return "a selected point without a shape";
    const EditState& edit = appl.Edit;
    const bool onTrack =
        edit.PendingGesture == Gesture::DragTrack || edit.PendingGesture == Gesture::JoinTrack;
    if (onTrack && edit.GestureTrack && !InTracks(d, edit.GestureTrack))
        return "an armed gesture on a track not in use";
    const bool onShape =
        edit.PendingGesture == Gesture::DragShape || edit.PendingGesture == Gesture::MovePoint;
    if (onShape && edit.GestureShape && layer.IndexOfShape(edit.GestureShape) < 0)
        return "an armed gesture on a shape not in the layer";
    if (edit.HoveredEntry >= appl.Palette.Entries->Count)
        return "the hovered palette cell is not a cell";
    if (std::string stale = KeptPlacementDiffers(appl.Canvases); !stale.empty())
        return "a repaint would keep a stale placement: " + stale;
    return {};
}

// A track's label names its slot, and a file read back fills the slots from
// the first: the labels may differ, nothing else.
std::string WithoutTrackLabels(const std::string& text) {
    std::istringstream in(text);
    std::string line, kept;
    while (std::getline(in, line))
        if (line.rfind("# TRACK ", 0) != 0)
            kept += line + "\n";
    return kept;
}

// Saving what was read gives the bytes it was read from, but for the labels.
std::string FilesDiffer(Program& program) {
    A_APPL& appl = *program.Appl;
    const std::string first = DesignBytes(appl);
    const std::string file = program.Folder + "roundtrip.tr3";
    {
        std::ofstream out(file, std::ios::binary);
        out << first;
    }
    T_DESIGN copy(appl.Design.Design.EmptyDef());
    copy.FileName = file;
    ViewOffset offset;
    F_FREEHAND freehand;
    LoadDesign(copy, appl.Library, offset, freehand);
    TextWriter again;
    WriteDesign(copy, offset, freehand, again);
    if (WithoutTrackLabels(again.Content()) == WithoutTrackLabels(first))
        return {};
    return "save, load, save changed the file: " + FirstDifference(first, again.Content());
}

void Measure(A_APPL& appl, EditingReach& reach) {
    int parts = 0, tracks = 0;
    for (const T_TRACK& track : appl.Design.Design.Tracks)
        if (track.InUse) {
            parts += track.PartCount;
            ++tracks;
        }
    reach.Parts = std::max(reach.Parts, parts);
    reach.Tracks = std::max(reach.Tracks, tracks);
    reach.Shapes = std::max(reach.Shapes, static_cast<int>(appl.Design.Freehand.ShapeCount));
}

} // namespace

std::vector<EditAction> RandomActions(uint64_t seed, int count) {
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<int> kind(0, KIND_COUNT - 1), x(-20, CANVAS_WIDTH + 20),
        y(-20, CANVAS_HEIGHT + 20), any(0, 1 << 20);
    std::vector<EditAction> actions;
    actions.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        EditAction a;
        a.Kind = kind(random);
        // Files and new designs are rarer than pointer work, as with a user.
        if ((a.Kind == SAVE_AND_REOPEN || a.Kind == NEW_DESIGN) && any(random) % 8 != 0)
            a.Kind = PALETTE_DOUBLE_CLICK;
        const bool picks = a.Kind == PALETTE_DRAG || a.Kind == PALETTE_DOUBLE_CLICK ||
                           a.Kind == TRACK_COMMAND || a.Kind == FREEHAND_MODE ||
                           a.Kind == FREEHAND_COMMAND || a.Kind == NEW_DESIGN ||
                           a.Kind == PART_CLICK || a.Kind == PART_DRAG;
        a.A = picks ? any(random) % 4096 : x(random);
        a.B = a.Kind == PALETTE_DRAG || a.Kind == PART_DRAG ? x(random) : y(random);
        a.C = a.Kind == PALETTE_DRAG ? y(random) : any(random);
        actions.push_back(a);
    }
    return actions;
}

std::string RunActions(const std::vector<EditAction>& actions, const std::string& folder,
                       EditingReach* reach) {
    Program program(folder);
    for (size_t i = 0; i < actions.size(); ++i) {
        std::string broken = Perform(program, actions[i]);
        if (reach)
            Measure(*program.Appl, *reach);
        if (broken.empty())
            broken = Broken(*program.Appl);
        if (broken.empty() && (i + 1) % CHECK_FILES_EVERY == 0)
            broken = FilesDiffer(program);
        if (!broken.empty())
            return "action " + std::to_string(i + 1) + ": " + broken;
    }
    return {};
}

std::vector<EditAction> Shrink(std::vector<EditAction> actions, const std::string& folder) {
    for (size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
        for (size_t start = 0; start < actions.size();) {
            std::vector<EditAction> fewer = actions;
            const size_t end = std::min(start + chunk, fewer.size());
            fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(start),
                        fewer.begin() + static_cast<std::ptrdiff_t>(end));
            if (!RunActions(fewer, folder).empty())
                actions = std::move(fewer);
            else
                start += chunk;
        }
    }
    return actions;
}

std::string FormatActions(const std::vector<EditAction>& actions) {
    std::ostringstream out;
    for (const EditAction& a : actions)
        out << a.Kind << ' ' << a.A << ' ' << a.B << ' ' << a.C << '\n';
    return out.str();
}

std::vector<EditAction> ParseActions(const std::string& text) {
    std::istringstream in(text);
    std::vector<EditAction> actions;
    EditAction a;
    while (in >> a.Kind >> a.A >> a.B >> a.C)
        if (a.Kind >= 0 && a.Kind < KIND_COUNT)
            actions.push_back(a);
    return actions;
}
