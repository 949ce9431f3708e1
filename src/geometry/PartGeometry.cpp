#include "PartGeometry.h"

#include "base/TextValues.h"

namespace {

constexpr float LANE_MIN_DISTANCE = 0.001f;
constexpr float BORDER_MIN_WIDTH = 0.001f;

void SampleDown(const Arc& arc, const PartFrame& frame, float r, int alpha, int step,
                PointBuffer& out) {
    for (int phi = alpha; phi >= 0 && out.Count < PointBuffer::CAPACITY; phi -= step)
        out.Add(frame.At(arc.U(r, phi), Arc::V(r, phi)));
}

void SampleUp(const Arc& arc, const PartFrame& frame, float r, int alpha, int step,
              PointBuffer& out) {
    for (int phi = 0; phi <= alpha && out.Count < PointBuffer::CAPACITY; phi += step)
        out.Add(frame.At(arc.U(r, phi), Arc::V(r, phi)));
}

void Rectangle(const PartFrame& frame, float width, float length, PointBuffer& out) {
    out.Add(frame.At(0, 0));
    out.Add(frame.At(0, length));
    out.Add(frame.At(width, length));
    out.Add(frame.At(width, 0));
    out.Close();
}

void StraightLane(const PartFrame& frame, float u, float length, PointBuffer& out) {
    out.Add(frame.At(u, 0));
    out.Add(frame.At(u, length));
}

} // namespace

float LaneRadius(const L_PARTDEF& def, uint8_t status, bool first) {
    const float middle = def.CurveOuterRadius - def.CurveWidth / 2;
    const float inner = middle - def.LaneDistance / 2;
    const float outer = middle + def.LaneDistance / 2;
    return (first == TurnsLeft(status)) ? outer : inner;
}

PixelPoint PartFrame::At(float u, float v) const {
    return {TruncToPixel(WorldX(u, v)), TruncToPixel(WorldY(u, v))};
}

void AdvancePose(const T_PART& part, float& x, float& y, QuarterDegrees& angle, float scale) {
    const L_PARTDEF& def = *part.Def;
    float u = 0.0f, v = 0.0f;
    int64_t turn = 0;
    switch (def.Type) {
    case PT_None:
    case PT_Straight:
        v = def.StraightLength;
        break;
    case PT_Curve: {
        const int alpha = def.CurveAngle;
        if (TurnsLeft(part.Status)) {
            u = def.CurveOuterRadius * (1 - CosQ(alpha));
            turn = -static_cast<int64_t>(alpha);
        } else {
            u = def.CurveInnerRadius * (CosQ(alpha) - 1);
            turn = alpha;
        }
        v = (TurnsLeft(part.Status) ? def.CurveOuterRadius : def.CurveInnerRadius) * SinQ(alpha);
        break;
    }
    case PT_Interface:
        u = (def.InterfaceWidth1 - def.InterfaceWidth2) / 2;
        v = def.InterfaceLength;
        break;
    case PT_Freeform:
        u = def.FreeformNextX;
        v = def.FreeformNextY;
        turn = def.FreeformAngle;
        break;
    default:
        return;
    }
    const PartFrame frame(Pose{x, y, angle}, scale);
    const float endX = frame.WorldX(u, v);
    y = frame.WorldY(u, v);
    x = endX;
    angle = NormalizeAngle(angle + turn);
}

Pose PartDelta(const T_PART& part) {
    Pose delta;
    AdvancePose(part, delta.X, delta.Y, delta.Angle, 1.0f);
    return delta;
}

int CurveStep(QuarterDegrees alpha, bool printing) {
    if (alpha == 45 || alpha == 90)
        return 15;
    return printing ? 5 : 30;
}

bool CurveHasShape(const L_PARTDEF& def, bool printing) {
    return def.CurveAngle >= CurveStep(def.CurveAngle, printing);
}

