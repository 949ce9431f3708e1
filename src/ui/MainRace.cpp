#include "Main.h"

#include "Icons.h"
#include "LayoutCheckDock.h"
#include "RaceView.h"
#include "SpeedTraceDock.h"
#include "app/Appl.h"
#include "app/LapCommands.h"
#include "edit/CanvasPanel.h"
#include "i18n/Translate.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QToolBar>

// The lap times in the window: the car, the speed trace and the race view.
void TMainForm::BuildLapActions(QMenu* view) {
    QAction* car = NewAction("CarMenu", Texts::tr("C&ar..."), nullptr);
    connect(car, &QAction::triggered, this, [this] { CarCommand(ApplRef); });
    view->addAction(car);

    SpeedTrace = new TSpeedTraceDock(ApplRef, this);
    addDockWidget(Qt::BottomDockWidgetArea, SpeedTrace); // wide: distance runs sideways
    SpeedTrace->hide();
    QAction* trace = SpeedTrace->toggleViewAction();
    trace->setObjectName("SpeedTraceMenu");
    trace->setText(Texts::tr("Speed &Trace"));
    view->addAction(trace);

    Racing = new TRaceView(ApplRef, *TrackCanvas, this);
    RaceAction = NewAction("RaceMenu", Texts::tr("&Race"), "race");
    RaceAction->setCheckable(true);
    RaceAction->setShortcut(QKeySequence(Qt::Key_F9));
    RaceAction->setToolTip(
        Texts::tr("Race: a car on every lane at its estimated speed (Escape stops)"));
    view->addAction(RaceAction);
    connect(RaceAction, &QAction::triggered, this, [this](bool on) {
        if (!on)
            Racing->Stop();
        else if (!Racing->Start())
            RaceAction->setChecked(false);
    });
    Racing->Stopped = [this] { RaceAction->setChecked(false); };

    RaceSpeed = new QDoubleSpinBox(this);
    RaceSpeed->setObjectName("RaceSpeed");
    RaceSpeed->setRange(RACE_SLOWEST, RACE_FASTEST);
    RaceSpeed->setSingleStep(0.1);
    RaceSpeed->setDecimals(1);
    RaceSpeed->setValue(1.0);
    RaceSpeed->setSuffix("x");
    RaceSpeed->setToolTip(Texts::tr("Speed of the race view: 0.1x to 4x real time"));
    connect(RaceSpeed, &QDoubleSpinBox::valueChanged, this,
            [this](double factor) { Racing->SetSpeedFactor(factor); });
    if (auto* bar = findChild<QToolBar*>("FileToolbar")) {
        bar->addAction(RaceAction);
        bar->addWidget(RaceSpeed);
    }
}

// What shows lap times follows a new design or car; a running race restarts
// on the new lanes.
void TMainForm::RefreshLapViews() {
    if (LayoutCheck && LayoutCheck->isVisible())
        LayoutCheck->Refresh();
    if (SpeedTrace && SpeedTrace->isVisible())
        SpeedTrace->Refresh();
    if (Racing && Racing->Running() && !Racing->Start())
        RaceAction->setChecked(false);
}

// Escape stops a race before it leaves any editing.
bool TMainForm::StopRace() {
    if (!Racing || !Racing->Running())
        return false;
    Racing->Stop();
    return true;
}
