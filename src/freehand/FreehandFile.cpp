#include "Freehand.h"

#include "base/TextReader.h"
#include "base/TextWriter.h"

namespace {

// Reads one shape record into shape; a record beyond the layer's limit is read
// into a scratch shape so that the values after it stay in step. False when
// the file ended before its announced points.
bool ReadShape(TextReader& in, F_SHAPE& shape) {
    shape.ResetShape();
    shape.Kind = in.ReadInt();
    shape.Color = in.ReadInt();
    shape.PenWidth = in.ReadInt();
    if (shape.Kind == SK_Text) {
        shape.Text = in.ReadText();
        shape.TextSize = in.ReadInt();
    }
    const int32_t count = in.ReadInt();
    int32_t i = 0;
    for (; i < count && in.MoreValues(); ++i) {
        const float x = static_cast<float>(in.ReadFloat());
        const float y = static_cast<float>(in.ReadFloat());
        shape.AddPoint(x, y);
    }
    return i >= count && !in.AtEnd();
}

void WriteShape(TextWriter& out, const F_SHAPE& shape) {
    out.Line("# Shape");
    out.Int(shape.Kind);
    out.Line("# Color");
    out.Int(shape.Color);
    out.Line("# Penwidth");
    out.Int(shape.PenWidth);
    if (shape.Kind == SK_Text) {
        out.Line("# Text");
        out.Line(shape.Text);
        out.Line("# Text size");
        out.Int(shape.TextSize);
    }
    out.Line("# Num of points");
    out.Int(shape.PointCount);
    for (int i = 0; i < shape.PointCount; ++i) {
        out.Line("# x");
        out.Float(shape.Points[i].X);
        out.Line("# y");
        out.Float(shape.Points[i].Y);
    }
}

} // namespace

bool F_FREEHAND::ReadFreehandSection(TextReader& in) {
    ClearLayer();
    const int32_t count = in.ReadInt();
    F_SHAPE excess;
    bool complete = true;
    int32_t i = 0;
    for (; i < count && in.MoreValues(); ++i) {
        if (i < MAX_SHAPES) {
            complete = ReadShape(in, Shapes.Slot(i)) && complete;
            ShapeCount = i + 1;
        } else {
            complete = ReadShape(in, excess) && complete;
        }
    }
    Changed = false;
    return complete && i >= count;
}

void F_FREEHAND::WriteFreehandSection(TextWriter& out) {
    out.Line("# FREEHAND");
    out.Line("#");
    out.Line("# Number of SHAPES");
    out.Int(ShapeCount);
    for (int i = 0; i < ShapeCount; ++i)
        WriteShape(out, Shapes[i]);
    Changed = false;
}
