#include "RaceView.h"

#include "app/Appl.h"
#include "base/UiText.h"
#include "edit/CanvasPanel.h"

#include <QPainter>

namespace {

constexpr int FRAME_MS = 16; // about the display's rate

} // namespace

TRaceView::TRaceView(A_APPL& appl, TCanvasPanel& canvas, QObject* parent)
    : QObject(parent), ApplRef(appl), Canvas(canvas) {
    Timer.setTimerType(Qt::PreciseTimer);
    Timer.setInterval(FRAME_MS);
    connect(&Timer, &QTimer::timeout, this, [this] {
        const double seconds = Clock.restart() / 1000.0;
        Tick(seconds);
    });
}

bool TRaceView::Start() {
    Halt(); // a restart: the button stays down
    T_DESIGN& design = ApplRef.Design.Design;
    if (!Model.Start(design, ApplRef.RaceCar.Values)) {
        ShowAppMessage(ApplRef,
                       Texts::Mark("No track to race on: the race view needs a closed track."));
        return false;
    }
    Colours.clear();
    for (const RaceCar& car : Model.Entrants()) {
        QColor lanes[2];
        CarColours(*ApplRef.DrawList, design.Tracks[car.Slot], lanes);
        Colours.push_back(lanes[car.Lane]);
    }
    Frame();
    Clock.start();
    Timer.start();
    return true;
}

void TRaceView::Stop() {
    const bool wasRunning = Model.Running();
    Halt();
    if (wasRunning && Stopped)
        Stopped();
}

void TRaceView::Halt() {
    Timer.stop();
    Model.Stop();
    if (!Shown.Cars.empty())
        Frame(); // the cars and the board go
}

void TRaceView::Tick(double seconds) {
    Model.Advance(seconds);
    Frame();
}

void TRaceView::Frame() {
    const C_VIRELDO& design = ApplRef.Design;
    const CanvasMapping mapping{design.OriginX(), design.OriginY(), design.Zoom};
    RaceScene next = SceneOf(Model, Colours, mapping);
    const QRegion dirty = FrameRegion(Shown, next, design.Zoom, Canvas.font());
    Shown = std::move(next);
    Canvas.update(dirty);
}

void TRaceView::Draw(QPainter& painter) const {
    if (!Shown.Cars.empty())
        DrawRace(painter, Shown, ApplRef.Design.Zoom);
}
