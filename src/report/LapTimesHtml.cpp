#include "LapTimesHtml.h"

#include "ReportHtml.h"

using namespace report_html;

namespace {

constexpr double CM_PER_M = 100.0;

void LaneRow(Html& out, int lane, const LaneLap& lap) {
    const char dp = out.Units.DecimalPoint;
    const double speed = lap.AverageSpeed * (out.Units.Metric ? 1.0 : CM_PER_M * FEET_PER_CM);
    out << DATA_ROW;
    out.Cell("Lane " + std::to_string(lane + 1));
    out.Length(static_cast<float>(lap.Length * CM_PER_M));
    out << "<TD align=right>" + FormatDecimals(lap.LapTime, 3, dp) + " s</TD>";
    out << "<TD align=right>" + FormatDecimals(speed, 2, dp) +
               (out.Units.Metric ? " m/s</TD>" : " ft/s</TD>");
    out << "<TD align=right>" + FormatDecimals(lap.FullThrottleShare * 100.0, 0, dp) +
               " %</TD></TR>";
}

} // namespace

std::string LapTimesHtml(const std::vector<TrackLaps>& laps, const std::string& carName,
                         const TrackListUnits& units) {
    Html out{std::string(), units};
    const char dp = units.DecimalPoint;
    for (const TrackLaps& track : laps) {
        if (!track.Closed)
            continue;
        out << "<P></P>";
        out.Table(5,
                  "Estimated lap times: track " + std::to_string(track.Number) + ", car " +
                      EscapeHtml(carName),
                  "<TD>Lane</TD><TD align=right>Length</TD><TD align=right>Lap time</TD>"
                  "<TD align=right>Average speed</TD><TD align=right>Full throttle</TD>");
        for (int lane = 0; lane < 2; ++lane)
            LaneRow(out, lane, track.Lanes[lane]);
        const double difference = track.Difference();
        out << DATA_ROW << "<TD colspan=5>Lane 2 " << (difference >= 0 ? "+" : "")
            << FormatDecimals(difference, 3, dp) << " s (" << (difference >= 0 ? "+" : "")
            << FormatDecimals(track.DifferencePercent(), 2, dp) << " %)</TD></TR>";
        out << "</TABLE>";
    }
    return out.Text;
}