void PartOutline(const T_PART& part, const Pose& pose, float scale, bool printing,
                 PointBuffer& out) {
    out.Clear();
    const L_PARTDEF& def = *part.Def;
    const PartFrame frame(pose, scale);
    switch (def.Type) {
    case PT_None:
    case PT_Straight:
        Rectangle(frame, def.StraightWidth, def.StraightLength, out);
        break;
    case PT_Interface: {
        const float h = (def.InterfaceWidth2 - def.InterfaceWidth1) / 2;
        out.Add(frame.At(0, 0));
        out.Add(frame.At(-h, def.InterfaceLength));
        out.Add(frame.At(def.InterfaceWidth1 + h, def.InterfaceLength));
        out.Add(frame.At(def.InterfaceWidth1, 0));
        out.Close();
        break;
    }
    case PT_Curve: {
        if (!CurveHasShape(def, printing))
            break;
        const Arc arc = ArcOf(def, part.Status);
        const bool left = TurnsLeft(part.Status);
        const int step = CurveStep(def.CurveAngle, printing);
        SampleDown(arc, frame, left ? def.CurveInnerRadius : def.CurveOuterRadius, def.CurveAngle,
                   step, out);
        SampleUp(arc, frame, left ? def.CurveOuterRadius : def.CurveInnerRadius, def.CurveAngle,
                 step, out);
        out.Close();
        break;
    }
    case PT_Freeform:
        // Freeform parts draw only their silkscreen. Their box is the area a
        // pointer hits and their exit point, both turned with the part, so
        // that fitting and culling see the part where it lies.
        Rectangle(frame, def.FreeformWidth, def.FreeformLength, out);
        out.Add(frame.At(def.FreeformNextX, def.FreeformNextY));
        break;
    default:
        break;
    }
}

bool HasLanes(const L_PARTDEF& def) {
    const bool laned = def.Type == PT_Straight || def.Type == PT_Curve || def.Type == PT_Interface;
    return laned && def.LaneDistance > LANE_MIN_DISTANCE;
}

namespace {

void Lane(const T_PART& part, const Pose& pose, float scale, bool printing, bool first,
          PointBuffer& out) {
    out.Clear();
    const L_PARTDEF& def = *part.Def;
    if (!HasLanes(def))
        return;
    const PartFrame frame(pose, scale);
    const float offset = first ? -def.LaneDistance / 2 : def.LaneDistance / 2;
    switch (def.Type) {
    case PT_Straight:
        StraightLane(frame, def.StraightWidth / 2 + offset, def.StraightLength, out);
        break;
    case PT_Interface:
        StraightLane(frame, def.InterfaceWidth1 / 2 + offset, def.InterfaceLength, out);
        break;
    case PT_Curve: {
        if (!CurveHasShape(def, printing))
            break;
        const Arc arc = ArcOf(def, part.Status);
        const float radius = LaneRadius(def, part.Status, first);
        const int step = CurveStep(def.CurveAngle, printing);
        if (first)
            SampleUp(arc, frame, radius, def.CurveAngle, step, out);
        else
            SampleDown(arc, frame, radius, def.CurveAngle, step, out);
        break;
    }
    default:
        break;
    }
}

} // namespace

void FirstLane(const T_PART& part, const Pose& pose, float scale, bool printing, PointBuffer& out) {
    Lane(part, pose, scale, printing, true, out);
}

void SecondLane(const T_PART& part, const Pose& pose, float scale, bool printing,
                PointBuffer& out) {
    Lane(part, pose, scale, printing, false, out);
}

bool HasBorder(const T_PART& part, Border border) {
    const L_PARTDEF& def = *part.Def;
    if (def.Type != PT_Straight && def.Type != PT_Curve)
        return false;
    const bool inner = border == Border::Inner;
    const float width = inner ? def.InnerBorderWidth : def.OuterBorderWidth;
    const uint8_t bit = inner ? PS_INNER_BORDER : PS_OUTER_BORDER;
    return width > BORDER_MIN_WIDTH && KerbCount(def, border) > 0 && (part.Status & bit);
}

int KerbCount(const L_PARTDEF& def, Border border) {
    return border == Border::Inner ? def.InnerBorderStep : def.OuterBorderStep;
}

BorderStrip StripOf(const L_PARTDEF& def, Border border) {
    const bool inner = border == Border::Inner;
    if (def.Type == PT_Straight)
        return inner ? BorderStrip{def.StraightWidth, def.StraightWidth + def.InnerBorderWidth}
                     : BorderStrip{-def.OuterBorderWidth, 0.0f};
    return inner ? BorderStrip{def.CurveInnerRadius - def.InnerBorderWidth, def.CurveInnerRadius}
                 : BorderStrip{def.CurveOuterRadius, def.CurveOuterRadius + def.OuterBorderWidth};
}
