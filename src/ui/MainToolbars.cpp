#include "Main.h"

#include "Icons.h"
#include "app/Appl.h"
#include "app/DesignCommands.h"
#include "app/History.h"
#include "app/ReportCommands.h"
#include "app/RoomCommands.h"
#include "app/ViewCommands.h"
#include "edit/FreehandEdit.h"
#include "edit/TrackCommands.h"
#include "i18n/Translate.h"
#include "view/ViewMath.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int ZOOM_FIELD_WIDTH = 70;
constexpr int GRID_FIELD_WIDTH = 60;
constexpr int SLIDER_WIDTH = 160;

} // namespace

QToolBar* TMainForm::NewToolbar(const char* caption, QMainWindow* owner, Qt::ToolBarArea area) {
    auto* bar = new QToolBar(Texts::tr(caption), owner);
    bar->setObjectName(QString(caption).remove(' '));
    bar->setIconSize(QSize(20, 20));
    owner->addToolBar(area, bar);
    return bar;
}

QAction* TMainForm::ToolButton(QToolBar* bar, const char* name, const char* caption,
                               const char* hint, const char* icon, const char* themeIcon) {
    QAction* action = NewAction(name, Texts::tr(caption), icon, themeIcon);
    action->setToolTip(Texts::tr(hint));
    bar->addAction(action);
    return action;
}

void TMainForm::AddZoomControls(QToolBar* bar, P_PANEL& panel, QLineEdit*& field, QSlider*& slider,
                                const char* fieldName, const char* sliderName) {
    bar->addWidget(new QLabel(Texts::tr(" Zoom:"), bar));
    field = new QLineEdit(bar);
    field->setObjectName(fieldName);
    field->setFixedWidth(ZOOM_FIELD_WIDTH);
    field->setToolTip(Texts::tr("Set Zoom factor numeric"));
    bar->addWidget(field);
    slider = new QSlider(Qt::Horizontal, bar);
    slider->setObjectName(sliderName);
    slider->setRange(ZOOM_BAR_MIN, ZOOM_BAR_MAX);
    slider->setValue(ZOOM_BAR_START);
    slider->setFixedWidth(SLIDER_WIDTH);
    slider->setToolTip(Texts::tr("Zoom"));
    bar->addWidget(slider);
    QLineEdit* shown = field;
    connect(slider, &QSlider::valueChanged, this, [this, &panel, shown](int position) {
        shown->setText(QString::fromStdString(ZoomBarMoved(ApplRef, panel, position)));
    });
    connect(field, &QLineEdit::editingFinished, this, [this, &panel, shown] {
        const std::string text = shown->text().toLatin1().toStdString();
        shown->setText(QString::fromStdString(ZoomEntered(ApplRef, panel, text)));
    });
}

