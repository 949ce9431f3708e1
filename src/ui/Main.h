#pragma once
#include "app/AppWindow.h"

#include <QMainWindow>
#include <array>
#include <map>

class A_APPL;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;
class QSlider;
class QTabWidget;
class TInfoPage;
class QToolBar;
class QToolButton;
class TAboutBox;
class THelpWindow;
class QDoubleSpinBox;
class TLayoutCheckDock;
class TRaceView;
class TSpeedTraceDock;
class TStockEditorForm;
class TSuggestForm;
class TDefEditorForm;
class TDefEditorPartForm;
class TCanvasPanel;
class TStatusBar;
class TTrackPopupForm;
enum class ViewOption;
struct P_PANEL;

// The main window: the Design, Info and Room pages, the menus, the dockable
// toolbars and the status bar. Creating it runs the program's start-up; when
// that finds no track definitions, Started() is false.
class TMainForm : public QMainWindow, public AppWindow {
    Q_OBJECT
  public:
    explicit TMainForm(A_APPL& appl);
    ~TMainForm() override;
    bool Started() const { return StartedOk; }
    A_APPL& Appl() { return ApplRef; }

    // The window's components, by the names the program gives them.
    QTabWidget* MainTab = nullptr;
    TCanvasPanel* TrackCanvas = nullptr;
    TCanvasPanel* RoomCanvas = nullptr;
    TCanvasPanel* PartSelector = nullptr;
    QScrollBar* PartSelectorScrollBar = nullptr;
    TInfoPage* InfoPage = nullptr;
    TStatusBar* StatusBar = nullptr;
    std::array<QAction*, 4> LastFileMenus{};
    QAction* LastFileLineMenu = nullptr;
    QToolButton* OverwriteButton = nullptr;
    QCheckBox* BorderSet = nullptr;
    QLineEdit* ZoomFactor = nullptr;
    QSlider* ZoomBar = nullptr;
    QLineEdit* RoomZoomFactor = nullptr;
    QSlider* RoomZoomBar = nullptr;
    QLineEdit* InfoDesignGridX = nullptr;
    QLineEdit* InfoDesignGridY = nullptr;
    QLineEdit* InfoRoomGridX = nullptr;
    QLineEdit* InfoRoomGridY = nullptr;
    // The unit of the grid spacings: centimetres, or inches without Metric.
    QLabel* DesignGridUnit = nullptr;
    QLabel* RoomGridUnit = nullptr;
    QLineEdit* FreePenWidth = nullptr;
    QToolButton* FreeColorPicker = nullptr;
    TTrackPopupForm* TrackPopup = nullptr;

    // AppWindow
    void SetStatusText(StatusBarId bar, int panel, const std::string& text) override;
    void SetPointer(CanvasId canvas, PointerShape shape) override;
    void ReleasePointerCapture() override;
    void CapturePointer(CanvasId canvas) override;
    void EnableTrackButtons(bool enabled) override;
    void EnableShapeButtons(bool deleteShape, bool editText) override;
    void EnableUndoRedo(bool undo, bool redo) override;
    void SetCaption(const std::string& caption) override;
    void ShowRecentFiles(const std::array<std::string, 4>& files) override;
    void SetHint(CanvasId canvas, const std::string& text) override;
    void ShowTrackPopup(int screenX, int screenY, const std::string& lane1,
                        const std::string& lane2) override;
    void MoveTrackPopup(int screenX, int screenY) override;
    void HideTrackPopup() override;
    void ShowPanelZoom(CanvasId canvas, float zoom) override;
    void SetPaletteScrollMaximum(int maximum) override;
    void ShowInfoPage(TrackListPage page) override;
    void OpenInBrowser(const std::string& fileName) override;
    JobResult RunJob(const std::string& title, const std::string& steps,
                     const std::function<bool(JobProgress&)>& job) override;
    TLayoutCheckDock* LayoutCheck = nullptr;
    TSpeedTraceDock* SpeedTrace = nullptr;
    TRaceView* Racing = nullptr;
    QAction* RaceAction = nullptr;
    QDoubleSpinBox* RaceSpeed = nullptr;
    // Stops a running race; false when none ran.
    bool StopRace();

