#pragma once
#include "sim/LapSimulation.h"

#include <QColor>
#include <QRect>

class QPainter;

// Speed against distance along the lap for both lanes of a closed track,
// each lane in its colour with a dot at every joint between pieces; metres
// and m/s, or feet and ft/s.
void DrawSpeedTrace(QPainter& painter, const QRect& area, const TrackLaps& track,
                    const QColor colours[2], bool metric);

// Where the chart's plot lies inside area: what the axes frame.
QRect PlotArea(const QRect& area);
