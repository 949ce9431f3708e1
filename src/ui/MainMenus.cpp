#include "Main.h"

#include "About.h"
#include "HelpWindow.h"
#include "Icons.h"
#include "LayoutCheckDock.h"
#include "RaceView.h"
#include "SuggestDialog.h"
#include "app/Appl.h"
#include "app/DesignCommands.h"
#include "app/ExportCommands.h"
#include "app/History.h"
#include "app/ReportCommands.h"
#include "app/RoomCommands.h"
#include "app/ViewCommands.h"
#include "edit/CanvasPanel.h"
#include "edit/FreehandEdit.h"
#include "edit/TrackCanvas.h"
#include "edit/TrackCommands.h"
#include "editors/Defeditor.h"
#include "editors/Defeditorpart.h"
#include "editors/Stockedit.h"
#include "i18n/Language.h"
#include "i18n/Translate.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

QAction* TMainForm::NewAction(const char* name, const QString& text, const char* icon,
                              const char* themeIcon) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    if (icon)
        action->setIcon(AppIcon(icon, themeIcon));
    addAction(action);
    return action;
}

// The inventory is edited in its own window; the palette shows the new counts.
void TMainForm::StockEditorMenuClick() {
    if (!StockEditor)
        StockEditor = new TStockEditorForm(ApplRef, this);
    StockEditor->exec();
    ApplRef.Changes.Announce({ChangeKind::Stock});
}

// Made once: it keeps what was asked and the last proposals.
void TMainForm::SuggestLayoutsClick() {
    if (!SuggestForm)
        SuggestForm = new TSuggestForm(ApplRef, this);
    SuggestForm->exec();
}

// The definitions editor and its part drawing window, made once; the main
// window steps aside while they are open and sets its page up again after.
void TMainForm::TrackDefEditorMenuClick() {
    if (!DefEditor) {
        std::vector<QAction*> freehand;
        for (const char* name :
             {"FreePolylineButton", "FreePolygonButton", "FreeRectangleButton",
              "FreeFilledRectangleButton", "FreeTextButton", "FreeEditTextButton", "",
              "FreeColorPickerAction", "FreeMovePointButton", "FreeDeleteShapeButton", "",
              "FreeMeasureButton"})
            freehand.push_back(*name ? findChild<QAction*>(name) : nullptr);
        DefEditorPart = new TDefEditorPartForm(ApplRef, freehand, this);
        DefEditor = new TDefEditorForm(ApplRef, *DefEditorPart, this);
        // A window of the modal editor's own takes the pointer while the editor is open.
        DefEditorPart->setParent(DefEditor, DefEditorPart->windowFlags());
    }
    A_APPL& appl = ApplRef;
    hide();
    SetEditMode(appl, EditMode::Select);
    DefEditor->exec();
    show();
    PageChanged(appl, MainTab->currentIndex());
    SetEditMode(appl, EditMode::Select);
    appl.Changes.Announce({ChangeKind::Palette}); // the definitions may have changed
    RepaintPanel(appl.Canvases);
}

void TMainForm::ShowHelpPage(const char* page) {
    if (!HelpWindow)
        HelpWindow = new THelpWindow(this);
    HelpWindow->ShowPage(QString::fromStdString(ApplRef.HelpDir) + page);
}

void TMainForm::Connect(QAction* action, void (*command)(A_APPL&)) {
    connect(action, &QAction::triggered, this, [this, command] { command(ApplRef); });
}

void TMainForm::Connect(QAction* action, bool (*command)(A_APPL&)) {
    connect(action, &QAction::triggered, this, [this, command] { command(ApplRef); });
}

