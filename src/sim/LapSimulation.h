#pragma once
#include "design/Design.h"

#include <string>
#include <vector>

// Estimated lap times: a car as a point mass driven along each lane of each
// closed track, as fast as its top speed, acceleration, braking and the
// sideways grip in every curve allow, on a flying lap.

// The car, in metres and seconds.
struct Car {
    double TopSpeed = 8.0;     // v_max, m/s
    double Acceleration = 9.0; // a, m/s^2
    double Braking = 14.0;     // b, m/s^2
    double Lateral = 16.0;     // a_lat, m/s^2: grip plus magnet
};

// Typical cars of each scale (not measured): "1:32", "1:24", "1:43", "HO".
struct CarPreset {
    std::string Name;
    Car Values;
};
const std::vector<CarPreset>& CarPresets();
// The name of a car of the user's own values.
inline const char* const CUSTOM_CAR = "Custom";
// The range a car's four values are taken from, in m/s and m/s^2.
constexpr double CAR_LEAST = 0.1;
constexpr double CAR_MOST = 100.0;
// The preset of that name, or null.
const CarPreset* FindCarPreset(const std::string& name);

// One piece of a lane: its length (m) and its radius (m, 0 on a straight).
struct LaneSegment {
    double Length = 0.0;
    double Radius = 0.0;
};
// The lanes of a track piece by piece (lane 0 or 1), lengths as the track
// list accounts them: a curve's lane is an arc of its travel length.
std::vector<LaneSegment> LanePath(const T_TRACK& track, int lane);

// A point of the speed trace: distance along the lap (m), speed (m/s), piece,
// and the time since the lap began (s). Between two points the car speeds up,
// holds or slows down evenly.
struct TracePoint {
    double Distance = 0.0;
    double Speed = 0.0;
    int Piece = 0;
    double Time = 0.0;
};

struct LaneLap {
    double Length = 0.0;  // m
    double LapTime = 0.0; // s
    double AverageSpeed = 0.0;
    double TopSpeed = 0.0;
    double FullThrottleShare = 0.0;  // of the lap time, 0 to 1
    std::vector<double> EntrySpeeds; // per piece, m/s
    std::vector<TracePoint> Trace;
};

// The flying lap of a closed lane; an empty lane gives an empty lap.
LaneLap SimulateLane(const std::vector<LaneSegment>& lane, const Car& car);
// How far along the lap (m) the car is that many seconds after it crossed the
// start, lap after lap.
double DistanceAtTime(const LaneLap& lap, double seconds);

struct TrackLaps {
    int Slot = 0;
    int Number = 0; // as the track list numbers tracks
    bool Closed = false;
    LaneLap Lanes[2];
    double Difference() const { return Lanes[1].LapTime - Lanes[0].LapTime; }
    double DifferencePercent() const;
};

// Every track that holds parts; only closed ones have laps.
std::vector<TrackLaps> SimulateDesign(T_DESIGN& design, const Car& car);
