#pragma once
#include "base/Saturate.h"
#include "design/Design.h"

#include <array>

// Where a part lies once the pose of its start is known: end pose, outline,
// lanes and kerbs, in world centimetres (scale 1) or pixels (scale = zoom).
// Rendering, hit testing and placement all take their shapes from here.

struct Pose {
    float X = 0.0f;
    float Y = 0.0f;
    QuarterDegrees Angle = 0;
};

struct PixelPoint {
    int X = 0;
    int Y = 0;
};

// The shared point list of one outline, lane or kerb; points beyond its
// capacity are dropped, so a damaged definition cannot overrun it.
struct PointBuffer {
    static constexpr int CAPACITY = 600;
    int Count = 0;
    std::array<PixelPoint, CAPACITY> Points;

    void Clear() { Count = 0; }
    void Add(PixelPoint p) {
        if (Count < CAPACITY)
            Points[Count++] = p;
    }
    void Close() {
        if (Count > 0)
            Add(Points[0]);
    }
};

inline float CosQ(int64_t angle) {
    return Angles.Cos[NormalizeAngle(angle)];
}
inline float SinQ(int64_t angle) {
    return Angles.Sin[NormalizeAngle(angle)];
}

// Maps a part's local (u across, v along) coordinates to the plane.
class PartFrame {
  public:
    PartFrame(const Pose& pose, float scale)
        : X(pose.X), Y(pose.Y), C(CosQ(pose.Angle)), S(SinQ(pose.Angle)), Scale(scale) {}
    PixelPoint At(float u, float v) const;
    float WorldX(float u, float v) const { return X + Scale * (u * C - v * S); }
    float WorldY(float u, float v) const { return Y + Scale * (u * S + v * C); }

  private:
    float X, Y, C, S, Scale;
};

inline bool TurnsLeft(uint8_t status) {
    return (status & PS_LEFT) != 0;
}

// Local coordinates of the point at radius r and arc angle phi of a curve: a
// right curve turns about (-Ri, 0), a left one about (Ro, 0).
struct Arc {
    float CentreU;
    float Sign;
    float U(float r, int phi) const { return CentreU + Sign * r * CosQ(phi); }
    static float V(float r, int phi) { return r * SinQ(phi); }
};

inline Arc ArcOf(const L_PARTDEF& def, uint8_t status) {
    return TurnsLeft(status) ? Arc{def.CurveOuterRadius, -1.0f} : Arc{-def.CurveInnerRadius, 1.0f};
}

// Radius of lane 1 (first) or lane 2 of a curve.
float LaneRadius(const L_PARTDEF& def, uint8_t status, bool first);

void AdvancePose(const T_PART& part, float& x, float& y, QuarterDegrees& angle, float scale);
// The part's own displacement and turn from the pose (0, 0, 0) at scale 1.
Pose PartDelta(const T_PART& part);

// Sampling step of a curve's arcs, quarter degrees.
int CurveStep(QuarterDegrees alpha, bool printing);
// A curve smaller than its sampling step has no shape at all.
bool CurveHasShape(const L_PARTDEF& def, bool printing);

// The part's outline as a closed polygon (first point repeated); for a
// freeform part the points of its box: its hit rectangle and its exit point.
void PartOutline(const T_PART& part, const Pose& pose, float scale, bool printing,
                 PointBuffer& out);
bool HasLanes(const L_PARTDEF& def);
// Lane 1 and lane 2: two points for straights and interfaces, sampled arcs for curves.
void FirstLane(const T_PART& part, const Pose& pose, float scale, bool printing, PointBuffer& out);
void SecondLane(const T_PART& part, const Pose& pose, float scale, bool printing, PointBuffer& out);

enum class Border { Inner, Outer };
// Whether the border shows: a width, segments, the status bit, a straight or curve.
bool HasBorder(const T_PART& part, Border border);
// Calls visit(quad, k) for every kerb segment k of a border that shows; quad
// holds the four corners.
constexpr int MAX_KERB_SEGMENTS = 1440;
template <typename Visit>
void ForEachKerb(const T_PART& part, Border border, const Pose& pose, float scale, bool printing,
                 Visit visit);

// Across range (straights) or radii (curves) of a border strip.
struct BorderStrip {
    float Near = 0.0f;
    float Far = 0.0f;
};
BorderStrip StripOf(const L_PARTDEF& def, Border border);
int KerbCount(const L_PARTDEF& def, Border border);

template <typename Visit>
void ForEachKerb(const T_PART& part, Border border, const Pose& pose, float scale, bool printing,
                 Visit visit) {
    if (!HasBorder(part, border))
        return;
    const L_PARTDEF& def = *part.Def;
    const PartFrame frame(pose, scale);
    const BorderStrip strip = StripOf(def, border);
    const int count = KerbCount(def, border);
    std::array<PixelPoint, 4> quad;
    if (def.Type == PT_Straight) {
        const float step = def.StraightLength / count + 0.001f;
        for (int k = 0; k < MAX_KERB_SEGMENTS && k * step < def.StraightLength; ++k) {
            const float v0 = k * step, v1 = (k + 1) * step;
            quad = {frame.At(strip.Near, v0), frame.At(strip.Near, v1), frame.At(strip.Far, v1),
                    frame.At(strip.Far, v0)};
            visit(quad, k);
        }
        return;
    }
    if (!CurveHasShape(def, printing))
        return;
    const Arc arc = ArcOf(def, part.Status);
    auto at = [&](float r, int phi) { return frame.At(arc.U(r, phi), Arc::V(r, phi)); };
    const float step = static_cast<float>(def.CurveAngle) / count + 0.001f;
    float phi = 0.0f;
    for (int k = 0; k < MAX_KERB_SEGMENTS && phi < def.CurveAngle; ++k, phi += step) {
        // Saturating: a damaged definition's angle can lie beyond int.
        const int a0 = TruncToInt32(phi);
        const int a1 = TruncToInt32(double(a0) + step);
        quad = {at(strip.Near, a0), at(strip.Far, a0), at(strip.Far, a1), at(strip.Near, a1)};
        visit(quad, k);
    }
}