void TMainForm::BuildDesignToolbars(QMainWindow* page) {
    QToolBar* file = NewToolbar(Texts::Mark("File Toolbar"), page, Qt::TopToolBarArea);
    Connect(ToolButton(file, "NewDesignButton", Texts::Mark("New Design"),
                       Texts::Mark("New Design"), "new_design", "document-new"),
            NewDesignWizardCommand);
    connect(ToolButton(file, "OpenDesignButton", Texts::Mark("Open Design"),
                       Texts::Mark("Open Design"), "open_design", "document-open"),
            &QAction::triggered, this, [this] { OpenDesign(ApplRef, ""); });
    Connect(ToolButton(file, "SaveButton", Texts::Mark("Save Design"),
                       Texts::Mark("Save Current Design"), "save_design", "document-save"),
            SaveCommand);
    connect(ToolButton(file, "PrintButton", Texts::Mark("Print Design"),
                       Texts::Mark("Print Current Design"), "print_design", "document-print"),
            &QAction::triggered, this, &TMainForm::PrintMenuClick);
    connect(ToolButton(file, "InventoryButton", Texts::Mark("Inventory Editor"),
                       Texts::Mark("Inventory Editor"), "inventory"),
            &QAction::triggered, this, &TMainForm::StockEditorMenuClick);
    connect(ToolButton(file, "TrackDefinitionButton", Texts::Mark("Track Definition Editor"),
                       Texts::Mark("Track Definition Editor"), "definitions"),
            &QAction::triggered, this, &TMainForm::TrackDefEditorMenuClick);
    Connect(ToolButton(file, "ShowHtmlButton", Texts::Mark("Show HTML"),
                       Texts::Mark("Show Design as HTML"), "show_html"),
            ShowTracklistCommand);
    connect(ToolButton(file, "SaveGifButton", Texts::Mark("Save GIF"),
                       Texts::Mark("Save screen as .GIF"), "save_gif"),
            &QAction::triggered, this, &TMainForm::SaveGIFClick);
    file->addSeparator();
    connect(
        ToolButton(file, "SelectButton", Texts::Mark("Select"), Texts::Mark("Select"), "select"),
        &QAction::triggered, this, [this] { SetEditMode(ApplRef, EditMode::Select); });
    connect(ToolButton(file, "MoveButton", Texts::Mark("Move"), Texts::Mark("Move origin"), "move"),
            &QAction::triggered, this, [this] { SetEditMode(ApplRef, EditMode::MoveStart); });
    file->addSeparator();
    QAction* undo = ToolButton(file, "UndoButton", Texts::Mark("Undo"), Texts::Mark("Undo"), "undo",
                               "edit-undo");
    Connect(undo, UndoCommand);
    UndoActions.push_back(undo);
    QAction* redo = ToolButton(file, "RedoButton", Texts::Mark("Redo"), Texts::Mark("Redo"), "redo",
                               "edit-redo");
    Connect(redo, RedoCommand);
    RedoActions.push_back(redo);

    QToolBar* insert = NewToolbar(Texts::Mark("Insert Toolbar"), page, Qt::TopToolBarArea);
    OverwriteButton = new QToolButton(insert);
    OverwriteButton->setObjectName("OverwriteButton");
    OverwriteButton->setText(Texts::tr("Inser&t"));
    OverwriteButton->setToolTip(Texts::tr("Edit mode of drag & drop parts"));
    OverwriteButton->setIcon(AppIcon("insert_mode"));
    OverwriteButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(OverwriteButton, &QToolButton::clicked, this, &TMainForm::OverwriteButtonClick);
    insert->addWidget(OverwriteButton);

    QToolBar* border = NewToolbar(Texts::Mark("Border Toolbar"), page, Qt::TopToolBarArea);
    BorderSet = new QCheckBox(Texts::tr("&Set border"), border);
    BorderSet->setObjectName("BorderSet");
    BorderSet->setToolTip(Texts::tr("Add or Remove borders?"));
    BorderSet->setChecked(true);
    border->addWidget(BorderSet);
    connect(ToolButton(border, "InnerBorder", Texts::Mark("&Inner"),
                       Texts::Mark("Add or Remove Inner Border"), "inner_border"),
            &QAction::triggered, this,
            [this] { BorderCommand(ApplRef, true, BorderSet->isChecked()); });
    connect(ToolButton(border, "OuterBorder", Texts::Mark("&Outer"),
                       Texts::Mark("Add or Remove Outer Border"), "outer_border"),
            &QAction::triggered, this,
            [this] { BorderCommand(ApplRef, false, BorderSet->isChecked()); });
    border->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    QToolBar* zoom = NewToolbar(Texts::Mark("Zoom Toolbar"), page, Qt::TopToolBarArea);
    connect(ToolButton(zoom, "MaxCenterZoom", Texts::Mark("Center and Zoom"),
                       Texts::Mark("Center and maximize zoom"), "center_zoom", "zoom-fit-best"),
            &QAction::triggered, this,
            [this] { ZoomFactor->setText(QString::fromStdString(CentreAndZoomCommand(ApplRef))); });
    AddZoomControls(zoom, ApplRef.Design, ZoomFactor, ZoomBar, "ZoomFactor", "ZoomBar");
}

