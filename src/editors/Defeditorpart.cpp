#include "Defeditorpart.h"

#include "app/Appl.h"
#include "app/ViewCommands.h"
#include "edit/CanvasPanel.h"
#include "edit/DefineCanvas.h"
#include "edit/StatusBar.h"
#include "i18n/Translate.h"
#include "view/ViewMath.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QSlider>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int WINDOW_SIZE = 560;
constexpr int FIELD_WIDTH = 70;
constexpr int SLIDER_WIDTH = 150;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TDefEditorPartForm::TDefEditorPartForm(A_APPL& appl, const std::vector<QAction*>& freehand,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), ApplRef(appl) {
    setObjectName("DefEditorPartForm");
    setWindowTitle(Texts::tr("Track Definitions Editor Part"));
    resize(WINDOW_SIZE, WINDOW_SIZE);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* docks = new QMainWindow(this);
    docks->setWindowFlags(Qt::Widget); // a main window used as a widget, for its docks
    layout->addWidget(docks);
    DefineCanvas = new TCanvasPanel(appl.Define, docks);
    DefineCanvas->setObjectName("DefineCanvas");
    docks->setCentralWidget(DefineCanvas);
    StatusBar = new TStatusBar(this);
    layout->addWidget(StatusBar);
    BuildToolbars(freehand);
    docks->addToolBar(Qt::TopToolBarArea, findChild<QToolBar*>("ZoomToolbar"));
    docks->addToolBar(Qt::TopToolBarArea, findChild<QToolBar*>("DefineGridSpacings"));
    // On top rather than at the left: beside the editor on a small screen the
    // left edge is the part that gets covered.
    docks->addToolBarBreak(Qt::TopToolBarArea);
    docks->addToolBar(Qt::TopToolBarArea, findChild<QToolBar*>("FreehandToolbar"));
    DefineCanvas->Resized = [this] {
        if (ApplRef.CurrentPanel() == &ApplRef.Define)
            RepaintPanel(ApplRef.Canvases);
    };
    DefineCanvas->PointerMoved = [this](int x, int y) {
        const EditState& edit = ApplRef.Edit;
        const DistanceState distance{edit.DistanceActive, edit.DistanceOrigin.X,
                                     edit.DistanceOrigin.Y};
        const PointerTexts texts =
            PointerPositionTexts(ApplRef.Define, ApplRef.Metric, distance, x, y);
        StatusBar->SetPanelText(STATUS_POSITION, QString::fromLatin1(texts.Position.c_str()));
        StatusBar->SetPanelText(STATUS_DISTANCE, QString::fromLatin1(texts.Distance.c_str()));
    };
    DefineCanvas->MouseDown = [&appl](const PointerEvent& e) { DefineCanvasMouseDown(appl, e); };
    DefineCanvas->MouseUp = [&appl](const PointerEvent& e) { DefineCanvasMouseUp(appl, e); };
    DefineCanvas->MouseMove = [&appl](const PointerEvent& e) { DefineCanvasMouseMove(appl, e); };
    // FormCreate
    InfoDefineGridX->setText(Text(FormatGridSpacing(appl.Define.GridX)));
    InfoDefineGridY->setText(Text(FormatGridSpacing(appl.Define.GridY)));
    ZoomBarChange(ZoomBar->value());
}

void TDefEditorPartForm::BuildToolbars(const std::vector<QAction*>& freehand) {
    auto* zoom = new QToolBar(Texts::tr("Zoom Toolbar"), this);
    zoom->setObjectName("ZoomToolbar");
    zoom->addWidget(new QLabel(Texts::tr(" Zoom:"), zoom));
    ZoomFactor = new QLineEdit(zoom);
    ZoomFactor->setObjectName("ZoomFactor");
    ZoomFactor->setToolTip(Texts::tr("Set Zoom factor numeric"));
    ZoomFactor->setFixedWidth(FIELD_WIDTH);
    zoom->addWidget(ZoomFactor);
    ZoomBar = new QSlider(Qt::Horizontal, zoom);
    ZoomBar->setObjectName("ZoomBar");
    ZoomBar->setToolTip(Texts::tr("Zoom"));
    ZoomBar->setRange(ZOOM_BAR_MIN, ZOOM_BAR_MAX);
    ZoomBar->setValue(ZOOM_BAR_START);
    ZoomBar->setFixedWidth(SLIDER_WIDTH);
    zoom->addWidget(ZoomBar);
    connect(ZoomBar, &QSlider::valueChanged, this, &TDefEditorPartForm::ZoomBarChange);
    connect(ZoomFactor, &QLineEdit::editingFinished, this,
            &TDefEditorPartForm::ZoomFactorAcceptText);
    auto* grid = new QToolBar(Texts::tr("Define Grid Spacings"), this);
    grid->setObjectName("DefineGridSpacings");
    grid->addWidget(new QLabel(Texts::tr(" Define:"), grid));
    InfoDefineGridX = new QLineEdit(grid);
    InfoDefineGridX->setObjectName("InfoDefineGridX");
    grid->addWidget(InfoDefineGridX);
    grid->addWidget(new QLabel("x", grid));
    InfoDefineGridY = new QLineEdit(grid);
    InfoDefineGridY->setObjectName("InfoDefineGridY");
    grid->addWidget(InfoDefineGridY);
    for (QLineEdit* field : {InfoDefineGridX, InfoDefineGridY}) {
        field->setFixedWidth(FIELD_WIDTH);
        connect(field, &QLineEdit::editingFinished, this,
                [this, field] { GridAcceptText(field, field == InfoDefineGridX); });
    }
    auto* tools = new QToolBar(Texts::tr("Freehand Toolbar"), this);
    tools->setObjectName("FreehandToolbar");
    for (QAction* action : freehand) {
        if (!action) {
            tools->addSeparator();
            continue;
        }
        tools->addAction(action);
    }
    // A pen width typed here is not used: the box only shows the one in force.
    FreePenWidth = new QLineEdit(tools);
    FreePenWidth->setObjectName("FreePenWidth");
    FreePenWidth->setToolTip(Texts::tr("Change / Select Pen Width"));
    FreePenWidth->setMaxLength(12);
    FreePenWidth->setFixedWidth(FIELD_WIDTH / 2);
    tools->addWidget(FreePenWidth);
}

void TDefEditorPartForm::FormShow() {
    FreePenWidth->setText(QString::number(ApplRef.Define.CurrentPenWidth));
    InfoDefineGridX->setText(Text(FormatGridSpacing(ApplRef.Define.GridX)));
    InfoDefineGridY->setText(Text(FormatGridSpacing(ApplRef.Define.GridY)));
    SetEditMode(ApplRef, EditMode::Select);
}

void TDefEditorPartForm::ZoomBarChange(int position) {
    ApplRef.Define.Zoom = DefineZoomFromBar(position);
    ZoomFactor->setText(Text(FormatZoom(ApplRef.Define.Zoom)));
    RepaintPanel(ApplRef.Canvases);
}

void TDefEditorPartForm::ZoomFactorAcceptText() {
    ZoomFactor->setText(
        Text(ZoomEntered(ApplRef, ApplRef.Define, ZoomFactor->text().toStdString())));
}

void TDefEditorPartForm::GridAcceptText(QLineEdit* field, bool xSpacing) {
    field->setText(
        Text(GridEntered(ApplRef, ApplRef.Define, xSpacing, field->text().toStdString())));
}
