#pragma once
#include "sim/LapSimulation.h"

#include <QDockWidget>
#include <vector>

class A_APPL;
class QComboBox;
class TSpeedTraceChart;

// "Speed Trace": the speed of the user's car along each lane of a closed
// track, chosen in a list; refreshed after every edit while it shows.
class TSpeedTraceDock : public QDockWidget {
    Q_OBJECT
  public:
    TSpeedTraceDock(A_APPL& appl, QWidget* parent);
    void Refresh();

    QComboBox* TrackChoice = nullptr;
    TSpeedTraceChart* Chart = nullptr;

  private:
    void ShowChosen();
    A_APPL& ApplRef;
    std::vector<TrackLaps> Laps; // the closed tracks
};

// The chart of one track's lanes.
class TSpeedTraceChart : public QWidget {
    Q_OBJECT
  public:
    explicit TSpeedTraceChart(QWidget* parent);
    void Show(const TrackLaps* track, const QColor colours[2], bool metric);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TrackLaps Track;
    bool HasTrack = false;
    QColor Colours[2];
    bool Metric = true;
};
