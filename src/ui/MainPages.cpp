#include "Main.h"

#include "InfoPage.h"
#include "app/Appl.h"
#include "app/ViewCommands.h"
#include "edit/CanvasPanel.h"
#include "edit/PartSelector.h"
#include "edit/StatusBar.h"
#include "i18n/Translate.h"
#include "view/ViewMath.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// The smallest the palette hint's font goes to fit its panel.
constexpr double MIN_HINT_POINTS = 5.0;

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
    MainTab->addTab(BuildDesignPage(), Texts::tr("Design"));
    InfoPage = new TInfoPage(MainTab);
    InfoPage->setObjectName("InfoPage");
    MainTab->addTab(InfoPage, Texts::tr("Info "));
    MainTab->addTab(BuildRoomPage(), Texts::tr("Room"));
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

    layout->addWidget(BuildPartSelector(body));
    page->setCentralWidget(body);
    return page;
}

// The palette with its hint panel at the top-left corner and its scroll bar
// at the right edge; pointer events on the hint go to the palette.
QWidget* TMainForm::BuildPartSelector(QWidget* parent) {
    PartSelector = new TCanvasPanel(ApplRef.Palette, parent);
    PartSelector->setObjectName("PartSelector");
    PartSelector->setFixedWidth(PART_SELECTOR_WIDTH);
    auto* hint = new QFrame(PartSelector);
    hint->setObjectName("HintPanel1");
    hint->setGeometry(0, 0, HINT_PANEL_WIDTH, HINT_PANEL_HEIGHT);
    hint->setAutoFillBackground(true);
    hint->setBackgroundRole(QPalette::ToolTipBase);
    hint->setFrameShape(QFrame::Panel);
    hint->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* hintLayout = new QVBoxLayout(hint);
    hintLayout->setContentsMargins(4, 2, 2, 2);
    hintLayout->setSpacing(0);
    for (const char* text :
         {Texts::Mark("Drag && Drop or"), Texts::Mark("double click to insert")}) {
        auto* label = new QLabel(Texts::tr(text).replace("&&", "&"), hint);
        label->setForegroundRole(QPalette::ToolTipText);
        // Small enough for the panel's fixed width, also in a longer language.
        QFont font = label->font();
        font.setPointSizeF(font.pointSizeF() * 0.8);
        const int room = HINT_PANEL_WIDTH - 6 - 2 * hint->frameWidth();
        while (QFontMetrics(font).horizontalAdvance(label->text()) > room &&
               font.pointSizeF() > MIN_HINT_POINTS)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        label->setFont(font);
        hintLayout->addWidget(label);
    }
    PartSelectorScrollBar = new QScrollBar(Qt::Vertical, PartSelector);
    PartSelectorScrollBar->setObjectName("PartSelectorScrollBar");
    PartSelectorScrollBar->setSingleStep(32);
    PartSelectorScrollBar->setPageStep(128);
    PartSelectorScrollBar->setMaximum(0);
    connect(PartSelectorScrollBar, &QScrollBar::valueChanged, this,
            [this](int position) { PartSelectorScrolled(ApplRef, position); });
    PartSelector->Resized = [this] {
        PartSelectorScrollBar->setGeometry(PART_SELECTOR_WIDTH - PART_SELECTOR_SCROLLBAR_WIDTH, 0,
                                           PART_SELECTOR_SCROLLBAR_WIDTH, PartSelector->height());
        DrawPartSelector(ApplRef);
    };
    return PartSelector;
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
    StopRace(); // the cars run on the design canvas only
    PageChanging(ApplRef);
}

void TMainForm::MainTabChange(int index) {
    PageChanged(ApplRef, index);
    // Each page shows its own texts: nothing of the page left behind.
    PointerPanel = nullptr;
    StatusBar->SetPanelText(STATUS_POSITION, "");
    StatusBar->SetPanelText(STATUS_DISTANCE, "");
    if (!ApplRef.CurrentPanel()) {
        StatusBar->SetPanelText(STATUS_MODE, "");
        StatusBar->SetPanelText(STATUS_HINT, "");
    }
    ShowPenAndColour();
    RepaintPanel(ApplRef.Canvases);
}

void TMainForm::ShowPointerPosition(const P_PANEL& panel, int x, int y) {
    PointerPanel = &panel;
    PointerAt = QPoint(x, y);
    const EditState& edit = ApplRef.Edit;
    const DistanceState distance{edit.DistanceActive, edit.DistanceOrigin.X, edit.DistanceOrigin.Y};
    const PointerTexts texts = PointerPositionTexts(panel, ApplRef.Metric, distance, x, y);
    StatusBar->SetPanelText(STATUS_POSITION, QString::fromLatin1(texts.Position.c_str()));
    StatusBar->SetPanelText(STATUS_DISTANCE, QString::fromLatin1(texts.Distance.c_str()));
}
