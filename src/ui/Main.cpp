#include "Main.h"

#include "About.h"
#include "Icons.h"
#include "app/Appl.h"
#include "app/DesignCommands.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "edit/CanvasPanel.h"
#include "edit/FreehandEdit.h"
#include "edit/StatusBar.h"
#include "edit/Trackpopup.h"
#include "editors/Defeditorpart.h"
#include "i18n/Translate.h"
#include "view/ViewMath.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>

TMainForm::TMainForm(A_APPL& appl) : ApplRef(appl) {
    InitIcons();
    setObjectName("MainForm");
    setWindowIcon(AppIcon("app"));
    FitIntoScreen();
    StatusBar = new TStatusBar(this);
    setStatusBar(StatusBar);
    BuildPages();
    BuildTopToolbars();
    TrackPopup = new TTrackPopupForm(this);
    AboutBox = new TAboutBox(this);
    appl.Window = this;
    ListenToChanges();
    StartedOk = FormCreate();
}

// The usual size, but never more than the screen's free area.
void TMainForm::FitIntoScreen() {
    QSize size(START_WIDTH, START_HEIGHT);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
}

TMainForm::~TMainForm() {
    if (StartedOk)
        WriteSettings(ApplRef, *OpenSettings(ApplRef.SettingsFile), WindowStateValue());
    ApplRef.Window = nullptr;
    ApplRef.Changes.StopListening(PaletteListener);
    ApplRef.Changes.StopListening(LapViewListener);
}

// The start-up of the main window, in its order.
bool TMainForm::FormCreate() {
    A_APPL& appl = ApplRef;
    appl.Design.InitDesignController();
    BindCanvases();
    BindPointerHandlers();
    appl.RecentFiles.fill(std::string());
    if (!LoadLibraryOrExplain(appl))
        return false;
    ReadSettings(appl, *OpenSettings(appl.SettingsFile));
    ApplySettings();
    RefreshRecentMenu(appl);
    StartFirstDesign(appl);
    OpenStartupDesign(appl);
    ShowPenAndColour();
    OpenStoredRoom(appl);
    return true;
}

void TMainForm::BindCanvases() {
    A_APPL& appl = ApplRef;
    C_VIRELDO& design = appl.Design;
    design.Filled = design.Ruler = design.Grid = design.ColorLanes = design.ShowPoints = true;
    design.ShowOutOfStock = design.ColorOutOfStock = true;
    design.ShowPartCodes = false;
    design.ShowHeights = true;
    design.Zoom = ZoomFromBar(ZoomBar->value());
    ShowZoom(ZoomFactor, design.Zoom);
    appl.Room.Ruler = appl.Room.Grid = true;
    appl.Room.Zoom = ZoomFromBar(RoomZoomBar->value());
    ShowZoom(RoomZoomFactor, appl.Room.Zoom);
    for (P_PANEL* panel : {static_cast<P_PANEL*>(&design), static_cast<P_PANEL*>(&appl.Room),
                           static_cast<P_PANEL*>(&appl.Define)})
        panel->SetSize(100, 100);
}

void TMainForm::ApplySettings() {
    A_APPL& appl = ApplRef;
    RefreshOptionChecks();
    if (appl.StoredWindowState >= 0)
        ApplyWindowState(appl.StoredWindowState);
    InfoDesignGridX->setText(QString::fromStdString(FormatGridSpacing(appl.Design.GridX)));
    InfoDesignGridY->setText(QString::fromStdString(FormatGridSpacing(appl.Design.GridY)));
    InfoRoomGridX->setText(QString::fromStdString(FormatGridSpacing(appl.Room.GridX)));
    InfoRoomGridY->setText(QString::fromStdString(FormatGridSpacing(appl.Room.GridY)));
}

void TMainForm::ApplyWindowState(int state) {
    if (state == 1)
        setWindowState(Qt::WindowMinimized);
    else if (state == 2)
        setWindowState(Qt::WindowMaximized);
    else
        setWindowState(Qt::WindowNoState);
}

int TMainForm::WindowStateValue() const {
    if (isMaximized())
        return 2;
    return isMinimized() ? 1 : 0;
}

