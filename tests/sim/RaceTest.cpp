#include "sim/Race.h"
#include "check/LayoutCheck.h"
#include "design/TestLibrary.h"
#include "geometry/Placement.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr float FINE = 10.0f; // lane lines laid at 10 pixels per cm: 0.1 cm exact

// The test library's parts with lanes 4 cm apart, so that they have lane lines.
struct Racing : ::testing::Test {
    TestLibrary Lib;
    std::unique_ptr<T_DESIGN> Design = Lib.NewDesign();

    Racing() {
        FillAngleTable();
        for (L_PARTDEF* def : {Lib.S, Lib.C, Lib.X})
            def->LaneDistance = 4;
        Lib.X->StraightWidth = 10;
        Lib.X->StraightLength = 20;
    }
    T_TRACK& Lay(std::initializer_list<L_PARTDEF*> parts, uint8_t hand) {
        T_TRACK& track = *Design->AllocateTrack();
        for (L_PARTDEF* def : parts)
            *track.InsertAfter(nullptr) = T_PART{0, def->Type == PT_Curve ? hand : uint8_t(0), def};
        track.X = 50;
        track.Y = -30;
        track.Angle = 200;
        return track;
    }
};

double SegmentDistance(double px, double py, PixelPoint a, PixelPoint b) {
    const double dx = b.X - a.X, dy = b.Y - a.Y, len2 = dx * dx + dy * dy;
    const double t =
        len2 > 0 ? std::clamp(((px - a.X) * dx + (py - a.Y) * dy) / len2, 0.0, 1.0) : 0;
    return std::hypot(px - a.X - t * dx, py - a.Y - t * dy);
}

// How far (cm) a world point lies from lane 1 (first) or lane 2 of a part as
// the canvas draws it.
double FromLaneLine(const T_PLACED& placed, bool first, double x, double y) {
    PointBuffer line;
    const Pose pose{placed.X * FINE, placed.Y * FINE, placed.Angle};
    (first ? FirstLane : SecondLane)(*placed.Part, pose, FINE, true, line);
    double best = 1e9;
    for (int i = 1; i < line.Count; ++i)
        best =
            std::min(best, SegmentDistance(x * FINE, y * FINE, line.Points[i - 1], line.Points[i]));
    return best / FINE;
}

} // namespace

// Along the whole lap each car is on its own lane of the part it is on, as
// the canvas lays the track out; a lane swap takes it across.
TEST_F(Racing, CarsStayOnTheirLanes) {
    struct Case {
        const char* Name;
        uint8_t Hand;
        bool Swap;
    };
    for (const Case c : {Case{"right", PS_RIGHT, false}, Case{"left", PS_LEFT, false},
                         Case{"swap", PS_RIGHT, true}}) {
        Design->ClearDesign();
        T_TRACK& track = c.Swap ? Lay({Lib.C, Lib.C, Lib.X, Lib.C, Lib.C, Lib.S}, c.Hand)
                                : Lay({Lib.C, Lib.C, Lib.S, Lib.C, Lib.C, Lib.S}, c.Hand);
        ASSERT_TRUE(TrackCloses(track)) << c.Name;
        for (int lane = 0; lane < 2; ++lane) {
            const std::vector<CoursePiece> course = LaneCourse(track, lane);
            const T_PLACEMENT& placed = PlaceTrackAlone(track);
            double length = 0;
            for (const CoursePiece& piece : course)
                length += piece.LapLength;
            for (int k = 0; k < 60; ++k) {
                const LaneSpot spot = SpotOnCourse(course, length * (k + 0.5) / 60);
                const int piece = spot.Piece;
                const bool swapped = c.Swap && piece > 2;
                const bool first = (lane == 0) != swapped;
                if (c.Swap && piece == 2)
                    continue; // crossing over
                EXPECT_LT(FromLaneLine(placed.Entries[piece], first, spot.X, spot.Y), 0.2)
                    << c.Name << " lane " << lane << " at " << k;
                EXPECT_GT(FromLaneLine(placed.Entries[piece], !first, spot.X, spot.Y), 3.5)
                    << c.Name << " lane " << lane << " at " << k;
            }
            if (!c.Swap)
                continue;
            // Onto the lane swap on the car's lane, off it on the other one.
            const double swapStart = course[0].LapLength + course[1].LapLength;
            const LaneSpot on = SpotOnCourse(course, swapStart + 1e-6);
            const LaneSpot off = SpotOnCourse(course, swapStart + course[2].LapLength - 1e-6);
            EXPECT_LT(FromLaneLine(placed.Entries[2], lane == 0, on.X, on.Y), 0.2) << lane;
            EXPECT_LT(FromLaneLine(placed.Entries[2], lane != 0, off.X, off.Y), 0.2) << lane;
        }
    }
}

