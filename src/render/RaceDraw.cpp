#include "RaceDraw.h"

#include "toolkit/Colors.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace {

// A 1:32 car is about 14 by 6 cm; never smaller than can be seen.
constexpr float CAR_LENGTH_CM = 14.0f;
constexpr float CAR_WIDTH_CM = 6.0f;
constexpr float CAR_LEAST_LENGTH = 12.0f; // pixels
constexpr float CAR_LEAST_WIDTH = 6.0f;
constexpr int BOARD_MARGIN = 6;
constexpr int BOARD_CORNER = 18; // clear of the ruler bands and their long ticks

QSizeF CarSize(float zoom) {
    return {std::max(CAR_LENGTH_CM * zoom, CAR_LEAST_LENGTH),
            std::max(CAR_WIDTH_CM * zoom, CAR_LEAST_WIDTH)};
}

bool Plain(Rgb a, Rgb b) {
    return a == b; // silver, black or white: the lanes are not coloured
}

} // namespace

void CarColours(const T_PLACEMENT& drawn, const T_TRACK& track, QColor colours[2]) {
    colours[0] = ToQColor(RGB_RED);
    colours[1] = ToQColor(RGB_GREEN);
    for (int i = 0; i < drawn.Count; ++i) {
        const T_PLACED& entry = drawn.Entries[i];
        if (entry.Part != &track.Parts[0])
            continue;
        if (!Plain(entry.FirstLaneColor, entry.SecondLaneColor)) {
            colours[0] = ToQColor(entry.FirstLaneColor);
            colours[1] = ToQColor(entry.SecondLaneColor);
        }
        return;
    }
}

RaceScene SceneOf(const Race& race, const std::vector<QColor>& colours,
                  const CanvasMapping& mapping) {
    RaceScene scene;
    const std::vector<RaceCar>& cars = race.Entrants();
    const std::vector<CarState> states = race.States();
    for (size_t i = 0; i < cars.size(); ++i) {
        const CarState& state = states[i];
        const QPointF at(mapping.OriginX + state.Spot.X * mapping.Zoom,
                         mapping.OriginY + state.Spot.Y * mapping.Zoom);
        scene.Cars.push_back({at, state.Spot.Heading, i < colours.size() ? colours[i] : Qt::red});
        QString line = QString("Track %1 lane %2: lap %3")
                           .arg(cars[i].TrackNumber)
                           .arg(cars[i].Lane + 1)
                           .arg(state.Laps + 1);
        if (state.Laps > 0)
            line += QString(", last %1 s").arg(state.LastLap, 0, 'f', 3);
        scene.Board << line;
    }
    return scene;
}

QRect CarBox(const CarMark& car, float zoom) {
    const QSizeF size = CarSize(zoom);
    const int reach = static_cast<int>(std::ceil(std::hypot(size.width(), size.height()) / 2)) + 2;
    return QRect(static_cast<int>(std::floor(car.At.x())) - reach,
                 static_cast<int>(std::floor(car.At.y())) - reach, 2 * reach + 1, 2 * reach + 1);
}

QRect BoardBox(const QStringList& board, const QFont& font) {
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString& line : board)
        width = std::max(width, metrics.horizontalAdvance(line));
    return QRect(BOARD_CORNER, BOARD_CORNER, width + 2 * BOARD_MARGIN,
                 static_cast<int>(board.size()) * metrics.height() + 2 * BOARD_MARGIN);
}

QRegion FrameRegion(const RaceScene& before, const RaceScene& after, float zoom,
                    const QFont& font) {
    QRegion dirty;
    for (const RaceScene* scene : {&before, &after})
        for (const CarMark& car : scene->Cars)
            dirty += CarBox(car, zoom);
    if (before.Board != after.Board) {
        dirty += BoardBox(before.Board, font);
        dirty += BoardBox(after.Board, font);
    }
    return dirty;
}

void DrawRace(QPainter& painter, const RaceScene& scene, float zoom) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF size = CarSize(zoom);
    const QRectF body(-size.width() / 2, -size.height() / 2, size.width(), size.height());
    for (const CarMark& car : scene.Cars) {
        QTransform turn;
        turn.translate(car.At.x(), car.At.y());
        turn.rotateRadians(car.Heading);
        painter.setTransform(turn);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(car.Colour);
        painter.drawRoundedRect(body, size.height() / 3, size.height() / 3);
        // The nose: a white stripe at the front shows which way the car runs.
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(body.right() - size.width() / 5, -size.height() / 6,
                                size.width() / 6, size.height() / 3));
    }
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing, false); // the board stays inside its box
    if (!scene.Board.isEmpty()) {
        const QRect box = BoardBox(scene.Board, painter.font());
        painter.setPen(Qt::black);
        painter.setBrush(QColor(255, 255, 255, 220));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        const QFontMetrics metrics(painter.font());
        for (int i = 0; i < scene.Board.size(); ++i)
            painter.drawText(box.left() + BOARD_MARGIN,
                             box.top() + BOARD_MARGIN + i * metrics.height() + metrics.ascent(),
                             scene.Board[i]);
    }
    painter.restore();
}
