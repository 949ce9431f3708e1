#include "DesignDocument.h"
#include "base/TextValues.h"
#include "sim/LapSimulation.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

// simulate: 0 every track has its laps, 1 a track is not closed, 2 unreadable.
constexpr int SIMULATED = 0;
constexpr int NOT_CLOSED = 1;
constexpr int UNREADABLE = 2;

std::string Number(double value, int decimals) {
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0.0; // no "-0.000"
    return Fixed(value, decimals);
}

// The preset named by --car (1:32 unless given), each figure settable.
bool CarOf(const ToolArgs& args, Car& car, std::string& error) {
    const std::string name = args.Options.count("car") ? args.Options.at("car") : "1:32";
    const CarPreset* preset = FindCarPreset(name);
    if (!preset) {
        error = "--car needs 1:32, 1:24, 1:43 or HO";
        return false;
    }
    car = preset->Values;
    const std::pair<const char*, double*> figures[] = {{"vmax", &car.TopSpeed},
                                                       {"accel", &car.Acceleration},
                                                       {"brake", &car.Braking},
                                                       {"lateral", &car.Lateral}};
    for (const auto& [option, value] : figures)
        if (args.Options.count(option)) {
            *value = ParseDouble(args.Options.at(option));
            if (!(*value > 0)) {
                error = std::string("--") + option + " needs a number above 0";
                return false;
            }
        }
    return true;
}

std::string Text(const std::vector<TrackLaps>& tracks) {
    std::ostringstream out;
    for (const TrackLaps& t : tracks) {
        out << "track " << t.Number << ": ";
        if (!t.Closed) {
            out << "not closed: no lap time (close it first, see check)\n";
            continue;
        }
        for (int lane = 0; lane < 2; ++lane) {
            const LaneLap& l = t.Lanes[lane];
            out << (lane ? "; " : "") << "lane " << lane + 1 << " " << Number(l.Length, 2)
                << " m in " << Number(l.LapTime, 3) << " s (average " << Number(l.AverageSpeed, 2)
                << " m/s, top " << Number(l.TopSpeed, 2) << " m/s, full throttle "
                << Number(100 * l.FullThrottleShare, 0) << " %)";
        }
        out << "; difference " << Number(t.Difference(), 3) << " s ("
            << Number(t.DifferencePercent(), 2) << " %)\n";
    }
    return out.str();
}

std::string Json(const std::vector<TrackLaps>& tracks, const Car& car) {
    std::ostringstream out;
    out << "{\"car\":{\"vmax\":" << Number(car.TopSpeed, 3)
        << ",\"accel\":" << Number(car.Acceleration, 3) << ",\"brake\":" << Number(car.Braking, 3)
        << ",\"lateral\":" << Number(car.Lateral, 3) << "},\"tracks\":[";
    for (size_t i = 0; i < tracks.size(); ++i) {
        const TrackLaps& t = tracks[i];
        out << (i ? "," : "") << "{\"number\":" << t.Number
            << ",\"closed\":" << (t.Closed ? "true" : "false") << ",\"lanes\":[";
        for (int lane = 0; t.Closed && lane < 2; ++lane) {
            const LaneLap& l = t.Lanes[lane];
            out << (lane ? "," : "") << "{\"lane\":" << lane + 1
                << ",\"length_m\":" << Number(l.Length, 4) << ",\"lap_s\":" << Number(l.LapTime, 4)
                << ",\"average_mps\":" << Number(l.AverageSpeed, 4)
                << ",\"top_mps\":" << Number(l.TopSpeed, 4)
                << ",\"full_throttle\":" << Number(l.FullThrottleShare, 4) << ",\"entry_mps\":[";
            for (size_t p = 0; p < l.EntrySpeeds.size(); ++p)
                out << (p ? "," : "") << Number(l.EntrySpeeds[p], 4);
            out << "]}";
        }
        out << "]";
        if (t.Closed)
            out << ",\"difference_s\":" << Number(t.Difference(), 4)
                << ",\"difference_percent\":" << Number(t.DifferencePercent(), 3);
        out << "}";
    }
    out << "]}\n";
    return out.str();
}

// track, lane, distance (m), speed (m/s), piece (from 1) for every closed track.
bool WriteTrace(const std::string& file, const std::vector<TrackLaps>& tracks) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << "track,lane,distance_m,speed_mps,piece\n";
    for (const TrackLaps& t : tracks)
        for (int lane = 0; t.Closed && lane < 2; ++lane)
            for (const TracePoint& p : t.Lanes[lane].Trace)
                out << t.Number << ',' << lane + 1 << ',' << Number(p.Distance, 4) << ','
                    << Number(p.Speed, 4) << ',' << p.Piece + 1 << '\n';
    out.flush();
    return static_cast<bool>(out);
}

} // namespace

int SimulateCommand(const ToolArgs& args) {
    std::string error, message;
    auto document = LoadToolDesign(args, "simulate", error, message);
    if (!document) {
        Fail(error);
        return UNREADABLE;
    }
    Car car;
    if (!CarOf(args, car, error))
        return Fail(error);
    const std::vector<TrackLaps> tracks = SimulateDesign(document->Design, car);
    if (args.Options.count("trace") && !WriteTrace(args.Options.at("trace"), tracks))
        return Fail("cannot write " + args.Options.at("trace"));
    WriteOut(args.Options.count("json") ? Json(tracks, car) : Text(tracks));
    for (const TrackLaps& t : tracks)
        if (!t.Closed)
            return NOT_CLOSED;
    return SIMULATED;
}