void TMainForm::ShowPenAndColour() {
    const P_PANEL* panel = ApplRef.CurrentPanel();
    if (!panel)
        return;
    FreePenWidth->setText(QString::number(panel->CurrentPenWidth));
    QPixmap swatch(16, 16);
    swatch.fill(QColor::fromRgb(panel->CurrentColour));
    FreeColorPicker->setIcon(QIcon(swatch));
}

// "Change / Select Color": the colour of new shapes and of the selected one.
void TMainForm::FreeColorPickerChange() {
    P_PANEL* panel = ApplRef.CurrentPanel();
    uint32_t colour = panel ? panel->CurrentColour : 0;
    if (!panel || !ApplRef.Dialogs().ChooseColour(colour))
        return;
    FreeColourCommand(ApplRef, colour);
    ShowPenAndColour();
}

void TMainForm::ShowZoom(QLineEdit* field, float zoom) {
    field->setText(QString::fromStdString(FormatZoom(zoom)));
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (AskBeforeExit(ApplRef))
        event->accept();
    else
        event->ignore();
}

void TMainForm::ExitMenuClick() {
    if (!AskBeforeExit(ApplRef))
        return;
    // The message loop ends; the window is destroyed and writes the settings.
    QCoreApplication::exit(0);
}

QWidget* TMainForm::CanvasWidget(CanvasId canvas) {
    switch (canvas) {
    case CanvasId::Track:
        return TrackCanvas;
    case CanvasId::PartSelector:
        return PartSelector;
    case CanvasId::Room:
        return RoomCanvas;
    case CanvasId::Define:
        return DefEditorPart ? static_cast<QWidget*>(DefEditorPart->DefineCanvas) : nullptr;
    }
    return nullptr;
}

void TMainForm::SetStatusText(StatusBarId bar, int panel, const std::string& text) {
    TStatusBar* target = bar == StatusBarId::Main ? StatusBar
                         : DefEditorPart          ? DefEditorPart->StatusBar
                                                  : nullptr;
    if (target)
        target->SetPanelText(panel, Texts::Message(text));
}

void TMainForm::SetPointer(CanvasId canvas, PointerShape shape) {
    QWidget* widget = CanvasWidget(canvas);
    if (!widget)
        return;
    switch (shape) {
    case PointerShape::Arrow:
        widget->setCursor(Qt::ArrowCursor);
        break;
    case PointerShape::Mover:
        widget->setCursor(MoverCursor());
        break;
    case PointerShape::Dragger:
        widget->setCursor(DraggerCursor());
        break;
    case PointerShape::Cross:
        widget->setCursor(Qt::CrossCursor);
        break;
    case PointerShape::Drag:
        widget->setCursor(Qt::DragMoveCursor);
        break;
    case PointerShape::SizeVer:
        widget->setCursor(Qt::SizeVerCursor);
        break;
    case PointerShape::PointHand:
        widget->setCursor(Qt::PointingHandCursor);
        break;
    }
}

void TMainForm::ReleasePointerCapture() {
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
}

void TMainForm::CapturePointer(CanvasId canvas) {
    if (QWidget* widget = CanvasWidget(canvas); widget && widget->isVisible())
        widget->grabMouse();
}

void TMainForm::EnableTrackButtons(bool enabled) {
    for (QAction* action : TrackButtons)
        action->setEnabled(enabled);
    QuickRotateMenu->setEnabled(enabled);
}

void TMainForm::EnableShapeButtons(bool deleteShape, bool editText) {
    FreeDeleteShapeButton->setEnabled(deleteShape);
    FreeEditTextButton->setEnabled(editText);
}

void TMainForm::EnableUndoRedo(bool undo, bool redo) {
    for (QAction* action : UndoActions)
        action->setEnabled(undo);
    for (QAction* action : RedoActions)
        action->setEnabled(redo);
}

void TMainForm::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromLatin1(caption.c_str()));
}

void TMainForm::ShowRecentFiles(const std::array<std::string, 4>& files) {
    bool any = false;
    for (int i = 0; i < 4; ++i) {
        LastFileMenus[i]->setText(QString("&%1 ").arg(i + 1) +
                                  QString::fromLatin1(files[i].c_str()));
        LastFileMenus[i]->setVisible(!files[i].empty());
        any = any || !files[i].empty();
    }
    LastFileLineMenu->setVisible(any);
}
