#include "DxfExport.h"

#include "FreehandRender.h"
#include "TrueScale.h"
#include "geometry/PartGeometry.h"

#include "base/TextWriter.h"

#include <charconv>
#include <cmath>
#include <dl_dxf.h>
#include <functional>
#include <memory>
#include <string_view>

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int ELLIPSE_SEGMENTS = 72; // R12 has no ellipse entity
constexpr const char* LAYERS[] = {"TRACKS",     "LANE1",    "LANE2", "KERBS",
                                  "SILKSCREEN", "FREEHAND", "ROOM"};
constexpr int LAYER_COLOURS[] = {7, 1, 3, 8, 4, 5, 6};

// dxflib's own writer flushes the file after every value; this one keeps the
// drawing in memory, in the same form, so that it is written in one go (and
// replaces the target only once complete).
class MemoryDxfWriter : public DL_WriterA {
  public:
    explicit MemoryDxfWriter(DL_Codes::version version) : DL_WriterA("/dev/null", version) {}
    const std::string& Content() const { return Text; }

    void dxfReal(int gc, double value) const override {
        char digits[64];
        const auto end =
            std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
        Value(gc, std::string_view(digits, end.ptr - digits));
        if (std::string_view(digits, end.ptr - digits).find('.') == std::string_view::npos)
            Text.insert(Text.size() - 1, ".0");
    }
    void dxfInt(int gc, int value) const override { Value(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override {
        char digits[16];
        const auto end =
            std::to_chars(digits, digits + sizeof digits, static_cast<unsigned>(value), 16);
        std::string hex(digits, end.ptr);
        for (char& c : hex)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        Value(gc, hex);
    }
    void dxfString(int gc, const char* value) const override { Value(gc, value); }
    void dxfString(int gc, const std::string& value) const override { Value(gc, value); }

  private:
    // Group codes right-aligned in three columns, as dxflib writes them.
    void Value(int gc, std::string_view value) const {
        if (gc < 10)
            Text += "  ";
        else if (gc < 100)
            Text += ' ';
        Text += std::to_string(gc);
        Text += '\n';
        Text += value;
        Text += '\n';
    }
    mutable std::string Text;
};

struct Point2 {
    double X, Y;
};

// Writes entities in millimetres with y turned up; world centimetres in.
class DxfSink {
  public:
    DxfSink(DL_Dxf& dxf, DL_WriterA& writer, double mmPerCm)
        : Dxf(dxf), Writer(writer), MmPerCm(mmPerCm) {}

    void Layer(const char* name) { Current = name; }
    Point2 Map(double x, double y) const { return {x * MmPerCm, -y * MmPerCm}; }

    void Line(Point2 a, Point2 b) {
        const Point2 p = Map(a.X, a.Y), q = Map(b.X, b.Y);
        Dxf.writeLine(Writer, DL_LineData(p.X, p.Y, 0, q.X, q.Y, 0), Attributes());
    }
    // The arc about centre from start to end through middle (world points).
    void ArcThrough(Point2 centre, Point2 start, Point2 middle, Point2 end) {
        const Point2 c = Map(centre.X, centre.Y);
        auto angle = [&](Point2 w) {
            const Point2 p = Map(w.X, w.Y);
            double degrees = std::atan2(p.Y - c.Y, p.X - c.X) * 180.0 / PI;
            return degrees < 0 ? degrees + 360.0 : degrees;
        };
        const Point2 s = Map(start.X, start.Y);
        const double radius = std::hypot(s.X - c.X, s.Y - c.Y);
        double a = angle(start), b = angle(end);
        // DXF arcs run anticlockwise: swap the ends when the middle is not on that way.
        const double span = std::fmod(b - a + 360.0, 360.0);
        if (std::fmod(angle(middle) - a + 360.0, 360.0) > span)
            std::swap(a, b);
        Dxf.writeArc(Writer, DL_ArcData(c.X, c.Y, 0, radius, a, b), Attributes());
    }
    void Circle(Point2 centre, double radius) {
        const Point2 c = Map(centre.X, centre.Y);
        Dxf.writeCircle(Writer, DL_CircleData(c.X, c.Y, 0, radius * MmPerCm), Attributes());
    }
    void Text(Point2 at, double heightCm, const std::string& text) {
        const Point2 p = Map(at.X, at.Y);
        Dxf.writeText(Writer,
                      DL_TextData(p.X, p.Y, 0, p.X, p.Y, 0, heightCm * MmPerCm, 1.0, 0, 0, 0, text,
                                  "STANDARD", 0.0),
                      Attributes());
    }

  private:
    DL_Attributes Attributes() const { return DL_Attributes(Current, 256, -1, "BYLAYER", 1.0); }
    DL_Dxf& Dxf;
    DL_WriterA& Writer;
    double MmPerCm;
    std::string Current = "0";
};

Point2 At(const PartFrame& frame, double u, double v) {
    return {frame.WorldX(static_cast<float>(u), static_cast<float>(v)),
            frame.WorldY(static_cast<float>(u), static_cast<float>(v))};
}

void StraightStrip(DxfSink& out, const PartFrame& frame, double u0, double u1, double length) {
    const Point2 a = At(frame, u0, 0), b = At(frame, u1, 0), c = At(frame, u1, length),
                 d = At(frame, u0, length);
    out.Line(a, b);
    out.Line(b, c);
    out.Line(c, d);
    out.Line(d, a);
}

void CurveArc(DxfSink& out, const PartFrame& frame, const Arc& arc, double r, int alpha) {
    auto at = [&](int phi) {
        return At(frame, arc.U(static_cast<float>(r), phi), Arc::V(static_cast<float>(r), phi));
    };
    out.ArcThrough(At(frame, arc.CentreU, 0), at(0), at(alpha / 2), at(alpha));
}

// Inner and outer arcs and the two radial ends of the band r0..r1.
void CurveStrip(DxfSink& out, const PartFrame& frame, const Arc& arc, double r0, double r1,
                int alpha) {
    CurveArc(out, frame, arc, r0, alpha);
    CurveArc(out, frame, arc, r1, alpha);
    for (int phi : {0, alpha})
        out.Line(
            At(frame, arc.U(static_cast<float>(r0), phi), Arc::V(static_cast<float>(r0), phi)),
            At(frame, arc.U(static_cast<float>(r1), phi), Arc::V(static_cast<float>(r1), phi)));
}

void StraightPart(DxfSink& out, const T_PART& part, const PartFrame& frame) {
    const L_PARTDEF& def = *part.Def;
    out.Layer("TRACKS");
    StraightStrip(out, frame, 0, def.StraightWidth, def.StraightLength);
    if (HasLanes(def))
        for (int lane = 0; lane < 2; ++lane) {
            const double u = def.StraightWidth / 2 + (lane == 0 ? -1 : 1) * def.LaneDistance / 2;
            out.Layer(LAYERS[1 + lane]);
            out.Line(At(frame, u, 0), At(frame, u, def.StraightLength));
        }
    out.Layer("KERBS");
    for (Border border : {Border::Inner, Border::Outer})
        if (HasBorder(part, border)) {
            const BorderStrip strip = StripOf(def, border);
            StraightStrip(out, frame, strip.Near, strip.Far, def.StraightLength);
        }
}

void CurvePart(DxfSink& out, const T_PART& part, const PartFrame& frame) {
    const L_PARTDEF& def = *part.Def;
    const Arc arc = ArcOf(def, part.Status);
    out.Layer("TRACKS");
    CurveStrip(out, frame, arc, def.CurveInnerRadius, def.CurveOuterRadius, def.CurveAngle);
    if (HasLanes(def))
        for (int lane = 0; lane < 2; ++lane) {
            out.Layer(LAYERS[1 + lane]);
            CurveArc(out, frame, arc, LaneRadius(def, part.Status, lane == 0), def.CurveAngle);
        }
    out.Layer("KERBS");
    for (Border border : {Border::Inner, Border::Outer})
        if (HasBorder(part, border)) {
            const BorderStrip strip = StripOf(def, border);
            CurveStrip(out, frame, arc, strip.Near, strip.Far, def.CurveAngle);
        }
}

// Other parts by their outline, in tenths of a millimetre.
void OutlinedPart(DxfSink& out, const T_PART& part, const Pose& start) {
    constexpr float FINE = 100.0f;
    PointBuffer outline;
    const Pose fine{start.X * FINE, start.Y * FINE, start.Angle};
    PartOutline(part, fine, FINE, true, outline);
    out.Layer("TRACKS");
    for (int i = 1; i < outline.Count; ++i)
        out.Line({outline.Points[i - 1].X / FINE, outline.Points[i - 1].Y / FINE},
                 {outline.Points[i].X / FINE, outline.Points[i].Y / FINE});
}

// Where a shape's points land: the plane itself for the design's drawing and
// the room, the part's frame for a silkscreen.
using PointMap = std::function<Point2(double x, double y)>;

void Ellipse(DxfSink& out, const F_POINT& a, const F_POINT& b, const PointMap& map) {
    const double cx = (a.X + b.X) / 2.0, cy = (a.Y + b.Y) / 2.0;
    const double rx = std::fabs(b.X - a.X) / 2, ry = std::fabs(b.Y - a.Y) / 2;
    if (std::fabs(rx - ry) < 1e-3) {
        out.Circle(map(cx, cy), rx);
        return;
    }
    for (int i = 0; i < ELLIPSE_SEGMENTS; ++i) {
        const double t0 = 2 * PI * i / ELLIPSE_SEGMENTS, t1 = 2 * PI * (i + 1) / ELLIPSE_SEGMENTS;
        out.Line(map(cx + rx * std::cos(t0), cy + ry * std::sin(t0)),
                 map(cx + rx * std::cos(t1), cy + ry * std::sin(t1)));
    }
}

void Shape(DxfSink& out, const F_SHAPE& shape, const PointMap& map) {
    const int n = std::min<int>(shape.PointCount, MAX_POINTS);
    auto p = [&](int i) { return map(shape.Points[i].X, shape.Points[i].Y); };
    switch (shape.Kind) {
    case SK_Text:
        if (n > 0) {
            // The canvas hangs a text from its top-left corner, DXF stands it
            // on its baseline: one ascent lower.
            const double font = std::max(shape.TextSize, 1) * TEXT_FONT_CM_PER_SIZE;
            out.Text(map(shape.Points[0].X, shape.Points[0].Y + font * TEXT_ASCENT_PER_FONT),
                     font * TEXT_CAP_HEIGHT_PER_FONT, shape.Text);
        }
        break;
    case SK_Polyline:
    case SK_Polygon:
        for (int i = 1; i < n; ++i)
            out.Line(p(i - 1), p(i));
        if (shape.Kind == SK_Polygon && n > 2)
            out.Line(p(n - 1), p(0));
        break;
    case SK_Ellipse:
        if (n >= 2)
            Ellipse(out, shape.Points[0], shape.Points[1], map);
        break;
    case SK_Rectangle:
    case SK_FilledRectangle:
        if (n >= 2) {
            const F_POINT& a = shape.Points[0];
            const F_POINT& c = shape.Points[1];
            const Point2 corners[] = {map(a.X, a.Y), map(c.X, a.Y), map(c.X, c.Y), map(a.X, c.Y)};
            for (int i = 0; i < 4; ++i)
                out.Line(corners[i], corners[(i + 1) % 4]);
        }
        break;
    default:
        break;
    }
}

void Layer(DxfSink& out, const char* name, const F_FREEHAND& layer, const PointMap& map) {
    out.Layer(name);
    for (int s = 0; s < std::min<int>(layer.ShapeCount, MAX_SHAPES); ++s)
        Shape(out, layer.Shapes[s], map);
}

Point2 Plane(double x, double y) {
    return {x, y};
}

// The part's printing, placed as the canvas places it: right curves mirror it
// across the track.
void Silkscreen(DxfSink& out, const T_PART& part, const PartFrame& frame) {
    const F_FREEHAND* silkscreen = part.Def->Silkscreen.get();
    if (!silkscreen)
        return;
    const bool mirrored = part.Def->Type == PT_Curve && (part.Status & PS_RIGHT);
    const double offset = mirrored ? part.Def->CurveWidth : 0.0;
    Layer(out, "SILKSCREEN", *silkscreen,
          [&](double x, double y) { return At(frame, (mirrored ? -x : x) + offset, y); });
}

void Part(DxfSink& out, const T_PLACED& placed) {
    const T_PART& part = *placed.Part;
    const Pose start = placed.StartPose();
    const PartFrame frame(start, 1.0f);
    if (part.Def->Type == PT_Straight)
        StraightPart(out, part, frame);
    else if (part.Def->Type == PT_Curve && CurveHasShape(*part.Def, true))
        CurvePart(out, part, frame);
    else
        OutlinedPart(out, part, start);
    Silkscreen(out, part, frame);
}

void Tracks(DxfSink& out, T_DESIGN& design) {
    ForEachTrackAlone(design, [&](int, const T_PLACEMENT& placement) {
        for (int k = 0; k < placement.Count; ++k)
            Part(out, placement.Entries[k]);
    });
}

void Tables(DL_Dxf& dxf, DL_WriterA& writer) {
    writer.sectionTables();
    dxf.writeVPort(writer);
    writer.tableLinetypes(1);
    dxf.writeLinetype(writer, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    writer.tableEnd();
    writer.tableLayers(static_cast<int>(std::size(LAYERS)) + 1);
    dxf.writeLayer(writer, DL_LayerData("0", 0), DL_Attributes("", 7, -1, "CONTINUOUS", 1.0));
    for (size_t i = 0; i < std::size(LAYERS); ++i)
        dxf.writeLayer(writer, DL_LayerData(LAYERS[i], 0),
                       DL_Attributes("", LAYER_COLOURS[i], -1, "CONTINUOUS", 1.0));
    writer.tableEnd();
    writer.tableStyle(1);
    dxf.writeStyle(writer, DL_StyleData("STANDARD", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    writer.tableEnd();
    dxf.writeView(writer);
    dxf.writeUcs(writer);
    writer.tableAppid(1);
    dxf.writeAppid(writer, "ACAD");
    writer.tableEnd();
    writer.sectionEnd();
}

} // namespace

bool ExportDxf(CanvasSet& canvases, const std::string& fileName, int scaleDenominator) {
    if (LayoutExtent(canvases).Empty)
        return false;
    DL_Dxf dxf;
    // Opening a writer is the only way to set the library's DXF version (R12,
    // which every reader takes); its own writer goes unused.
    std::unique_ptr<DL_WriterA>(dxf.out("/dev/null", DL_Codes::AC1009));
    MemoryDxfWriter writer(DL_Codes::AC1009);
    dxf.writeHeader(writer);
    writer.dxfString(9, "$INSUNITS");
    writer.dxfInt(70, 4); // millimetres
    writer.sectionEnd();
    Tables(dxf, writer);
    writer.sectionEntities();
    DxfSink out(dxf, writer, 10.0 / std::max(scaleDenominator, 1));
    Tracks(out, canvases.Design.Design);
    Layer(out, "FREEHAND", canvases.Design.Freehand, Plane);
    Layer(out, "ROOM", canvases.Room.Layer, Plane);
    writer.sectionEnd();
    writer.dxfEOF();
    writer.close();
    return WriteFileAtomically(fileName, writer.Content());
}
