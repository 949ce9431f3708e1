#pragma once
#include "AppWindow.h"
#include "Changes.h"
#include "Dialogs.h"
#include "EditModes.h"
#include "defs/Definitions.h"
#include "render/Repaint.h"
#include "render/TemplateStyle.h"
#include "sim/LapSimulation.h"

#include <array>
#include <memory>
#include <string>

constexpr int RECENT_FILE_COUNT = 4;

// The pages of the main window, as CurrentTab numbers them.
constexpr int TAB_DESIGN = 1;
constexpr int TAB_INFO = 2;
constexpr int TAB_ROOM = 3;
constexpr int TAB_DEFINE = 4; // while the definitions editor is open

// A drag that a press may start once the pointer leaves the drag distance
// with the button still down.
enum class Gesture { None, DragTrack, JoinTrack, DragPart, DragShape, MovePoint };

// Where the palette ghost was last drawn, so that drawing it again there erases it.
enum class GhostCanvas { None, PartSelector, Design };

// The shared editing state; the track selection lives in the design canvas.
struct EditState {
    EditMode Mode = EditMode::Select;
    ScreenPoint DragStart;
    float DragOriginX = 0.0f;
    float DragOriginY = 0.0f;
    // What a cancelled drag or rotation puts back.
    QuarterDegrees DragOriginAngle = 0;
    bool PendingPreview = false;
    bool DistanceActive = false;
    ScreenPoint DistanceOrigin;
    // Drag detection: the press that may start a gesture and what it hit.
    bool LeftDown = false;
    Gesture PendingGesture = Gesture::None;
    ScreenPoint GestureStart;
    T_TRACK* GestureTrack = nullptr;
    int GesturePart = -1; // or the point of GestureShape
    F_SHAPE* GestureShape = nullptr;
    // Forgets the armed gesture and what it grabbed: a command changed the
    // tracks or shapes while the button was down.
    void DropGesture() {
        PendingGesture = Gesture::None;
        GestureTrack = nullptr;
        GestureShape = nullptr;
        GesturePart = -1;
    }
    // What the text dialog's size field holds: the last valid size typed.
    std::string TextSize = "8";
    // The palette: the cell under the pointer (-1: none), the dragged cell
    // and the part highlighted under it with its own fill colour.
    int HoveredEntry = -1;
    T_PLACED DragGhost;
    T_PART GhostPart; // what DragGhost shows and a drop inserts
    GhostCanvas GhostOn = GhostCanvas::None;
    float GhostScale = 1.0f;
    // The part tinted under the ghost or a join source: an entry of the
    // placement at one build of it (DropTargetOf finds it while it lasts).
    int DropTargetEntry = -1;
    unsigned long long DropTargetBuild = 0;
    Rgb DropTargetColor = RGB_BLACK;
    // A pan with the middle button: where it began and the offset then.
    P_PANEL* PanPanel = nullptr;
    ScreenPoint PanStart;
    ViewOffset PanOrigin;
};

// The application object: all state of one run. Window classes receive it;
// nothing of it is freed before the process ends.
class RecoveryKeeper;

class A_APPL {
  public:
    explicit A_APPL(const std::string& programDir);
    ~A_APPL();
    A_APPL(const A_APPL&) = delete;
    A_APPL& operator=(const A_APPL&) = delete;

    bool Metric = true;
    std::string ProgramDir; // with a trailing separator: what the program reads and writes
    std::string HelpDir;    // the folder that holds Manual/
    std::string LastUsedPath;
    std::array<std::string, RECENT_FILE_COUNT> RecentFiles;
    bool WizardStartup = true;
    bool PrintMono = false;
    EditState Edit;
    int32_t CurrentTab = 0;
    L_PARTDEF EmptyPart;
    C_VIRELDO Design{&EmptyPart};
    C_ROOM Room;
    C_DEFINE Define;
    C_PALETTE Palette;
    // The yellow part that shows where a double-click on the palette adds.
    T_PLACED InsertPreview;
    // Dropped parts are inserted; off, they overwrite the part they land on.
    bool InsertMode = true;
    // The car the lap times and the race view drive: a preset or "Custom".
    CarPreset RaceCar = CarPresets().front();
    // The style the true-scale outputs were last asked for.
    TrueScaleStyle OutputStyle = TrueScaleStyle::Template;
    L_DEFINITIONS Library;
    std::unique_ptr<T_PLACEMENT> DrawList = NewPlacement();
    CanvasSet Canvases{Design, Room, Define, *DrawList, nullptr, Metric};

    // The values of the settings that start-up uses after reading them.
    std::string StoredBrand;
    std::string StoredRoom;
    // The language the user chose (a shipped code), empty for the system's;
    // it applies at the next start.
    std::string Language;
    int StoredWindowState = -1; // none stored

    P_PANEL* CurrentPanel() const { return Canvases.Current; }
    void SetCurrentPanel(P_PANEL* panel) { Canvases.Current = panel; }

    std::string SettingsFile; // empty: the user's settings store
    std::string RecoveryDir;  // empty: the user's data folder
    std::unique_ptr<RecoveryKeeper> Recovery;
    // A recovered design is saved where the user says, not over its file unasked.
    bool SaveAsksName = false;

    AppDialogs& Dialogs() { return *DialogsImpl; }
    bool HasDialogs() const { return DialogsImpl != nullptr; }
    // Tests install scripted dialogs here.
    void SetDialogs(std::unique_ptr<AppDialogs> dialogs) { DialogsImpl = std::move(dialogs); }
    std::unique_ptr<AppDialogs> TakeDialogs() { return std::move(DialogsImpl); }
    // The main window, once it exists.
    AppWindow* Window = nullptr;
    // What the commands changed, for the views that show it.
    ChangeBoard Changes;

  private:
    std::unique_ptr<AppDialogs> DialogsImpl;
};
