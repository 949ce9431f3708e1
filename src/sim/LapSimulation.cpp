#include "LapSimulation.h"

#include "check/LayoutCheck.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double M_PER_CM = 0.01;
constexpr double RADIANS_PER_QUARTER = M_PI / 720.0;
constexpr double LEAST = 1e-3; // the least value a car's figure is taken as
constexpr int MAX_PASSES = 64; // the speeds settle within a few passes around the loop

Car Sound(const Car& car) {
    const auto positive = [](double v) { return std::isfinite(v) && v > LEAST ? v : LEAST; };
    return {positive(car.TopSpeed), positive(car.Acceleration), positive(car.Braking),
            positive(car.Lateral)};
}

// The fastest a car may drive the segment.
double LimitOf(const LaneSegment& segment, const Car& car) {
    if (segment.Radius <= 0.0)
        return car.TopSpeed;
    return std::clamp(std::sqrt(car.Lateral * segment.Radius), LEAST, car.TopSpeed);
}

// A segment driven from v0 to v1 under limit c: accelerate, hold, brake.
struct Drive {
    double Peak = 0.0;       // the highest speed reached
    double Accelerating = 0; // s
    double Holding = 0;      // s at the peak
    double Braking = 0;      // s
    double AccelerateTo = 0; // m from the start where the peak is reached
    double BrakeFrom = 0;    // m from the start where braking begins
    double Time() const { return Accelerating + Holding + Braking; }
};

Drive DriveSegment(double length, double v0, double v1, double c, const Car& car) {
    const double a = car.Acceleration, b = car.Braking;
    Drive d;
    const double peak2 = (2 * a * b * length + b * v0 * v0 + a * v1 * v1) / (a + b);
    d.Peak = std::min(c, std::sqrt(std::max(peak2, std::max(v0 * v0, v1 * v1))));
    d.Accelerating = std::max(d.Peak - v0, 0.0) / a;
    d.Braking = std::max(d.Peak - v1, 0.0) / b;
    d.AccelerateTo = std::max(d.Peak * d.Peak - v0 * v0, 0.0) / (2 * a);
    const double braking = std::max(d.Peak * d.Peak - v1 * v1, 0.0) / (2 * b);
    d.BrakeFrom = std::max(length - braking, d.AccelerateTo);
    d.Holding = (d.BrakeFrom - d.AccelerateTo) / d.Peak;
    return d;
}

// Entry speeds at every joint: as high as the limits on both sides allow,
// then lowered by what acceleration reaches from the joint before and what
// braking allows towards the joint after, round the loop until they settle.
std::vector<double> JointSpeeds(const std::vector<LaneSegment>& lane,
                                const std::vector<double>& limits, const Car& car) {
    const size_t n = lane.size();
    std::vector<double> v(n);
    for (size_t j = 0; j < n; ++j)
        v[j] = std::min(limits[j], limits[(j + n - 1) % n]);
    for (int pass = 0; pass < MAX_PASSES; ++pass) {
        bool changed = false;
        for (size_t k = 0; k < 2 * n; ++k) {
            const size_t j = k % n, next = (j + 1) % n;
            const double reach =
                std::min(limits[j], std::sqrt(v[j] * v[j] + 2 * car.Acceleration * lane[j].Length));
            if (reach < v[next] - 1e-12) {
                v[next] = reach;
                changed = true;
            }
        }
        for (size_t k = 2 * n; k-- > 0;) {
            const size_t j = k % n, next = (j + 1) % n;
            const double stop = std::sqrt(v[next] * v[next] + 2 * car.Braking * lane[j].Length);
            if (stop < v[j] - 1e-12) {
                v[j] = stop;
                changed = true;
            }
        }
        if (!changed)
            break;
    }
    return v;
}

} // namespace

const std::vector<CarPreset>& CarPresets() {
    // Typical club cars with magnets, from published figures and racers' reports.
    static const std::vector<CarPreset> presets = {
        {"1:32", {8.0, 9.0, 14.0, 16.0}},
        {"1:24", {10.0, 10.0, 15.0, 14.0}},
        {"1:43", {5.0, 7.0, 10.0, 12.0}},
        {"HO", {4.0, 8.0, 12.0, 15.0}},
    };
    return presets;
}

const CarPreset* FindCarPreset(const std::string& name) {
    for (const CarPreset& preset : CarPresets())
        if (preset.Name == name)
            return &preset;
    return nullptr;
}