void TMainForm::BuildTrackToolbar(QMainWindow* trackPanel) {
    QToolBar* track = NewToolbar(Texts::Mark("Track Toolbar"), trackPanel, Qt::LeftToolBarArea);
    track->setOrientation(Qt::Vertical);
    auto add = [&](const char* name, const char* caption, const char* hint, const char* icon,
                   void (*command)(A_APPL&)) {
        QAction* action = ToolButton(track, name, caption, hint, icon);
        TrackButtons.push_back(action);
        Connect(action, command);
        return action;
    };
    auto enter = [this](QAction* action, EditMode mode) {
        connect(action, &QAction::triggered, this, [this, mode] { EnterTrackMode(ApplRef, mode); });
    };
    add("DeleteSectionButton", Texts::Mark("Delete Sections"),
        Texts::Mark("Delete selected track sections"), "delete_sections", DeleteSectionsCommand);
    track->addSeparator();
    add("AnchorSectionButton", Texts::Mark("Anchor Section"),
        Texts::Mark("Anchor selected section"), "anchor_section", AnchorSectionCommand);
    track->addSeparator();
    add("RaiseTrackButton", Texts::Mark("Raise Track"),
        Texts::Mark("Raise selected track sections"), "raise_track", RaiseTrackCommand);
    add("LowerTrackButton", Texts::Mark("Lower Track"),
        Texts::Mark("Lower selected track sections"), "lower_track", LowerTrackCommand);
    track->addSeparator();
    connect(ToolButton(track, "InsertTrackButton", Texts::Mark("Insert Track"),
                       Texts::Mark("Insert Track"), "insert_track"),
            &QAction::triggered, this, [this] { SetEditMode(ApplRef, EditMode::InsertTrack); });
    add("DeleteTrackButton", Texts::Mark("Delete Track"), Texts::Mark("Delete selected Track"),
        "delete_track", DeleteTrackCommand);
    track->addSeparator();
    QAction* copy = ToolButton(track, "CopyTrackButton", Texts::Mark("Copy Track"),
                               Texts::Mark("Copy selected Track"), "copy_track");
    TrackButtons.push_back(copy);
    enter(copy, EditMode::CopyTrack);
    add("MirrorButton", Texts::Mark("Mirror Track"), Texts::Mark("Mirror selected track"),
        "mirror_track", MirrorTrackCommand);
    track->addSeparator();
    QAction* split =
        ToolButton(track, "SplitTrackButton", Texts::Mark("Split Track"),
                   Texts::Mark("Split selected track into two seperate tracks"), "split_track");
    TrackButtons.push_back(split);
    enter(split, EditMode::SplitTrack);
    connect(ToolButton(track, "JoinTrackButton", Texts::Mark("Join Track"),
                       Texts::Mark("Join two tracks"), "join_track"),
            &QAction::triggered, this, [this] { SetEditMode(ApplRef, EditMode::JoinTrackStart); });
    track->addSeparator();
    QuickRotateMenu = new QToolButton(track);
    QuickRotateMenu->setObjectName("QuickRotateMenu");
    QuickRotateMenu->setText(Texts::tr("Quick Rotate"));
    QuickRotateMenu->setToolTip(Texts::tr("Quick Rotate 90 degrees steps"));
    QuickRotateMenu->setIcon(AppIcon("quick_rotate"));
    QuickRotateMenu->setPopupMode(QToolButton::InstantPopup);
    auto* rotations = new QMenu(QuickRotateMenu);
    struct Turn {
        const char* Name;
        const char* Caption;
        const char* Icon;
        QuarterDegrees Angle;
    };
    for (const Turn& turn : {Turn{"RotateNorthButton", Texts::Mark("North"), "rotate_north", NORTH},
                             Turn{"RotateSouthButton", Texts::Mark("South"), "rotate_south", SOUTH},
                             Turn{"RotateWestButton", Texts::Mark("West"), "rotate_west", WEST},
                             Turn{"RotateEastButton", Texts::Mark("East"), "rotate_east", EAST}}) {
        QAction* action = NewAction(turn.Name, Texts::tr(turn.Caption), turn.Icon);
        action->setToolTip(Texts::tr("Rotate selected track"));
        const QuarterDegrees angle = turn.Angle;
        connect(action, &QAction::triggered, this,
                [this, angle] { QuickRotateCommand(ApplRef, angle); });
        rotations->addAction(action);
    }
    rotations->addSeparator();
    QAction* rotate = NewAction("RotateTrackButton", Texts::tr("Rotate"), "rotate_free");
    rotate->setToolTip(Texts::tr("Rotate selected track"));
    enter(rotate, EditMode::RotateStart);
    rotations->addAction(rotate);
    QuickRotateMenu->setMenu(rotations);
    track->addWidget(QuickRotateMenu);
}

