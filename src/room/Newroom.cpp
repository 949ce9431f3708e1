#include "Newroom.h"

#include "base/TextValues.h"

#include <vector>

namespace {

constexpr double CM_PER_METRE = 100.0;
constexpr double CM_PER_FOOT = 30.48;

struct Measures {
    float A, B, C, D, E, F;
};

std::vector<F_POINT> Corners(RoomShape shape, const Measures& m) {
    const float left = -m.A / 2, right = m.A / 2, top = -m.B / 2, bottom = m.B / 2;
    switch (shape) {
    case RoomShape::Rectangle:
        return {{left, top}, {right, bottom}};
    case RoomShape::LShaped:
        return {{left, top},        {left, bottom}, {left + m.C, bottom}, {left + m.C, top + m.D},
                {right, top + m.D}, {right, top},   {left, top}};
    case RoomShape::MShaped:
        return {{left, top},
                {left, bottom},
                {left + m.C, bottom},
                {left + m.C, top + m.E},
                {right - m.D, top + m.E},
                {right - m.D, top + m.F},
                {right, top + m.F},
                {right, top},
                {left, top}};
    case RoomShape::TShaped:
        return {{left, top},
                {left, top + m.E},
                {left + m.C, top + m.E},
                {left + m.C, bottom},
                {left + m.C + m.D, bottom},
                {left + m.C + m.D, top + m.F},
                {right, top + m.F},
                {right, top},
                {left, top}};
    case RoomShape::None:
        break;
    }
    return {};
}

int32_t KindOf(RoomShape shape, bool filled) {
    if (shape == RoomShape::Rectangle)
        return filled ? SK_FilledRectangle : SK_Rectangle;
    return filled ? SK_Polygon : SK_Polyline;
}

} // namespace

float MeasureInCentimetres(const std::string& text, bool metric) {
    return static_cast<float>(ParseDouble(text) * (metric ? CM_PER_METRE : CM_PER_FOOT));
}

void AddRoomOutline(F_FREEHAND& layer, const RoomOutlineRequest& request, bool metric) {
    if (request.Shape == RoomShape::None)
        return;
    std::array<float, 6> v;
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = MeasureInCentimetres(request.Measures[i], metric);
    Measures m{v[0], v[1], v[2], v[3], v[4], v[5]};
    if (request.Invert && request.Shape == RoomShape::LShaped) {
        m.A = -m.A; // mirrored across the vertical axis
        m.C = -m.C;
    } else if (request.Invert && request.Shape != RoomShape::Rectangle) {
        m.B = -m.B; // flipped across the horizontal axis
        m.E = -m.E;
        m.F = -m.F;
    }
    F_SHAPE* shape = layer.AddShape();
    if (!shape)
        return;
    shape->Kind = KindOf(request.Shape, request.Filled);
    shape->Color = ROOM_OUTLINE_COLOUR;
    shape->PenWidth = 1;
    for (const F_POINT& p : Corners(request.Shape, m))
        shape->AddPoint(p.X, p.Y);
}