std::vector<LaneSegment> LanePath(const T_TRACK& track, int lane) {
    std::vector<LaneSegment> path;
    bool swapped = false;
    for (int i = 0; i < track.PartCount; ++i) {
        const T_PART& part = track.Parts[i];
        const LaneTravel travel = TravelOf(part, swapped);
        LaneSegment segment;
        const double length = (lane == 0 ? travel.Lane1 : travel.Lane2) * M_PER_CM;
        segment.Length = std::isfinite(length) && length > 0 ? length : 0.0;
        const double angle = part.Def->CurveAngle * RADIANS_PER_QUARTER;
        if (part.Def->Type == PT_Curve && std::isfinite(angle) && angle > 0)
            segment.Radius = segment.Length / angle;
        path.push_back(segment);
    }
    return path;
}

LaneLap SimulateLane(const std::vector<LaneSegment>& lane, const Car& given) {
    LaneLap lap;
    if (lane.empty())
        return lap;
    const Car car = Sound(given);
    std::vector<double> limits;
    for (const LaneSegment& segment : lane)
        limits.push_back(LimitOf(segment, car));
    lap.EntrySpeeds = JointSpeeds(lane, limits, car);
    double throttle = 0.0, distance = 0.0;
    const size_t n = lane.size();
    for (size_t j = 0; j < n; ++j) {
        const double v0 = lap.EntrySpeeds[j], v1 = lap.EntrySpeeds[(j + 1) % n];
        const Drive d = DriveSegment(lane[j].Length, v0, v1, limits[j], car);
        const int piece = static_cast<int>(j);
        const double start = lap.LapTime;
        lap.Trace.push_back({distance, v0, piece, start});
        lap.Trace.push_back({distance + d.AccelerateTo, d.Peak, piece, start + d.Accelerating});
        lap.Trace.push_back(
            {distance + d.BrakeFrom, d.Peak, piece, start + d.Accelerating + d.Holding});
        lap.LapTime += d.Time();
        throttle += d.Accelerating + (d.Peak >= car.TopSpeed - 1e-9 ? d.Holding : 0.0);
        lap.TopSpeed = std::max(lap.TopSpeed, d.Peak);
        distance += lane[j].Length;
    }
    lap.Trace.push_back({distance, lap.EntrySpeeds[0], static_cast<int>(n) - 1, lap.LapTime});
    lap.Length = distance;
    if (lap.LapTime > 0) {
        lap.AverageSpeed = lap.Length / lap.LapTime;
        lap.FullThrottleShare = throttle / lap.LapTime;
    }
    return lap;
}

double DistanceAtTime(const LaneLap& lap, double seconds) {
    if (lap.Trace.size() < 2 || !(lap.LapTime > 0) || !std::isfinite(seconds))
        return 0.0;
    const double t = std::max(std::fmod(seconds, lap.LapTime), 0.0);
    const auto after =
        std::upper_bound(lap.Trace.begin(), lap.Trace.end(), t,
                         [](double time, const TracePoint& p) { return time < p.Time; });
    if (after == lap.Trace.end())
        return lap.Length;
    const TracePoint& from = *std::prev(after);
    const double span = after->Distance - from.Distance;
    const double elapsed = t - from.Time;
    const double acceleration =
        span > 0 ? (after->Speed * after->Speed - from.Speed * from.Speed) / (2 * span) : 0.0;
    return std::min(from.Distance + from.Speed * elapsed + acceleration * elapsed * elapsed / 2,
                    after->Distance);
}

double TrackLaps::DifferencePercent() const {
    return Lanes[0].LapTime > 0 ? 100.0 * Difference() / Lanes[0].LapTime : 0.0;
}

std::vector<TrackLaps> SimulateDesign(T_DESIGN& design, const Car& car) {
    std::vector<TrackLaps> laps;
    int number = 0;
    for (int slot = 0; slot < MAX_TRACKS; ++slot) {
        T_TRACK& t = design.Tracks[slot];
        if (!t.InUse)
            continue;
        ++number; // as the track list numbers tracks, empty ones too
        if (t.HoldsOnlyEmptyPart())
            continue;
        TrackLaps track;
        track.Slot = slot;
        track.Number = number;
        track.Closed = TrackCloses(t);
        if (track.Closed)
            for (int lane = 0; lane < 2; ++lane)
                track.Lanes[lane] = SimulateLane(LanePath(t, lane), car);
        laps.push_back(std::move(track));
    }
    return laps;
}