void TMainForm::BuildFreehandToolbar() {
    QToolBar* bar = NewToolbar(Texts::Mark("Freehand Toolbar"), this, Qt::TopToolBarArea);
    auto mode = [this](QAction* action, EditMode editMode) {
        // The freehand commands need a canvas with a freehand layer.
        connect(action, &QAction::triggered, this, [this, editMode] {
            if (ApplRef.CurrentPanel())
                SetEditMode(ApplRef, editMode);
        });
    };
    mode(ToolButton(bar, "FreePolylineButton", Texts::Mark("Insert Polyline"),
                    Texts::Mark("Insert Polyline"), "polyline"),
         EditMode::StartPolyline);
    mode(ToolButton(bar, "FreePolygonButton", Texts::Mark("Insert Polygon"),
                    Texts::Mark("Insert Polygon"), "polygon"),
         EditMode::StartPolygon);
    mode(ToolButton(bar, "FreeRectangleButton", Texts::Mark("Insert Rectangle"),
                    Texts::Mark("Insert Rectangle"), "rectangle"),
         EditMode::StartRectangle);
    mode(ToolButton(bar, "FreeFilledRectangleButton", Texts::Mark("Insert Filled Rectangle"),
                    Texts::Mark("Insert Filled Rectangle"), "filled_rectangle"),
         EditMode::StartRectangleFill);
    mode(ToolButton(bar, "FreeTextButton", Texts::Mark("Insert Text"), Texts::Mark("Insert Text"),
                    "text"),
         EditMode::Text);
    FreeEditTextButton = ToolButton(bar, "FreeEditTextButton", Texts::Mark("Change Selected Text"),
                                    Texts::Mark("Change Selected Text"), "edit_text");
    Connect(FreeEditTextButton, FreeEditTextCommand);
    FreeColorPicker = new QToolButton(bar);
    FreeColorPicker->setObjectName("FreeColorPicker");
    FreeColorPicker->setToolTip(Texts::tr("Change / Select Color"));
    connect(FreeColorPicker, &QToolButton::clicked, this, &TMainForm::FreeColorPickerChange);
    // The same command for the part drawing window's toolbar.
    connect(NewAction("FreeColorPickerAction", Texts::tr("Change / Select Color"), "colour"),
            &QAction::triggered, this, &TMainForm::FreeColorPickerChange);
    bar->addWidget(FreeColorPicker);
    mode(ToolButton(bar, "FreeMovePointButton", Texts::Mark("Move a Point of Selected Shape"),
                    Texts::Mark("Move a Point of Selected Shape"), "move_point"),
         EditMode::StartMovePoint);
    FreeDeleteShapeButton =
        ToolButton(bar, "FreeDeleteShapeButton", Texts::Mark("Delete Selected Shape"),
                   Texts::Mark("Delete Selected Shape"), "delete_shape");
    Connect(FreeDeleteShapeButton, FreeDeleteShapeCommand);
    mode(ToolButton(bar, "FreeMeasureButton", Texts::Mark("Measure Distance"),
                    Texts::Mark("Measure Distance"), "measure"),
         EditMode::StartMeasurement);
    FreePenWidth = new QLineEdit(bar);
    FreePenWidth->setObjectName("FreePenWidth");
    FreePenWidth->setToolTip(Texts::tr("Change / Select Pen Width"));
    FreePenWidth->setMaxLength(8);
    FreePenWidth->setFixedWidth(40);
    connect(FreePenWidth, &QLineEdit::editingFinished, this,
            [this] { FreePenWidthCommand(ApplRef, FreePenWidth->text().toStdString()); });
    bar->addWidget(FreePenWidth)->setVisible(false); // hidden on the main window
}

