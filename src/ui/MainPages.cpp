#include "Main.h"

#include "CanvasPanel.h"
#include "StatusBar.h"
#include "app/Appl.h"
#include "app/ViewCommands.h"
#include "view/ViewMath.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr int KIES_PANEL_WIDTH = 143;
constexpr int PART_SELECTOR_WIDTH = 141 - 16;

// A page that holds its own docks: a main window used as a widget.
QMainWindow* DockingPage(const char* name, QWidget* parent) {
    auto* page = new QMainWindow(parent);
    page->setWindowFlags(Qt::Widget); // the constructor always makes it a window
    page->setObjectName(name);
    return page;
}

} // namespace

void TMainForm::BuildPages() {
    MainTab = new QTabWidget(this);
    MainTab->setObjectName("MainTab");
    MainTab->setTabPosition(QTabWidget::West);
    MainTab->addTab(BuildDesignPage(), "Design");
    InfoBrowser = new QTextBrowser(MainTab);
    InfoBrowser->setObjectName("InfoBrowser");
    MainTab->addTab(InfoBrowser, "Info ");
    MainTab->addTab(BuildRoomPage(), "Room");
    MainTab->widget(0)->setObjectName("DesignTab");
    MainTab->widget(1)->setObjectName("InfoTab");
    MainTab->widget(2)->setObjectName("RoomTab");
    setCentralWidget(MainTab);
    connect(MainTab, &QTabWidget::currentChanged, this, [this](int index) {
        MainTabChanging();
        MainTabChange(index);
    });
}

QWidget* TMainForm::BuildDesignPage() {
    QMainWindow* page = DockingPage("DesignPage", MainTab);
    BuildDesignToolbars(page);
    auto* body = new QWidget(page);
    auto* layout = new QHBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    QMainWindow* trackPanel = DockingPage("TrackPanel", body);
    BuildTrackToolbar(trackPanel);
    TrackCanvas = new TCanvasPanel(ApplRef.Design, trackPanel);
    TrackCanvas->setObjectName("TrackCanvas");
    TrackCanvas->Resized = [this] {
        if (ApplRef.CurrentPanel() == &ApplRef.Design)
            RepaintPanel(ApplRef.Canvases);
    };
    TrackCanvas->PointerMoved = [this](int x, int y) { ShowPointerPosition(ApplRef.Design, x, y); };
    trackPanel->setCentralWidget(TrackCanvas);
    layout->addWidget(trackPanel, 1);

    auto* kiesPanel = new QWidget(body);
    kiesPanel->setObjectName("KiesPanel");
    kiesPanel->setFixedWidth(KIES_PANEL_WIDTH);
    auto* kies = new QVBoxLayout(kiesPanel);
    kies->setContentsMargins(0, 0, 0, 0);
    auto* hint = new QWidget(kiesPanel);
    hint->setObjectName("HintPanel1");
    auto* hintLayout = new QVBoxLayout(hint);
    hintLayout->setContentsMargins(2, 2, 2, 2);
    hintLayout->addWidget(new QLabel("Drag & Drop or", hint));
    hintLayout->addWidget(new QLabel("double click to insert", hint));
    kies->addWidget(hint);
    auto* palette = new QHBoxLayout;
    palette->setSpacing(0);
    PartSelector = new QWidget(kiesPanel);
    PartSelector->setObjectName("PartSelector");
    PartSelector->setFixedWidth(PART_SELECTOR_WIDTH);
    PartSelector->setAutoFillBackground(true);
    PartSelector->setPalette(QPalette(Qt::white));
    PartSelectorScrollBar = new QScrollBar(Qt::Vertical, kiesPanel);
    PartSelectorScrollBar->setObjectName("PartSelectorScrollBar");
    PartSelectorScrollBar->setSingleStep(32);
    PartSelectorScrollBar->setPageStep(128);
    PartSelectorScrollBar->setMaximum(32);
    palette->addWidget(PartSelector);
    palette->addWidget(PartSelectorScrollBar);
    kies->addLayout(palette, 1);
    layout->addWidget(kiesPanel);
    page->setCentralWidget(body);
    return page;
}

QWidget* TMainForm::BuildRoomPage() {
    QMainWindow* page = DockingPage("RoomPage", MainTab);
    BuildRoomToolbars(page);
    RoomCanvas = new TCanvasPanel(ApplRef.Room, page);
    RoomCanvas->setObjectName("RoomCanvas");
    RoomCanvas->Resized = [this] {
        if (ApplRef.CurrentPanel() == &ApplRef.Room)
            RepaintPanel(ApplRef.Canvases);
    };
    RoomCanvas->PointerMoved = [this](int x, int y) { ShowPointerPosition(ApplRef.Room, x, y); };
    page->setCentralWidget(RoomCanvas);
    return page;
}

void TMainForm::MainTabChanging() {
    PageChanging(ApplRef);
}

void TMainForm::MainTabChange(int index) {
    PageChanged(ApplRef, index);
    ShowPenAndColour();
    RepaintPanel(ApplRef.Canvases);
}

void TMainForm::ShowPointerPosition(const P_PANEL& panel, int x, int y) {
    const EditState& edit = ApplRef.Edit;
    const DistanceState distance{edit.DistanceActive, edit.DistanceOrigin.X, edit.DistanceOrigin.Y};
    const PointerTexts texts = PointerPositionTexts(panel, ApplRef.Metric, distance, x, y);
    StatusBar->SetPanelText(STATUS_POSITION, QString::fromLatin1(texts.Position.c_str()));
    StatusBar->SetPanelText(STATUS_DISTANCE, QString::fromLatin1(texts.Distance.c_str()));
}
