#pragma once
#include "render/RaceDraw.h"
#include "sim/Race.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class A_APPL;
class QPainter;
class TCanvasPanel;

// "Race": the cars of every closed track's lanes driven round the design
// canvas in real time, times the speed factor. Each frame repaints only
// where the cars were and are, over the canvas image; the design and its
// history stay as they are.
class TRaceView : public QObject {
    Q_OBJECT
  public:
    TRaceView(A_APPL& appl, TCanvasPanel& canvas, QObject* parent);
    // False, with the user told why, when no track closes.
    bool Start();
    void Stop();
    bool Running() const { return Model.Running(); }
    void SetSpeedFactor(double factor) { Model.SetSpeedFactor(factor); }
    // One frame: the race moves on by that much of the user's time.
    void Tick(double seconds);
    void Draw(QPainter& painter) const;
    const Race& Racing() const { return Model; }
    const RaceScene& Scene() const { return Shown; }
    // Runs when the race stops by itself or by Stop (the button follows).
    std::function<void()> Stopped;

  private:
    void Halt();
    void Frame();
    A_APPL& ApplRef;
    TCanvasPanel& Canvas;
    Race Model;
    std::vector<QColor> Colours; // per car
    RaceScene Shown;
    QTimer Timer;
    QElapsedTimer Clock;
};
