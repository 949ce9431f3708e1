#pragma once
#include "geometry/Placement.h"
#include "sim/Race.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QStringList>
#include <vector>

class QPainter;

// The race view drawn over the canvas image: the cars where the race has them
// and a board with each car's laps and last lap time.

struct CarMark {
    QPointF At; // canvas pixels
    double Heading = 0.0;
    QColor Colour;
};

struct RaceScene {
    std::vector<CarMark> Cars;
    QStringList Board; // one line per car
};

// Where the canvas shows a world point: its origin and zoom.
struct CanvasMapping {
    float OriginX = 0.0f;
    float OriginY = 0.0f;
    float Zoom = 1.0f;
};

// The lane colours of a track as the canvas draws its first part; red and
// green where every lane is drawn alike (lanes not coloured).
void CarColours(const T_PLACEMENT& drawn, const T_TRACK& track, QColor colours[2]);

// The cars of the race at its present time, coloured by colours (two per entrant's track).
RaceScene SceneOf(const Race& race, const std::vector<QColor>& colours,
                  const CanvasMapping& mapping);

// The pixels a car covers, with a margin: what a frame repaints around it.
QRect CarBox(const CarMark& car, float zoom);
// Where the board is drawn, for its lines.
QRect BoardBox(const QStringList& board, const QFont& font);

// What a frame repaints going from one scene to the next: where the cars
// were and are, and the board when its text changed.
QRegion FrameRegion(const RaceScene& before, const RaceScene& after, float zoom, const QFont& font);

void DrawRace(QPainter& painter, const RaceScene& scene, float zoom);