    // The handlers the menus and buttons call.
    void OverwriteButtonClick();
    void MainTabChanging();
    void MainTabChange(int index);
    void ExitMenuClick();
    void SaveGIFClick();
    void PrintMenuClick();
    void PrintAtScaleClick();
    void PageSetupMenuClick();
    void FreeColorPickerChange();
    void StockEditorMenuClick();
    void SuggestLayoutsClick();
    void TrackDefEditorMenuClick();
    TDefEditorForm* DefEditor = nullptr;
    TDefEditorPartForm* DefEditorPart = nullptr;
    TStockEditorForm* StockEditor = nullptr;
    TSuggestForm* SuggestForm = nullptr;
    // The manual's pages in the program's own help window.
    void ShowHelpPage(const char* page);
    THelpWindow* HelpWindow = nullptr;
    // The pointer's world position (or its distance from a measuring start)
    // in the status bar.
    void ShowPointerPosition(const P_PANEL& panel, int x, int y);
    // Where the pointer was last seen over a canvas, so that a change of the
    // unit shows at once.
    const P_PANEL* PointerPanel = nullptr;
    QPoint PointerAt;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    static constexpr int START_WIDTH = 1180;
    static constexpr int START_HEIGHT = 740;
    void FitIntoScreen();
    bool FormCreate();
    void BindCanvases();
    void ApplySettings();
    void ApplyWindowState(int state);
    int WindowStateValue() const;
    void ShowPenAndColour();
    QWidget* CanvasWidget(CanvasId canvas);

    // Construction, one piece of the window each (MainMenus, MainToolbars, MainPages).
    void BuildMenus(QMenu* file, QMenu* edit, QMenu* options, QMenu* room, QMenu* help);
    void BuildFileMenu(QMenu* file);
    void BuildEditMenu(QMenu* edit);
    void BuildViewMenu(QMenu* view);
    void BuildLapActions(QMenu* view);
    void RefreshLapViews();
    // The palette and the lap views follow what the commands announce.
    void ListenToChanges();
    int PaletteListener = 0;
    int LapViewListener = 0;
    void BuildOptionsMenu(QMenu* options);
    void BuildLanguageMenu(QMenu* menu);
    void BuildPages();
    QWidget* BuildDesignPage();
    QWidget* BuildRoomPage();
    QWidget* BuildPartSelector(QWidget* parent);
    // The canvases' and the palette's pointer events go to the editing handlers.
    void BindPointerHandlers();
    void BindWheel(TCanvasPanel* canvas, P_PANEL& panel);
    void BuildDesignToolbars(QMainWindow* page);
    void BuildTrackToolbar(QMainWindow* trackPanel);
    void BuildRoomToolbars(QMainWindow* page);
    void BuildTopToolbars();
    void BuildFreehandToolbar();
    void BuildGridToolbars();
    QAction* ToolButton(QToolBar* bar, const char* name, const char* caption, const char* hint,
                        const char* icon, const char* themeIcon = nullptr);
    // A zoom field and slider pair of a panel.
    void AddZoomControls(QToolBar* bar, P_PANEL& panel, QLineEdit*& field, QSlider*& slider,
                         const char* fieldName, const char* sliderName);
    QLineEdit* GridField(QToolBar* bar, const char* name, P_PANEL& panel, bool xSpacing);
    QToolBar* NewToolbar(const char* caption, QMainWindow* owner, Qt::ToolBarArea area);
    // An action named as the program names it; it is also the window's, so
    // that its shortcut works wherever its menu or toolbar is.
    QAction* NewAction(const char* name, const QString& text, const char* icon,
                       const char* themeIcon = nullptr);
    void Connect(QAction* action, void (*command)(A_APPL&));
    void Connect(QAction* action, bool (*command)(A_APPL&));
    void AddOption(QMenu* menu, const char* name, const char* text, const char* shortcut,
                   ViewOption option);
    void RefreshOptionChecks();
    void ShowZoom(QLineEdit* field, float zoom);

    A_APPL& ApplRef;
    bool StartedOk = false;
    std::map<ViewOption, QAction*> OptionActions;
    std::vector<QAction*> TrackButtons; // enabled while a track is selected
    std::vector<QAction*> UndoActions;  // menu item and button
    std::vector<QAction*> RedoActions;
    QAction* FreeDeleteShapeButton = nullptr;
    QAction* FreeEditTextButton = nullptr;
    QToolButton* QuickRotateMenu = nullptr;
    TAboutBox* AboutBox = nullptr;
};
