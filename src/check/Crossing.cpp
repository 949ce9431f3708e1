#include "Crossing.h"

#include <cmath>

namespace {

constexpr float MM_PER_CM = 10.0f;
constexpr QuarterDegrees HALF_TURN = FULL_TURN / 2;

// The angle between two undirected axes: 0 to 90 degrees.
QuarterDegrees AxisAngle(QuarterDegrees a, QuarterDegrees b) {
    const QuarterDegrees d = NormalizeAngle(static_cast<int64_t>(a) - b) % HALF_TURN;
    return std::min(d, HALF_TURN - d);
}

} // namespace

CrossingAxis AxisOf(const T_PLACED& placed) {
    const L_PARTDEF& def = *placed.Part->Def;
    CrossingAxis axis;
    if (def.Type != PT_Straight)
        return axis;
    const PartFrame frame(placed.StartPose(), 1.0f);
    const float u = def.StraightWidth / 2, v = def.StraightLength / 2;
    axis.Straight = true;
    axis.CentreX = frame.WorldX(u, v);
    axis.CentreY = frame.WorldY(u, v);
    axis.Angle = placed.Angle;
    return axis;
}

bool IsCrossing(const CrossingAxis& a, const CrossingAxis& b) {
    if (!a.Straight || !b.Straight)
        return false;
    const float gap = std::hypot(a.CentreX - b.CentreX, a.CentreY - b.CentreY) * MM_PER_CM;
    return gap <= CROSSING_CENTRE_MM && AxisAngle(a.Angle, b.Angle) >= CROSSING_MIN_ANGLE;
}