void TMainForm::BuildTopToolbars() {
    auto* menuBar = new QMenuBar(this);
    QMenu* file = menuBar->addMenu(Texts::tr("&File"));
    QMenu* edit = menuBar->addMenu(Texts::tr("&Edit"));
    QMenu* options = menuBar->addMenu(Texts::tr("&Options"));
    QMenu* view = menuBar->addMenu(Texts::tr("&View"));
    QMenu* room = menuBar->addMenu(Texts::tr("&Room"));
    QMenu* help = menuBar->addMenu(Texts::tr("&Help"));
    BuildMenus(file, edit, options, room, help);
    BuildViewMenu(view);
    QToolBar* menus = NewToolbar(Texts::Mark("Menu Toolbar"), this, Qt::TopToolBarArea);
    menus->addWidget(menuBar);
    addToolBarBreak();
    BuildFreehandToolbar();
    BuildGridToolbars();
}

void TMainForm::BuildMenus(QMenu* file, QMenu* edit, QMenu* options, QMenu* room, QMenu* help) {
    BuildFileMenu(file);
    BuildEditMenu(edit);
    BuildOptionsMenu(options);
    QAction* newRoom = NewAction("NewRoomMenu", Texts::tr("&New room wizard"), "new_room");
    newRoom->setShortcut(QKeySequence("Ctrl+N"));
    Connect(newRoom, NewRoomCommand);
    QAction* openRoom = NewAction("OpenRoomMenu", Texts::tr("&Open room..."), "open_room");
    openRoom->setShortcut(QKeySequence("Ctrl+M"));
    Connect(openRoom, OpenRoomCommand);
    QAction* saveRoom = NewAction("SaveRoomMenu", Texts::tr("&Save"), "save_room");
    saveRoom->setShortcut(QKeySequence("Ctrl+I"));
    Connect(saveRoom, SaveRoomCommand);
    QAction* saveRoomAs = NewAction("SaveAsRoomMenu", Texts::tr("Save &As..."), nullptr);
    Connect(saveRoomAs, SaveAsRoomCommand);
    room->addActions({newRoom, openRoom, saveRoom, saveRoomAs});
    QAction* topics =
        NewAction("HelpTopicsMenu", Texts::tr("&Help Topics"), "help", "help-contents");
    topics->setShortcut(QKeySequence(Qt::Key_F1));
    connect(topics, &QAction::triggered, this, [this] { ShowHelpPage("Manual/index.html"); });
    QAction* tutorial = NewAction("TutorialMenu", Texts::tr("&Tutorial"), nullptr);
    connect(tutorial, &QAction::triggered, this,
            [this] { ShowHelpPage("Manual/tutorial/index.html"); });
    QAction* about = NewAction("AboutMenu", Texts::tr("&About..."), "about", "help-about");
    connect(about, &QAction::triggered, this, [this] { AboutBox->exec(); });
    help->addActions({topics, tutorial});
    help->addSeparator();
    help->addAction(about);
}

