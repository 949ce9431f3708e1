#include "Freehand.h"

#include <cstdlib>
#include <utility>

void F_SHAPE::ResetShape() {
    Kind = SK_None;
    PenWidth = 1;
    Color = 0;
    Text.clear();
    TextSize = 0;
    PointCount = 0;
}

F_POINT* F_SHAPE::AddPoint(float x, float y) {
    if (PointCount >= MAX_POINTS)
        return nullptr;
    F_POINT& point = Points[PointCount++];
    point.X = x;
    point.Y = y;
    return &point;
}

int F_SHAPE::PointAt(const ViewTransform& view, int sx, int sy) const {
    for (int i = 0; i < PointCount; ++i) {
        const ScreenPoint p = WorldToScreen(view, Points[i].X, Points[i].Y);
        // In 64 bits: a point far off screen maps to the int bounds.
        if (std::llabs(int64_t(p.X) - sx) <= POINT_HIT_DISTANCE &&
            std::llabs(int64_t(p.Y) - sy) <= POINT_HIT_DISTANCE)
            return i;
    }
    return -1;
}

void F_FREEHAND::ClearLayer() {
    ShapeCount = 0;
    Changed = false;
}

F_SHAPE* F_FREEHAND::AddShape() {
    if (ShapeCount >= MAX_SHAPES)
        return nullptr;
    Changed = true;
    F_SHAPE& shape = Shapes.Slot(ShapeCount++);
    shape.ResetShape();
    return &shape;
}

bool F_FREEHAND::DeleteShape(const F_SHAPE* shape) {
    const int index = IndexOfShape(shape);
    if (index < 0)
        return false;
    Changed = true;
    for (int i = index; i + 1 < ShapeCount; ++i)
        Shapes[i] = std::move(Shapes[i + 1]);
    --ShapeCount;
    return true;
}

int F_FREEHAND::IndexOfShape(const F_SHAPE* shape) const {
    for (int i = 0; i < ShapeCount; ++i)
        if (&Shapes[i] == shape)
            return i;
    return -1;
}

F_SHAPE* F_FREEHAND::FindShapeAt(const ViewTransform& view, int sx, int sy) {
    for (int i = 0; i < ShapeCount; ++i)
        if (Shapes[i].PointAt(view, sx, sy) >= 0)
            return &Shapes[i];
    return nullptr;
}
