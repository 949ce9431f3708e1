#include "sim/LapSimulation.h"
#include "design/TestLibrary.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// The test library's curve is a quarter circle with lanes of 30 and 40 cm:
// lane radii 0.30 / (pi/2) and 0.40 / (pi/2) m. Its straight drives 10 cm.
const double R1 = 0.30 / (M_PI / 2), R2 = 0.40 / (M_PI / 2), S = 0.10;

struct Laps : ::testing::Test {
    TestLibrary Lib;
    std::unique_ptr<T_DESIGN> Design = Lib.NewDesign();

    Laps() { FillAngleTable(); }
    T_TRACK& Lay(std::initializer_list<L_PARTDEF*> parts, uint8_t status) {
        T_TRACK& track = *Design->AllocateTrack();
        for (L_PARTDEF* def : parts)
            *track.InsertAfter(nullptr) =
                T_PART{0, def->Type == PT_Curve ? status : uint8_t(0), def};
        return track;
    }
    T_TRACK& Oval(uint8_t hand = PS_RIGHT) {
        return Lay({Lib.C, Lib.C, Lib.S, Lib.C, Lib.C, Lib.S}, hand);
    }
    TrackLaps Only(const Car& car) {
        const std::vector<TrackLaps> laps = SimulateDesign(*Design, car);
        EXPECT_EQ(laps.size(), 1u);
        return laps.empty() ? TrackLaps{} : laps[0];
    }
};

} // namespace

// A circle: the curve's limit all round, time = length / speed.
TEST_F(Laps, ACircleIsDrivenAtItsCurveLimit) {
    Lay({Lib.C, Lib.C, Lib.C, Lib.C}, PS_RIGHT);
    const Car car{10.0, 9.0, 14.0, 16.0};
    const TrackLaps laps = Only(car);
    ASSERT_TRUE(laps.Closed);
    const double v1 = std::sqrt(16.0 * R1), v2 = std::sqrt(16.0 * R2);
    EXPECT_NEAR(laps.Lanes[0].LapTime, 1.20 / v1, 1e-9);
    EXPECT_NEAR(laps.Lanes[1].LapTime, 1.60 / v2, 1e-9);
    EXPECT_NEAR(laps.Lanes[0].TopSpeed, v1, 1e-9);
    EXPECT_NEAR(laps.Lanes[0].FullThrottleShare, 0.0, 1e-12);
    EXPECT_NEAR(laps.Difference(), 1.60 / v2 - 1.20 / v1, 1e-9);
}

// Straights long enough for the top speed: accelerate, hold, brake.
TEST_F(Laps, AnOvalWithStraightsReachingTopSpeed) {
    Oval();
    const double vmax = 0.6, a = 2.0, b = 3.0, lateral = 1.0;
    const TrackLaps laps = Only({vmax, a, b, lateral});
    for (int lane = 0; lane < 2; ++lane) {
        const double r = lane == 0 ? R1 : R2, vc = std::sqrt(lateral * r);
        const double da = (vmax * vmax - vc * vc) / (2 * a), db = (vmax * vmax - vc * vc) / (2 * b);
        ASSERT_LT(da + db, S);
        const double straight = (vmax - vc) / a + (vmax - vc) / b + (S - da - db) / vmax;
        const double curves = 4 * (r * M_PI / 2) / vc;
        EXPECT_NEAR(laps.Lanes[lane].LapTime, 2 * straight + curves, 1e-9) << lane;
        EXPECT_NEAR(laps.Lanes[lane].TopSpeed, vmax, 1e-12);
        EXPECT_NEAR(laps.Lanes[lane].FullThrottleShare,
                    2 * ((vmax - vc) / a + (S - da - db) / vmax) / (2 * straight + curves), 1e-9);
        EXPECT_NEAR(laps.Lanes[lane].EntrySpeeds[2], vc, 1e-9); // out of the curve
    }
}