QLineEdit* TMainForm::GridField(QToolBar* bar, const char* name, P_PANEL& panel, bool xSpacing) {
    auto* field = new QLineEdit(bar);
    field->setObjectName(name);
    field->setFixedWidth(GRID_FIELD_WIDTH);
    bar->addWidget(field);
    connect(field, &QLineEdit::editingFinished, this, [this, field, &panel, xSpacing] {
        const std::string text = field->text().toLatin1().toStdString();
        field->setText(QString::fromStdString(GridEntered(ApplRef, panel, xSpacing, text)));
    });
    return field;
}

void TMainForm::BuildGridToolbars() {
    QToolBar* design = NewToolbar(Texts::Mark("Design Grid Spacings"), this, Qt::TopToolBarArea);
    design->addWidget(new QLabel(Texts::tr(" Design:"), design));
    InfoDesignGridX = GridField(design, "InfoDesignGridX", ApplRef.Design, true);
    design->addWidget(new QLabel("x", design));
    InfoDesignGridY = GridField(design, "InfoDesignGridY", ApplRef.Design, false);
    DesignGridUnit = new QLabel(design);
    DesignGridUnit->setObjectName("DesignGridUnit");
    design->addWidget(DesignGridUnit);
    QToolBar* room = NewToolbar(Texts::Mark("Room Grid Spacings"), this, Qt::TopToolBarArea);
    room->addWidget(new QLabel(Texts::tr(" Room:"), room));
    InfoRoomGridX = GridField(room, "InfoRoomGridX", ApplRef.Room, true);
    room->addWidget(new QLabel("x", room));
    InfoRoomGridY = GridField(room, "InfoRoomGridY", ApplRef.Room, false);
    RoomGridUnit = new QLabel(room);
    RoomGridUnit->setObjectName("RoomGridUnit");
    room->addWidget(RoomGridUnit);
}

void TMainForm::BuildRoomToolbars(QMainWindow* page) {
    QToolBar* file = NewToolbar(Texts::Mark("Room File Toolbar"), page, Qt::TopToolBarArea);
    Connect(ToolButton(file, "NewRoomButton", Texts::Mark("New Room"), Texts::Mark("New Room"),
                       "new_room"),
            NewRoomCommand);
    Connect(ToolButton(file, "OpenRoomButton", Texts::Mark("Open Room"), Texts::Mark("Open Room"),
                       "open_room"),
            OpenRoomCommand);
    Connect(ToolButton(file, "RoomSaveButton", Texts::Mark("Save Room"), Texts::Mark("Save Room"),
                       "save_room"),
            SaveRoomCommand);
    file->addSeparator();
    connect(ToolButton(file, "SelectRoomButton", Texts::Mark("Select"), Texts::Mark("Select"),
                       "select"),
            &QAction::triggered, this, [this] { SetEditMode(ApplRef, EditMode::Select); });
    connect(
        ToolButton(file, "MoveRoomButton", Texts::Mark("Move"), Texts::Mark("Move origin"), "move"),
        &QAction::triggered, this, [this] { SetEditMode(ApplRef, EditMode::MoveStart); });
    QToolBar* zoom = NewToolbar(Texts::Mark("Room Zoom Toolbar"), page, Qt::TopToolBarArea);
    Connect(ToolButton(zoom, "RoomMaxCenterZoom", Texts::Mark("Center and Zoom"),
                       Texts::Mark("Center and maximize zoom"), "center_zoom", "zoom-fit-best"),
            FitRoomView);
    AddZoomControls(zoom, ApplRef.Room, RoomZoomFactor, RoomZoomBar, "RoomZoomFactor",
                    "RoomZoomBar");
}
