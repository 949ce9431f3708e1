#include "LapTimesHtml.h"

#include "ReportHtml.h"

using namespace report_html;

namespace {

constexpr double CM_PER_M = 100.0;
// Labels and figures stay on one line in the narrow column beside the list.
const char* const LABEL = "<TD style=\"white-space: nowrap\">";
const char* const FIGURE = "<TD align=right style=\"white-space: nowrap\">";

// "+0.041": a sign on every difference, none but the minus on a length.
std::string Signed(double value, int decimals, char decimalPoint) {
    const std::string text = FormatDecimals(value, decimals, decimalPoint);
    return text[0] == '-' ? text : "+" + text;
}

template <typename Figure>
void Row(Html& out, const char* label, const TrackLaps& track, Figure figure) {
    out << DATA_ROW << LABEL << label << "</TD>";
    for (const LaneLap& lap : track.Lanes)
        out << FIGURE << figure(lap) << "</TD>";
    out << "</TR>";
}

void TrackRows(Html& out, const TrackLaps& track) {
    const TrackListUnits& units = out.Units;
    const char dp = units.DecimalPoint;
    const double perMetre = units.Metric ? 1.0 : CM_PER_M * FEET_PER_CM;
    const std::string unit = units.Metric ? " m" : " ft";
    out << HEAD_ROW << LABEL << "Track " << std::to_string(track.Number)
        << "</TD><TD align=right>Lane 1</TD><TD align=right>Lane 2</TD></TR>";
    Row(out, "Length", track,
        [&](const LaneLap& lap) { return FormatLength(lap.Length * perMetre, dp) + unit; });
    Row(out, "Lap time", track,
        [&](const LaneLap& lap) { return FormatDecimals(lap.LapTime, 3, dp) + " s"; });
    Row(out, "Average speed", track, [&](const LaneLap& lap) {
        return FormatDecimals(lap.AverageSpeed * perMetre, 2, dp) + unit + "/s";
    });
    Row(out, "Full throttle", track, [&](const LaneLap& lap) {
        return FormatDecimals(lap.FullThrottleShare * 100.0, 0, dp) + " %";
    });
    out << DATA_ROW << LABEL
        << "Lane 2 vs lane 1</TD><TD colspan=2 align=right style=\"white-space: nowrap\">"
        << Signed(track.Difference(), 3, dp) << " s (" << Signed(track.DifferencePercent(), 2, dp)
        << " %)</TD></TR>";
}

} // namespace

std::string LapTimesHtml(const std::vector<TrackLaps>& laps, const std::string& carName,
                         const TrackListUnits& units) {
    Html out{std::string(), units};
    bool any = false;
    for (const TrackLaps& track : laps) {
        if (!track.Closed)
            continue;
        if (!any) {
            out << "<P></P>";
            out.Table(3, "Estimated lap times, car " + EscapeHtml(carName), "");
            any = true;
        }
        TrackRows(out, track);
    }
    if (any)
        out << "</TABLE>";
    return out.Text;
}