// Straights too short for the top speed: the car brakes from a peak.
TEST_F(Laps, AnOvalWithStraightsTooShortForTopSpeed) {
    Oval();
    const double a = 2.0, b = 3.0, lateral = 1.0;
    const TrackLaps laps = Only({50.0, a, b, lateral});
    const double vc = std::sqrt(lateral * R1);
    const double peak = std::sqrt((2 * a * b * S + (a + b) * vc * vc) / (a + b));
    const double straight = (peak - vc) / a + (peak - vc) / b;
    EXPECT_NEAR(laps.Lanes[0].LapTime, 2 * straight + 4 * (R1 * M_PI / 2) / vc, 1e-9);
    EXPECT_NEAR(laps.Lanes[0].TopSpeed, peak, 1e-9);
    EXPECT_NEAR(laps.Lanes[0].AverageSpeed, laps.Lanes[0].Length / laps.Lanes[0].LapTime, 1e-12);
    EXPECT_NEAR(laps.Lanes[0].Length, 2 * S + 1.20, 1e-9);
}

// A left-hand oval is the right-hand one with its lanes exchanged.
TEST_F(Laps, LeftAndRightHandOvalsMirrorTheLanes) {
    Oval(PS_RIGHT);
    const TrackLaps right = Only(CarPresets()[0].Values);
    Design->ClearDesign();
    Oval(PS_LEFT);
    const TrackLaps left = Only(CarPresets()[0].Values);
    ASSERT_TRUE(left.Closed);
    EXPECT_NEAR(left.Lanes[0].LapTime, right.Lanes[1].LapTime, 1e-12);
    EXPECT_NEAR(left.Lanes[1].LapTime, right.Lanes[0].LapTime, 1e-12);
    EXPECT_NEAR(left.DifferencePercent(), -right.Difference() / right.Lanes[1].LapTime * 100, 1e-9);
}

// A lane swap piece exchanges the lanes from itself on, its own lengths too.
TEST_F(Laps, ALaneSwapExchangesTheLanesFromItselfOn) {
    Lib.X->TravelLane1 = 12;
    Lib.X->TravelLane2 = 18;
    const T_TRACK& track = Lay({Lib.S, Lib.X, Lib.C}, PS_RIGHT);
    const std::vector<LaneSegment> lane1 = LanePath(track, 0), lane2 = LanePath(track, 1);
    ASSERT_EQ(lane1.size(), 3u);
    EXPECT_NEAR(lane1[1].Length, 0.18, 1e-9);
    EXPECT_NEAR(lane2[1].Length, 0.12, 1e-9);
    EXPECT_NEAR(lane1[2].Length, 0.40, 1e-9); // the curve's second lane
    EXPECT_NEAR(lane1[2].Radius, R2, 1e-9);
    EXPECT_EQ(lane1[0].Radius, 0.0);
}

TEST_F(Laps, AnOpenTrackHasNoLap) {
    Lay({Lib.S, Lib.S}, 0);
    const TrackLaps laps = Only(CarPresets()[0].Values);
    EXPECT_FALSE(laps.Closed);
    EXPECT_EQ(laps.Lanes[0].LapTime, 0.0);
    EXPECT_TRUE(SimulateLane({}, Car{}).EntrySpeeds.empty());
}

// Nonsense car figures are taken as the least sound ones, never as a crash.
TEST_F(Laps, UnsoundCarFiguresStayFinite) {
    Oval();
    for (const Car& car : {Car{0, 0, 0, 0}, Car{-1, NAN, INFINITY, -5}}) {
        const TrackLaps laps = Only(car);
        EXPECT_TRUE(std::isfinite(laps.Lanes[0].LapTime));
        EXPECT_GT(laps.Lanes[0].LapTime, 0.0);
    }
}

TEST(CarPresets, EveryScaleHasSoundFigures) {
    const char* names[] = {"1:32", "1:24", "1:43", "HO"};
    ASSERT_EQ(CarPresets().size(), 4u);
    for (const char* name : names) {
        const CarPreset* preset = FindCarPreset(name);
        ASSERT_TRUE(preset) << name;
        for (double v : {preset->Values.TopSpeed, preset->Values.Acceleration,
                         preset->Values.Braking, preset->Values.Lateral})
            EXPECT_GT(v, 0.0) << name;
    }
    EXPECT_FALSE(FindCarPreset("1:87"));
    EXPECT_GT(FindCarPreset("1:24")->Values.TopSpeed, FindCarPreset("HO")->Values.TopSpeed);
}
