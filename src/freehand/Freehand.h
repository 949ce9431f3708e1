#pragma once
#include "ShapeStore.h"
#include "ViewTransform.h"

#include <array>
#include <cstdint>
#include <string>

class TextReader;
class TextWriter;

constexpr int MAX_SHAPES = 128;
constexpr int MAX_POINTS = 32;

enum ShapeKind : int32_t {
    SK_None = 0,
    SK_Text = 1,
    SK_Polyline = 2,
    SK_Polygon = 3,
    SK_Ellipse = 4,
    SK_Rectangle = 6,
    SK_FilledRectangle = 7,
};

// A screen point within this many pixels (in x and in y) of a shape point hits it.
constexpr int POINT_HIT_DISTANCE = 3;

struct F_POINT {
    float X = 0.0f;
    float Y = 0.0f;
};

struct F_SHAPE {
    int32_t Kind = SK_None;
    int32_t PenWidth = 1;
    int32_t Color = 0; // 0x00BBGGRR
    std::string Text;
    int32_t TextSize = 0;
    int32_t PointCount = 0;
    std::array<F_POINT, MAX_POINTS> Points{};

    void ResetShape();
    // Null when the shape already holds MAX_POINTS points.
    F_POINT* AddPoint(float x, float y);
    // Index of the first point within the hit distance of (sx, sy), or -1.
    int PointAt(const ViewTransform& view, int sx, int sy) const;
};

struct F_FREEHAND {
    int32_t ShapeCount = 0;
    // Slots are allocated eight at a time as shapes are added.
    ShapeStore<F_SHAPE, MAX_SHAPES, 8> Shapes;
    bool Changed = false;

    void ClearLayer();
    // Null when the layer already holds MAX_SHAPES shapes.
    F_SHAPE* AddShape();
    bool DeleteShape(const F_SHAPE* shape);
    int IndexOfShape(const F_SHAPE* shape) const;
    F_SHAPE* FindShapeAt(const ViewTransform& view, int sx, int sy);

    // False when the file ended before the shapes or points it announced;
    // what was there is read, nothing beyond it is made up.
    bool ReadFreehandSection(TextReader& in);
    void WriteFreehandSection(TextWriter& out);
};