void TMainForm::BuildFileMenu(QMenu* file) {
    QAction* newDesign =
        NewAction("NewMenu", Texts::tr("&New design wizard"), "new_design", "document-new");
    Connect(newDesign, NewDesignWizardCommand);
    QAction* open =
        NewAction("OpenMenu", Texts::tr("&Open design..."), "open_design", "document-open");
    open->setShortcut(QKeySequence("Ctrl+O"));
    connect(open, &QAction::triggered, this, [this] { OpenDesign(ApplRef, ""); });
    QAction* importTrk = NewAction("ImportTrkMenu", Texts::tr("Import .tr&k..."), nullptr);
    importTrk->setVisible(false);
    Connect(importTrk, ImportTrkCommand);
    QAction* importTr2 = NewAction("ImportTr2Menu", Texts::tr("Import .tr&2..."), nullptr);
    Connect(importTr2, ImportTr2Command);
    QAction* save = NewAction("SaveMenu", Texts::tr("&Save"), "save_design", "document-save");
    save->setShortcut(QKeySequence("Ctrl+S"));
    Connect(save, SaveCommand);
    QAction* saveAs =
        NewAction("SaveAsMenu", Texts::tr("Save &As..."), nullptr, "document-save-as");
    Connect(saveAs, SaveAsCommand);
    QAction* suggest = NewAction("SuggestLayoutsMenu", Texts::tr("Suggest &Layouts..."), nullptr);
    connect(suggest, &QAction::triggered, this, &TMainForm::SuggestLayoutsClick);
    file->addActions({newDesign, open, suggest, importTrk, importTr2, save, saveAs});
    file->addSeparator();
    QAction* inventory = NewAction("StockEditorMenu", Texts::tr("&Inventory Editor"), "inventory");
    connect(inventory, &QAction::triggered, this, &TMainForm::StockEditorMenuClick);
    file->addAction(inventory);
    QAction* definitions =
        NewAction("TrackDefEditorMenu", Texts::tr("Track &Definitions Editor"), "definitions");
    connect(definitions, &QAction::triggered, this, &TMainForm::TrackDefEditorMenuClick);
    file->addAction(definitions);
    file->addSeparator();
    QAction* pageSetup = NewAction("PageSetupMenu", Texts::tr("Page S&etup..."), nullptr);
    connect(pageSetup, &QAction::triggered, this, &TMainForm::PageSetupMenuClick);
    file->addAction(pageSetup);
    AddOption(file, "PrintMonochromeMenu", Texts::Mark("Print &Monochrome"), nullptr,
              ViewOption::PrintMono);
    QAction* print =
        NewAction("PrintMenu", Texts::tr("&Print Design..."), "print_design", "document-print");
    print->setShortcut(QKeySequence("Ctrl+P"));
    connect(print, &QAction::triggered, this, &TMainForm::PrintMenuClick);
    file->addAction(print);
    QAction* printAtScale = NewAction("PrintAtScaleMenu", Texts::tr("Print at &Scale..."), nullptr);
    connect(printAtScale, &QAction::triggered, this, &TMainForm::PrintAtScaleClick);
    file->addAction(printAtScale);
    file->addSeparator();
    QAction* tracklist =
        NewAction("ShowTracklistMenu", Texts::tr("Show &Tracklist (HTML)..."), "show_html");
    Connect(tracklist, ShowTracklistCommand);
    file->addAction(tracklist);
    QAction* gif = NewAction("SaveAsGIF", Texts::tr("Save screen as .&GIF"), "save_gif");
    connect(gif, &QAction::triggered, this, &TMainForm::SaveGIFClick);
    file->addAction(gif);
    QAction* exportLayout = NewAction("ExportMenu", Texts::tr("&Export..."), nullptr);
    Connect(exportLayout, ExportLayoutCommand);
    file->addAction(exportLayout);
    file->addSeparator();
    for (int i = 0; i < 4; ++i) {
        LastFileMenus[i] = NewAction(("LastFile" + std::to_string(i + 1) + "Menu").c_str(),
                                     QString("&%1 x").arg(i + 1), nullptr);
        connect(LastFileMenus[i], &QAction::triggered, this,
                [this, i] { OpenRecentFile(ApplRef, i + 1); });
        file->addAction(LastFileMenus[i]);
    }
    LastFileLineMenu = file->addSeparator();
    LastFileLineMenu->setObjectName("LastFileLineMenu");
    QAction* exit = NewAction("ExitMenu", Texts::tr("E&xit"), "exit", "application-exit");
    connect(exit, &QAction::triggered, this, &TMainForm::ExitMenuClick);
    file->addAction(exit);
}

