#include "SpeedTraceDock.h"

#include "app/Appl.h"
#include "i18n/Translate.h"
#include "render/RaceDraw.h"
#include "render/SpeedTrace.h"

#include <QComboBox>
#include <QPainter>
#include <QVBoxLayout>

TSpeedTraceDock::TSpeedTraceDock(A_APPL& appl, QWidget* parent)
    : QDockWidget(Texts::tr("Speed Trace"), parent), ApplRef(appl) {
    setObjectName("SpeedTraceDock");
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    TrackChoice = new QComboBox(body);
    TrackChoice->setObjectName("SpeedTraceTrack");
    layout->addWidget(TrackChoice);
    Chart = new TSpeedTraceChart(body);
    Chart->setObjectName("SpeedTraceChart");
    layout->addWidget(Chart, 1);
    setWidget(body);
    connect(TrackChoice, &QComboBox::currentIndexChanged, this, &TSpeedTraceDock::ShowChosen);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            Refresh();
    });
}

void TSpeedTraceDock::Refresh() {
    const int kept = TrackChoice->currentIndex();
    Laps.clear();
    for (TrackLaps& track : SimulateDesign(ApplRef.Design.Design, ApplRef.RaceCar.Values))
        if (track.Closed)
            Laps.push_back(std::move(track));
    const QSignalBlocker quiet(TrackChoice);
    TrackChoice->clear();
    for (const TrackLaps& track : Laps)
        TrackChoice->addItem(Texts::tr("Track %1, car %2")
                                 .arg(track.Number)
                                 .arg(QString::fromLatin1(ApplRef.RaceCar.Name.c_str())));
    if (Laps.empty())
        TrackChoice->addItem(Texts::tr("No closed track"));
    TrackChoice->setCurrentIndex(std::clamp(kept, 0, TrackChoice->count() - 1));
    ShowChosen();
}

void TSpeedTraceDock::ShowChosen() {
    const int index = TrackChoice->currentIndex();
    const bool valid = index >= 0 && index < static_cast<int>(Laps.size());
    QColor colours[2];
    if (valid)
        CarColours(*ApplRef.DrawList, ApplRef.Design.Design.Tracks[Laps[index].Slot], colours);
    Chart->Show(valid ? &Laps[index] : nullptr, colours, ApplRef.Metric);
}

TSpeedTraceChart::TSpeedTraceChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(260, 180);
}

void TSpeedTraceChart::Show(const TrackLaps* track, const QColor colours[2], bool metric) {
    HasTrack = track != nullptr;
    if (track)
        Track = *track;
    Colours[0] = colours[0];
    Colours[1] = colours[1];
    Metric = metric;
    update();
}

void TSpeedTraceChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (HasTrack)
        DrawSpeedTrace(painter, rect(), Track, Colours, Metric);
    else
        painter.fillRect(rect(), palette().window());
}
