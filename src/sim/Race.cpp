#include "Race.h"

#include <algorithm>
#include <cmath>

bool Race::Start(T_DESIGN& design, const Car& car) {
    Stop();
    for (const TrackLaps& track : SimulateDesign(design, car)) {
        if (!track.Closed)
            continue;
        for (int lane = 0; lane < 2; ++lane)
            if (track.Lanes[lane].LapTime > 0)
                Cars.push_back({track.Slot, track.Number, lane, track.Lanes[lane],
                                LaneCourse(design.Tracks[track.Slot], lane)});
    }
    return Running();
}

void Race::Stop() {
    Cars.clear();
    Clock = 0.0;
}

void Race::Advance(double seconds) {
    if (std::isfinite(seconds) && seconds > 0)
        Clock += seconds * Factor;
}

void Race::SetSpeedFactor(double factor) {
    Factor = std::isfinite(factor) ? std::clamp(factor, RACE_SLOWEST, RACE_FASTEST) : 1.0;
}

std::vector<CarState> Race::States() const {
    std::vector<CarState> states;
    for (const RaceCar& car : Cars) {
        CarState state;
        state.Spot = SpotOnCourse(car.Course, DistanceAtTime(car.Lap, Clock));
        state.Laps = static_cast<int>(std::floor(Clock / car.Lap.LapTime));
        // Every lap after the first is the same flying lap.
        state.LastLap = state.Laps > 0 ? car.Lap.LapTime : 0.0;
        states.push_back(state);
    }
    return states;
}