void TMainForm::BuildEditMenu(QMenu* edit) {
    QAction* undo = NewAction("UndoItemMenu", Texts::tr("&Undo design"), "undo", "edit-undo");
    undo->setShortcut(QKeySequence("Ctrl+Z"));
    Connect(undo, UndoCommand);
    UndoActions.push_back(undo);
    QAction* redo = NewAction("RedoItemMenu", Texts::tr("&Redo design"), "redo", "edit-redo");
    redo->setShortcut(QKeySequence("Ctrl+Y"));
    Connect(redo, RedoCommand);
    RedoActions.push_back(redo);
    edit->addActions({undo, redo});
    edit->addSeparator();
    QAction* insertTrack = NewAction("InsertTrackMenu", Texts::tr("I&nsert Track"), "insert_track");
    insertTrack->setShortcut(QKeySequence("Ctrl+T"));
    connect(insertTrack, &QAction::triggered, this,
            [this] { SetEditMode(ApplRef, EditMode::InsertTrack); });
    QAction* deleteTrack = NewAction("DeleteTrackMenu", Texts::tr("D&elete Track"), "delete_track");
    deleteTrack->setShortcut(QKeySequence("Ctrl+X"));
    Connect(deleteTrack, DeleteTrackCommand);
    edit->addActions({insertTrack, deleteTrack});
    edit->addSeparator();
    QAction* deleteSection = NewAction("DeleteTrackSectionMenu",
                                       Texts::tr("&Delete Track Selection"), "delete_sections");
    deleteSection->setShortcut(QKeySequence::Delete);
    Connect(deleteSection, DeleteSectionsCommand);
    edit->addAction(deleteSection);
    edit->addSeparator();
    // Ctrl+S stays with "Save"; deleting a shape gets its own key.
    QAction* deleteShape =
        NewAction("DeleteFreehandShape", Texts::tr("Delete Freehand &Shape"), "delete_shape");
    deleteShape->setShortcut(QKeySequence("Ctrl+Shift+S"));
    Connect(deleteShape, FreeDeleteShapeCommand);
    edit->addAction(deleteShape);
    edit->addSeparator();
    QAction* overwrite = NewAction("ToggleOverwriteMenu", Texts::tr("Toggle Overwri&te"), nullptr);
    connect(overwrite, &QAction::triggered, this, &TMainForm::OverwriteButtonClick);
    edit->addAction(overwrite);
    // Escape leaves a drag or a waiting mode; it needs no menu entry.
    QAction* cancel = NewAction("CancelEditing", Texts::tr("Cancel"), nullptr);
    cancel->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(cancel, &QAction::triggered, this, [this] {
        if (!StopRace())
            CancelEditing(ApplRef);
    });
}

// The layout check: a dock on the right, opened here and from its button.
void TMainForm::BuildViewMenu(QMenu* view) {
    LayoutCheck = new TLayoutCheckDock(ApplRef, this);
    addDockWidget(Qt::RightDockWidgetArea, LayoutCheck);
    LayoutCheck->hide();
    QAction* toggle = LayoutCheck->toggleViewAction();
    toggle->setObjectName("LayoutCheckMenu");
    toggle->setText(Texts::tr("&Layout Check"));
    toggle->setIcon(AppIcon("layout_check"));
    toggle->setToolTip(Texts::tr("Layout Check: open loops, overlaps, lane lengths, parts to buy"));
    toggle->setShortcut(QKeySequence(Qt::Key_F8));
    addAction(toggle);
    view->addAction(toggle);
    if (auto* bar = findChild<QToolBar*>("FileToolbar"))
        bar->addAction(toggle);
    QAction* close = NewAction("CloseLoopMenu", Texts::tr("&Close Loop..."), nullptr);
    connect(close, &QAction::triggered, this, [this] { CloseLoopCommand(ApplRef); });
    view->addAction(close);
    QAction* fit =
        NewAction("CenterZoomMenu", Texts::tr("Center and &Zoom"), "center_zoom", "zoom-fit-best");
    connect(fit, &QAction::triggered, this, [this] { CentreAndZoomPageCommand(ApplRef); });
    view->addAction(fit);
    view->addSeparator();
    AddOption(view, "PaletteCodesMenu", Texts::Mark("Part Codes in &Palette"), nullptr,
              ViewOption::PaletteCodes);
    AddOption(view, "ShowHeightsMenu", Texts::Mark("Show &Heights"), nullptr,
              ViewOption::ShowHeights);
    view->addSeparator();
    BuildLapActions(view);
    TrackCanvas->Overlay = [this](QPainter& painter) {
        LayoutCheck->DrawMarks(painter);
        Racing->Draw(painter);
    };
}