// The clock: a circle is driven at one speed, so distance is speed times time.
TEST_F(Racing, DistanceFollowsTheClock) {
    Lay({Lib.C, Lib.C, Lib.C, Lib.C}, PS_RIGHT);
    const TrackLaps laps = SimulateDesign(*Design, {10, 9, 14, 16})[0];
    const LaneLap& lap = laps.Lanes[0];
    const double v = lap.Length / lap.LapTime;
    for (double share : {0.0, 0.25, 0.6, 0.99})
        EXPECT_NEAR(DistanceAtTime(lap, share * lap.LapTime), share * lap.Length, 1e-9) << share;
    EXPECT_NEAR(DistanceAtTime(lap, 2.5 * lap.LapTime), 0.5 * lap.Length, 1e-9);
    EXPECT_NEAR(DistanceAtTime(lap, 0.1), 0.1 * v, 1e-9);
    EXPECT_EQ(DistanceAtTime(LaneLap{}, 3.0), 0.0);
}

// Where the car speeds up, it covers v0 t + a t^2 / 2.
TEST_F(Racing, DistanceWhileAccelerating) {
    Lay({Lib.C, Lib.C, Lib.S, Lib.C, Lib.C, Lib.S}, PS_RIGHT);
    const double a = 2.0;
    const LaneLap lap = SimulateDesign(*Design, {0.6, a, 3.0, 1.0})[0].Lanes[0];
    const TracePoint& exit = lap.Trace[6]; // the start of the straight after two curves
    ASSERT_EQ(exit.Piece, 2);
    const double t = 0.05;
    EXPECT_NEAR(DistanceAtTime(lap, exit.Time + t), exit.Distance + exit.Speed * t + a * t * t / 2,
                1e-9);
}

TEST_F(Racing, LapsAreCountedAndTheSpeedFactorHolds) {
    Lay({Lib.C, Lib.C, Lib.S, Lib.C, Lib.C, Lib.S}, PS_RIGHT);
    Race race;
    ASSERT_TRUE(race.Start(*Design, FindCarPreset("1:32")->Values));
    ASSERT_EQ(race.Entrants().size(), 2u);
    const double lap1 = race.Entrants()[0].Lap.LapTime;
    EXPECT_EQ(race.States()[0].Laps, 0);
    EXPECT_EQ(race.States()[0].LastLap, 0.0);
    race.SetSpeedFactor(2.0);
    race.Advance(lap1 * 1.25); // 2.5 laps of race time
    EXPECT_EQ(race.States()[0].Laps, 2);
    EXPECT_DOUBLE_EQ(race.States()[0].LastLap, lap1);
    for (double factor : {0.0, -3.0, 9.0, std::nan("")}) {
        race.SetSpeedFactor(factor);
        EXPECT_GE(race.SpeedFactor(), RACE_SLOWEST);
        EXPECT_LE(race.SpeedFactor(), RACE_FASTEST);
    }
    race.Stop();
    EXPECT_FALSE(race.Running());
}

TEST_F(Racing, NothingRacesWithoutAClosedTrack) {
    Lay({Lib.S, Lib.C}, PS_RIGHT);
    Race race;
    EXPECT_FALSE(race.Start(*Design, Car{}));
    EXPECT_TRUE(race.States().empty());
}
