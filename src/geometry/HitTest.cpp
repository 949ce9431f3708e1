#include "Placement.h"

#include <cmath>

namespace {

constexpr double DEGREES_PER_RADIAN = 57.29577951308232;
constexpr double PI = 3.14159265358979323846;

struct Range {
    float Low;
    float High;
};

// The straight-like extents: width across and length along the part.
bool Extents(const L_PARTDEF& def, float& width, float& length) {
    switch (def.Type) {
    case PT_None:
    case PT_Straight:
        width = def.StraightWidth;
        length = def.StraightLength;
        return true;
    case PT_Interface:
        width = def.InterfaceWidth1;
        length = def.InterfaceLength;
        return true;
    case PT_Freeform:
        width = def.FreeformWidth;
        length = def.FreeformLength;
        return true;
    default:
        return false;
    }
}

// Borders widen the hit area whenever their bit is set, whatever they draw.
Range AcrossRange(const T_PART& part, float width) {
    Range range = width < 0 ? Range{width, -width} : Range{0.0f, width};
    if (part.Status & PS_INNER_BORDER)
        range.Low -= part.Def->InnerBorderWidth;
    if (part.Status & PS_OUTER_BORDER)
        range.High += part.Def->OuterBorderWidth;
    return range;
}

int HitStraight(const T_PLACED& placed, float z, float px, float py) {
    float width = 0.0f, length = 0.0f;
    if (!Extents(*placed.Part->Def, width, length))
        return HIT_NONE;
    const int back = NormalizeAngle(FULL_TURN - placed.Angle);
    const float c = Angles.Cos[back], s = Angles.Sin[back];
    const float x0 = placed.X, y0 = placed.Y;
    const float u = x0 + (px - x0) * c - (py - y0) * s;
    const float v = y0 + (py - y0) * c + (px - x0) * s;
    const Range across = AcrossRange(*placed.Part, width);
    if (u < x0 + across.Low * z || u > x0 + across.High * z)
        return HIT_NONE;
    const float middle = y0 + length * 0.5f * z;
    if (y0 <= v && v <= middle)
        return HIT_FIRST_HALF;
    if (middle <= v && v <= y0 + length * z)
        return HIT_SECOND_HALF;
    return HIT_NONE;
}

// Direction of q seen from the centre, degrees clockwise from straight up.
double Bearing(double qx, double qy) {
    double radians;
    if (qx == 0)
        radians = qy <= 0 ? -PI / 2 : PI / 2;
    else
        radians = std::atan(qy / qx) + (qx < 0 ? PI : 0.0);
    return radians * DEGREES_PER_RADIAN + 90;
}

int HitCurve(const T_PLACED& placed, float z, float px, float py) {
    const T_PART& part = *placed.Part;
    const L_PARTDEF& def = *part.Def;
    const bool left = TurnsLeft(part.Status);
    const float r = left ? def.CurveOuterRadius : def.CurveInnerRadius;
    const float c = CosQ(placed.Angle), s = SinQ(placed.Angle);
    const float sign = left ? 1.0f : -1.0f;
    const double cx = placed.X + sign * r * z * c;
    const double cy = placed.Y + sign * r * z * s;
    // The radial test is cheap and decides most misses before any bearing.
    const double inner =
        (def.CurveInnerRadius - ((part.Status & PS_INNER_BORDER) ? def.InnerBorderWidth : 0.0f)) *
        z;
    const double outer =
        (def.CurveOuterRadius + ((part.Status & PS_OUTER_BORDER) ? def.OuterBorderWidth : 0.0f)) *
        z;
    const double distance = std::hypot(px - cx, py - cy);
    if (distance < inner || distance > outer)
        return HIT_NONE;
    const PartFrame frame(placed.StartPose(), z);
    const Arc arc = ArcOf(def, part.Status);
    auto bearingAt = [&](int phi) {
        const float u = arc.U(r, phi), v = Arc::V(r, phi);
        return Bearing(frame.WorldX(u, v) - cx, frame.WorldY(u, v) - cy);
    };
    double point = Bearing(px - cx, py - cy);
    double start = Bearing(placed.X - cx, placed.Y - cy);
    double end = bearingAt(def.CurveAngle);
    double middle = bearingAt(def.CurveAngle / 2);
    if (left)
        std::swap(start, end);
    if (end < start) {
        end += 360;
        if (cx - px <= 0)
            point += 360;
    }
    if (middle < start)
        middle += 360;
    if (start <= point && point < middle)
        return left ? HIT_SECOND_HALF : HIT_FIRST_HALF;
    if (middle <= point && point <= end)
        return left ? HIT_FIRST_HALF : HIT_SECOND_HALF;
    return HIT_NONE;
}

} // namespace

int HitTestPart(const T_PLACED& placed, const P_VIEW& view, float px, float py) {
    if (placed.Part->Def->Type == PT_Curve)
        return HitCurve(placed, view.Scale, px, py);
    return HitStraight(placed, view.Scale, px, py);
}

T_PLACED* FindTopmostPart(T_PLACEMENT& placement, const P_VIEW& view, float px, float py) {
    for (int i = placement.Count - 1; i >= 0; --i)
        if (HitTestPart(placement.Entries[i], view, px, py) != HIT_NONE)
            return &placement.Entries[i];
    return nullptr;
}

const PartsAt* FindPartsAt(T_PLACEMENT& placement, const P_VIEW& view, float px, float py) {
    static PartsAt found; // one shared list, valid until the next call
    found.Count = 0;
    for (int i = placement.Count - 1; i >= 0 && found.Count < MAX_PARTS_AT; --i)
        if (HitTestPart(placement.Entries[i], view, px, py) != HIT_NONE)
            found.Hits[found.Count++] = &placement.Entries[i];
    found.Hits[found.Count] = nullptr;
    return found.Count > 0 ? &found : nullptr;
}