void TMainForm::AddOption(QMenu* menu, const char* name, const char* text, const char* shortcut,
                          ViewOption option) {
    QAction* action = NewAction(name, Texts::tr(text), nullptr);
    action->setCheckable(true);
    if (shortcut)
        action->setShortcut(QKeySequence(shortcut));
    connect(action, &QAction::triggered, this, [this, option] {
        ToggleOption(ApplRef, option);
        RefreshOptionChecks();
    });
    OptionActions[option] = action;
    menu->addAction(action);
}

void TMainForm::RefreshOptionChecks() {
    for (auto& [option, action] : OptionActions)
        action->setChecked(OptionValue(ApplRef, option));
    const QString unit = ApplRef.Metric ? " cm" : " in";
    DesignGridUnit->setText(unit);
    RoomGridUnit->setText(unit);
    if (PointerPanel) // the read-outs in the unit chosen, without waiting for the pointer
        ShowPointerPosition(*PointerPanel, PointerAt.x(), PointerAt.y());
}

void TMainForm::BuildOptionsMenu(QMenu* options) {
    AddOption(options, "MetricMenu", Texts::Mark("&Metric"), "Ctrl+Alt+M", ViewOption::Metric);
    AddOption(options, "FilledMenu", Texts::Mark("&Filled"), "Ctrl+Alt+F", ViewOption::Filled);
    AddOption(options, "RulerMenu", Texts::Mark("&Ruler"), "Ctrl+Alt+R", ViewOption::Ruler);
    AddOption(options, "ColorLanesMenu", Texts::Mark("&Color Lanes"), "Ctrl+Alt+L",
              ViewOption::ColorLanes);
    options->addSeparator();
    AddOption(options, "ColorOutOfStockMenu", Texts::Mark("Color O&ut of stock"), "Ctrl+Alt+U",
              ViewOption::ColorOutOfStock);
    AddOption(options, "ShowOutOfStockMenu", Texts::Mark("Show Ou&t of stock"), "Ctrl+Alt+T",
              ViewOption::ShowOutOfStock);
    AddOption(options, "ShowPointsMenu", Texts::Mark("&Show Points"), "Ctrl+Alt+S",
              ViewOption::ShowPoints);
    AddOption(options, "ShowPartCodesMenu", Texts::Mark("Show &Part Codes"), "Ctrl+Alt+C",
              ViewOption::ShowPartCodes);
    options->addSeparator();
    AddOption(options, "DesignGridMenu", Texts::Mark("&Design Grid"), "Ctrl+Alt+D",
              ViewOption::DesignGrid);
    AddOption(options, "RoomGridMenu", Texts::Mark("R&oom Grid"), "Ctrl+Alt+O",
              ViewOption::RoomGrid);
    options->addSeparator();
    BuildLanguageMenu(options->addMenu(Texts::tr("&Language")));
}

// Each language in its own name; the one chosen is checked.
void TMainForm::BuildLanguageMenu(QMenu* menu) {
    menu->setObjectName("LanguageMenu");
    auto* group = new QActionGroup(menu);
    std::vector<std::pair<std::string, QString>> choices = {{"", Texts::tr("System language")}};
    for (const ShippedLanguage& language : ShippedLanguages())
        choices.emplace_back(language.Code, QString::fromUtf8(language.Name));
    for (const auto& [code, name] : choices) {
        QAction* action = menu->addAction(name);
        action->setObjectName(QString::fromStdString("Language_" + code));
        action->setCheckable(true);
        action->setActionGroup(group);
        connect(action, &QAction::triggered, this,
                [this, code] { ChooseLanguageCommand(ApplRef, code); });
    }
    // The setting is read after the menus are made: the check follows it.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        for (QAction* action : menu->actions())
            action->setChecked(action->objectName().toStdString() ==
                               "Language_" + ApplRef.Language);
    });
}
