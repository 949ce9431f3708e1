#include "SpeedTrace.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

constexpr double FEET_PER_M = 3.28083989501312;
constexpr int LEFT_MARGIN = 48;
constexpr int BOTTOM_MARGIN = 28;
constexpr int MARGIN = 10;
constexpr int STEPS = 8; // an even speed-up is a curve over distance: drawn in steps
constexpr int TICKS = 5; // labelled values per axis
constexpr double JOINT_DOT = 2.5;

struct Scale {
    QRect Plot;
    double MaxDistance = 1.0;
    double MaxSpeed = 1.0;
    QPointF At(double distance, double speed) const {
        return {Plot.left() + Plot.width() * distance / MaxDistance,
                Plot.bottom() - Plot.height() * speed / MaxSpeed};
    }
};

// A round step for about TICKS labels up to most.
double TickStep(double most) {
    const double raw = most / TICKS;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}

void Axes(QPainter& painter, const Scale& scale, double unit, bool metric) {
    painter.setPen(QColor(0xc0, 0xc0, 0xc0));
    const QFontMetrics metrics(painter.font());
    const double speedStep = TickStep(scale.MaxSpeed * unit);
    for (double v = 0; v <= scale.MaxSpeed * unit + 1e-9; v += speedStep) {
        const QPointF at = scale.At(0, v / unit);
        painter.setPen(QColor(0xe0, 0xe0, 0xe0));
        painter.drawLine(QPointF(scale.Plot.left(), at.y()), QPointF(scale.Plot.right(), at.y()));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(0, at.y() - metrics.height() / 2.0, LEFT_MARGIN - 4, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(v, 'g', 3));
    }
    const double distanceStep = TickStep(scale.MaxDistance * unit);
    for (double d = 0; d <= scale.MaxDistance * unit + 1e-9; d += distanceStep) {
        const QPointF at = scale.At(d / unit, 0);
        painter.drawText(QRectF(at.x() - 30, scale.Plot.bottom() + 2, 60, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(d, 'g', 4));
    }
    painter.drawRect(scale.Plot);
    const QString units =
        metric ? "speed in m/s over distance in m" : "speed in ft/s over distance in ft";
    painter.drawText(QRectF(scale.Plot.left(), scale.Plot.bottom() + metrics.height(),
                            scale.Plot.width(), metrics.height()),
                     Qt::AlignRight | Qt::AlignTop, units);
}

void Lane(QPainter& painter, const Scale& scale, const LaneLap& lap, const QColor& colour) {
    if (lap.Trace.size() < 2)
        return;
    QPainterPath path(scale.At(lap.Trace[0].Distance, lap.Trace[0].Speed));
    for (size_t i = 1; i < lap.Trace.size(); ++i) {
        const TracePoint& from = lap.Trace[i - 1];
        const TracePoint& to = lap.Trace[i];
        for (int k = 1; k <= STEPS; ++k) {
            const double share = static_cast<double>(k) / STEPS;
            const double v2 =
                from.Speed * from.Speed + (to.Speed * to.Speed - from.Speed * from.Speed) * share;
            path.lineTo(scale.At(from.Distance + (to.Distance - from.Distance) * share,
                                 std::sqrt(std::max(v2, 0.0))));
        }
    }
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(QPen(colour.darker(150), 1));
    painter.setBrush(colour);
    for (size_t i = 0; i < lap.Trace.size(); i += 3) // every piece's first point is its joint
        painter.drawEllipse(scale.At(lap.Trace[i].Distance, lap.Trace[i].Speed), JOINT_DOT,
                            JOINT_DOT);
}

} // namespace

QRect PlotArea(const QRect& area) {
    return area.adjusted(LEFT_MARGIN, MARGIN, -MARGIN, -BOTTOM_MARGIN);
}

void DrawSpeedTrace(QPainter& painter, const QRect& area, const TrackLaps& track,
                    const QColor colours[2], bool metric) {
    painter.save();
    painter.fillRect(area, Qt::white);
    Scale scale;
    scale.Plot = PlotArea(area);
    for (const LaneLap& lap : track.Lanes) {
        scale.MaxDistance = std::max(scale.MaxDistance, lap.Length);
        scale.MaxSpeed = std::max(scale.MaxSpeed, lap.TopSpeed * 1.1);
    }
    if (scale.Plot.width() > 0 && scale.Plot.height() > 0) {
        painter.setRenderHint(QPainter::Antialiasing);
        Axes(painter, scale, metric ? 1.0 : FEET_PER_M, metric);
        for (int lane = 0; lane < 2; ++lane)
            Lane(painter, scale, track.Lanes[lane], colours[lane]);
    }
    painter.restore();
}
