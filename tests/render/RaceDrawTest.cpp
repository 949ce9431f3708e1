#include "render/RaceDraw.h"
#include "render/SpeedTrace.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Every pixel the drawing changed lies in the region a frame repaints: a
// car never leaves a trail when it moves on.
TEST(RaceDraw, EverythingDrawnLiesInTheFrameRegion) {
    for (float zoom : {0.2f, 1.0f, 4.0f}) {
        RaceScene scene;
        for (int k = 0; k < 8; ++k)
            scene.Cars.push_back({QPointF(60 + 70 * k + 0.4 * k, 200 + 13 * k), k * 0.7,
                                  k % 2 ? QColor(Qt::green) : QColor(Qt::red)});
        scene.Board << "Track 1 lane 1: lap 12, last 4.123 s"
                    << "Track 1 lane 2: lap 11";
        QImage image(800, 600, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawRace(painter, scene, zoom);
        const QRegion region = FrameRegion(RaceScene{}, scene, zoom, painter.font());
        painter.end();
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != QColor(Qt::white).rgb()) {
                    ++drawn;
                    ASSERT_TRUE(region.contains(QPoint(x, y))) << zoom << " at " << x << "," << y;
                }
        EXPECT_GT(drawn, 8 * 40) << zoom;
    }
}

// The trace spans the plot: the lap's start at its left edge, its end at the
// right, the top speed below the top.
TEST(SpeedTrace, BothLanesFillThePlotInTheirColours) {
    TrackLaps track;
    track.Closed = true;
    for (int lane = 0; lane < 2; ++lane) {
        LaneLap& lap = track.Lanes[lane];
        lap.Length = 4.0;
        lap.TopSpeed = 3.0;
        lap.Trace = {
            {0, 1.0 + lane, 0, 0}, {1, 3.0, 0, 0.5}, {2, 3.0, 0, 0.8}, {4, 1.0 + lane, 1, 1.9}};
    }
    const QColor colours[2] = {Qt::red, Qt::blue};
    QImage image(400, 200, QImage::Format_ARGB32);
    QPainter painter(&image);
    const QRect area(0, 0, 400, 200);
    DrawSpeedTrace(painter, area, track, colours, true);
    painter.end();
    const QRect plot = PlotArea(area);
    int leftmost[2] = {400, 400}, rightmost[2] = {0, 0};
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 400; ++x)
            for (int lane = 0; lane < 2; ++lane)
                if (image.pixelColor(x, y) == colours[lane]) {
                    leftmost[lane] = std::min(leftmost[lane], x);
                    rightmost[lane] = std::max(rightmost[lane], x);
                }
    for (int lane = 0; lane < 2; ++lane) {
        EXPECT_LE(std::abs(leftmost[lane] - plot.left()), 4) << lane;
        EXPECT_LE(std::abs(rightmost[lane] - plot.right()), 4) << lane;
    }
}

} // namespace
