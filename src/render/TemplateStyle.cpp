#include "TemplateStyle.h"

#include "FreehandRender.h"
#include "toolkit/Colors.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <unordered_map>

namespace {

constexpr double DEGREES_PER_QUARTER = 0.25;
constexpr Rgb OUTLINE = RGB_BLACK;
constexpr Rgb BORDER = 0x808080;
constexpr Rgb ROOM = 0x006000;
constexpr float LABEL_FILL = 0.85f; // of the piece's length and width a label may take

QPen Pen(const TemplatePen& pen, const PaperMapping& map) {
    QPen qpen(ToQColor(pen.Colour), pen.Mm * map.UnitsPerMm);
    qpen.setCapStyle(Qt::RoundCap);
    qpen.setJoinStyle(Qt::RoundJoin);
    return qpen;
}

// Lane colours made for a black track: the light ones (the white and yellow
// of grouped tracks) are darkened so that they show on white paper.
Rgb OnPaper(Rgb colour) {
    const int r = (colour >> 16) & 0xFF, g = (colour >> 8) & 0xFF, b = colour & 0xFF;
    if (r * 299 + g * 587 + b * 114 < 180 * 1000)
        return colour;
    return (r * 3 / 5) << 16 | (g * 3 / 5) << 8 | b * 3 / 5;
}

Pose OnDevice(const T_PLACED& placed, const PaperMapping& map) {
    return {placed.X * map.UnitsPerCm + map.OriginX, placed.Y * map.UnitsPerCm + map.OriginY,
            placed.Angle};
}

// Points closer than this on paper are one to the eye and to a pen; curves
// are sampled finely enough for a metre-wide print, so a small-scale print
// would otherwise carry dozens of points per millimetre.
constexpr float MIN_STEP_MM = 0.5f;

// Leaves out the points of a line that lie within minStep of the last one
// kept; the ends stay where they are.
void Thin(PointBuffer& buffer, float minStep) {
    const long long min2 = static_cast<long long>(minStep * minStep);
    int kept = 1;
    for (int i = 1; i < buffer.Count; ++i) {
        const PixelPoint last = buffer.Points[kept - 1], p = buffer.Points[i];
        const long long dx = p.X - last.X, dy = p.Y - last.Y;
        if (dx * dx + dy * dy >= min2)
            buffer.Points[kept++] = p;
        else if (i == buffer.Count - 1)
            buffer.Points[kept > 1 ? kept - 1 : kept++] = p;
    }
    buffer.Count = std::min(kept, buffer.Count);
}

void Lines(TemplateSink& sink, const TemplatePen& pen, PointBuffer& buffer,
           const PaperMapping& map) {
    Thin(buffer, MIN_STEP_MM * map.UnitsPerMm);
    if (buffer.Count >= 2)
        sink.Line(pen, buffer.Points.data(), buffer.Count, false);
}

void Piece(TemplateSink& sink, const T_PLACED& placed, const Pose& pose, const PaperMapping& map,
           PointBuffer& buffer) {
    const T_PART& part = *placed.Part;
    PartOutline(part, pose, map.UnitsPerCm, true, buffer);
    Lines(sink, {OUTLINE, TEMPLATE_OUTLINE_MM}, buffer, map);
    for (Border border : {Border::Inner, Border::Outer})
        ForEachKerb(part, border, pose, map.UnitsPerCm, true,
                    [&](const std::array<PixelPoint, 4>& quad, int) {
                        sink.Line({BORDER, TEMPLATE_BORDER_MM}, quad.data(), 4, true);
                    });
    FirstLane(part, pose, map.UnitsPerCm, true, buffer);
    Lines(sink, {OnPaper(placed.FirstLaneColor), TEMPLATE_LANE_MM}, buffer, map);
    SecondLane(part, pose, map.UnitsPerCm, true, buffer);
    Lines(sink, {OnPaper(placed.SecondLaneColor), TEMPLATE_LANE_MM}, buffer, map);
}

// The middle of a piece on its centre line, the heading there, and the room
// a label has along and across it (cm).
struct LabelPlace {
    float U = 0.0f, V = 0.0f; // in the piece's frame
    double Heading = 0.0;     // quarter degrees
    float Along = 0.0f, Across = 0.0f;
};

// `at` is how far along the piece, 0 to 1 (the middle is 0.5).
LabelPlace PlaceOf(const T_PART& part, QuarterDegrees angle, float at) {
    const L_PARTDEF& def = *part.Def;
    LabelPlace place;
    place.Heading = angle;
    switch (def.Type) {
    case PT_Curve: {
        const Arc arc = ArcOf(def, part.Status);
        const float r = (def.CurveInnerRadius + def.CurveOuterRadius) / 2;
        const int turned = static_cast<int>(std::lround(def.CurveAngle * at));
        place.U = arc.U(r, turned);
        place.V = Arc::V(r, turned);
        place.Heading = angle + (TurnsLeft(part.Status) ? -turned : turned);
        place.Along = r * static_cast<float>(def.CurveAngle * DEGREES_PER_QUARTER * M_PI / 180.0);
        place.Across = def.CurveWidth;
        break;
    }
    case PT_Interface:
        place.U = def.InterfaceWidth1 / 2;
        place.V = def.InterfaceLength * at;
        place.Along = def.InterfaceLength;
        place.Across = std::min(def.InterfaceWidth1, def.InterfaceWidth2);
        break;
    case PT_Freeform:
        place.U = def.FreeformWidth / 2;
        place.V = def.FreeformLength * at;
        place.Along = def.FreeformLength;
        place.Across = def.FreeformWidth;
        break;
    default:
        place.U = def.StraightWidth / 2;
        place.V = def.StraightLength * at;
        place.Along = def.StraightLength;
        place.Across = def.StraightWidth;
        break;
    }
    return place;
}

// Where along a piece its label may stand, the best first; the rest serve
// when the first is off the page. The two roads of a crossing share their
// middle, so their labels stand apart from it.
constexpr std::array<float, 9> LABEL_STOPS = {0.5f, 0.4f, 0.6f, 0.3f, 0.7f, 0.2f, 0.8f, 0.1f, 0.9f};
constexpr std::array<float, 9> CROSSING_STOPS = {0.25f, 0.3f, 0.2f, 0.35f, 0.15f,
                                                 0.75f, 0.7f, 0.8f, 0.65f};

// The boxes of the labels written so far, found by a grid of cells.
class LabelSpace {
  public:
    explicit LabelSpace(double cell) : Cell(std::max(cell, 1.0)) {}

    bool Free(const QRectF& box) const {
        bool free = true;
        ForCells(box, [&](long long key) {
            const auto found = Cells.find(key);
            if (found == Cells.end())
                return;
            for (const QRectF& other : found->second)
                free = free && !other.intersects(box);
        });
        return free;
    }

    void Take(const QRectF& box) {
        ForCells(box, [&](long long key) { Cells[key].push_back(box); });
    }

  private:
    template <class F> void ForCells(const QRectF& box, F visit) const {
        // Only labels inside a page get here; anything else has no cells.
        if (!(std::abs(box.left()) < LIMIT && std::abs(box.right()) < LIMIT &&
              std::abs(box.top()) < LIMIT && std::abs(box.bottom()) < LIMIT))
            return;
        const auto cell = [&](double v) { return static_cast<long long>(std::floor(v / Cell)); };
        for (long long x = cell(box.left()); x <= cell(box.right()); ++x)
            for (long long y = cell(box.top()); y <= cell(box.bottom()); ++y)
                visit((x << 32) ^ (y & 0xFFFFFFFF));
    }
    static constexpr double LIMIT = 1e9;
    double Cell;
    std::unordered_map<long long, std::vector<QRectF>> Cells;
};

// Labels of one size, measured with one font.
class Labeller {
  public:
    Labeller(const PaperMapping& map, float mmPerCm)
        : Map(map), MmPerCm(mmPerCm),
          Mm(std::max(TEMPLATE_LABEL_MM * mmPerCm / 10.0f, TEMPLATE_MIN_LABEL_MM)),
          Font(LabelFont(std::max(1, static_cast<int>(Mm * map.UnitsPerMm)))), Metrics(Font) {}

    // The label along the piece, turned with it but never upside down, where
    // it meets no other label: the middle when that is free. A piece whose
    // middle is off the page is labelled where it shows on it, so that every
    // page names the pieces it holds.
    void Label(TemplateSink& sink, const WorldPart& part, const Pose& pose, const QRectF& page) {
        const T_PART& piece = *part.Placed.Part;
        const auto& stops = piece.Def->CrossTrack ? CROSSING_STOPS : LABEL_STOPS;
        const LabelPlace first = PlaceOf(piece, pose.Angle, stops[0]);
        if (!(Mm * MmPerCm > 0) || first.Across * MmPerCm * LABEL_FILL < Mm)
            return;
        const float room = first.Along * 2 * std::min(stops[0], 1 - stops[0]) * MmPerCm *
                           Map.UnitsPerMm * LABEL_FILL;
        QString text = PieceLabel(part, true);
        if (Metrics.horizontalAdvance(text) > room)
            text = PieceLabel(part, false);
        const double width = Metrics.horizontalAdvance(text);
        if (width > room)
            return;
        const PartFrame frame(pose, Map.UnitsPerCm);
        const double inset = width / 2 + Metrics.height();
        const QRectF inside = page.adjusted(inset, inset, -inset, -inset);
        std::optional<TemplateText> onPage; // the best place, taken or not
        for (const float stop : stops) {
            const TemplateText candidate =
                Placed(PlaceOf(piece, pose.Angle, stop), frame, width, text);
            const bool whole = inside.contains(candidate.At);
            if (!whole && !(stop == stops[0] && page.contains(candidate.At)))
                continue;
            if (!onPage)
                onPage = candidate;
            if (whole && Taken.Free(Box(candidate, width))) {
                onPage = candidate;
                break;
            }
        }
        if (!onPage)
            return;
        Taken.Take(Box(*onPage, width));
        sink.Text(*onPage);
    }

  private:
    TemplateText Placed(const LabelPlace& place, const PartFrame& frame, double width,
                        const QString& text) const {
        // Text runs along the piece: 90 degrees from its across axis.
        double degrees = std::fmod(place.Heading * DEGREES_PER_QUARTER + 90.0, 360.0);
        if (degrees < 0)
            degrees += 360.0;
        if (degrees > 90.0 && degrees <= 270.0)
            degrees -= 180.0;
        return {QPointF(frame.WorldX(place.U, place.V), frame.WorldY(place.U, place.V)), degrees,
                QPointF(-width / 2, Metrics.ascent() - Metrics.height() / 2), Font.pixelSize(),
                text};
    }

    // The upright box around a turned label.
    QRectF Box(const TemplateText& label, double width) const {
        const double r = label.Degrees * M_PI / 180.0;
        const double c = std::abs(std::cos(r)), s = std::abs(std::sin(r));
        const double h = Metrics.height();
        const QSizeF size(width * c + h * s, width * s + h * c);
        return QRectF(label.At - QPointF(size.width() / 2, size.height() / 2), size);
    }

  private:
    static QFont LabelFont(int pixels) {
        QFont font(DRAWING_FONT);
        font.setPixelSize(pixels);
        return font;
    }
    const PaperMapping& Map;
    float MmPerCm;
    float Mm;
    QFont Font;
    QFontMetricsF Metrics;
    LabelSpace Taken{4 * Metrics.height()};
};

PixelPoint Device(const F_POINT& p, const PaperMapping& map) {
    return {static_cast<int>(std::lround(p.X * map.UnitsPerCm + map.OriginX)),
            static_cast<int>(std::lround(p.Y * map.UnitsPerCm + map.OriginY))};
}

constexpr int ELLIPSE_STEPS = 72;

// The corners of a rectangle, or the points round an ellipse, in two corners.
std::vector<PixelPoint> Round(PixelPoint a, PixelPoint b, bool ellipse) {
    if (!ellipse)
        return {a, {b.X, a.Y}, b, {a.X, b.Y}};
    std::vector<PixelPoint> points;
    const double cx = (a.X + b.X) / 2.0, cy = (a.Y + b.Y) / 2.0;
    const double rx = std::abs(b.X - a.X) / 2.0, ry = std::abs(b.Y - a.Y) / 2.0;
    for (int i = 0; i < ELLIPSE_STEPS; ++i) {
        const double phi = 2 * M_PI * i / ELLIPSE_STEPS;
        points.push_back({static_cast<int>(std::lround(cx + rx * std::cos(phi))),
                          static_cast<int>(std::lround(cy + ry * std::sin(phi)))});
    }
    return points;
}

// A text of the drawing at its world size, from its top left corner.
void Write(TemplateSink& sink, const F_SHAPE& shape, PixelPoint at, const PaperMapping& map) {
    QFont font(DRAWING_FONT);
    font.setPixelSize(std::max(1, TextPixelSize(shape.TextSize, map.UnitsPerCm)));
    const QFontMetricsF metrics(font);
    sink.Text({QPointF(at.X, at.Y), 0.0, QPointF(0, metrics.ascent()), font.pixelSize(),
               QString::fromLatin1(shape.Text.c_str())});
}

// Every shape as lines, in one colour or its own: areas outlined, texts
// written at their world size.
void Shapes(TemplateSink& sink, const F_FREEHAND& layer, const PaperMapping& map,
            const Rgb* colourOfAll, float mm) {
    std::vector<PixelPoint> points;
    for (int s = 0; s < layer.ShapeCount; ++s) {
        const F_SHAPE& shape = layer.Shapes[s];
        const TemplatePen pen{colourOfAll ? *colourOfAll : RgbFromStored(shape.Color), mm};
        points.clear();
        for (int i = 0; i < shape.PointCount; ++i)
            points.push_back(Device(shape.Points[i], map));
        const int count = static_cast<int>(points.size());
        switch (shape.Kind) {
        case SK_Polyline:
        case SK_Polygon:
            if (count >= 2)
                sink.Line(pen, points.data(), count, shape.Kind == SK_Polygon);
            break;
        case SK_Rectangle:
        case SK_FilledRectangle:
        case SK_Ellipse:
            if (count == 2) {
                const auto round = Round(points[0], points[1], shape.Kind == SK_Ellipse);
                sink.Line(pen, round.data(), static_cast<int>(round.size()), true);
            }
            break;
        case SK_Text:
            if (count == 1)
                Write(sink, shape, points[0], map);
            break;
        default:
            break;
        }
    }
}

// Gathers the lines of each pen into one path, so that a drawing of
// thousands of pieces is a few paths, not thousands of calls.
class PainterSink : public TemplateSink {
  public:
    void Line(const TemplatePen& pen, const PixelPoint* points, int count, bool closed) override {
        QPainterPath& path = Paths[pen];
        path.moveTo(points[0].X, points[0].Y);
        for (int i = 1; i < count; ++i)
            path.lineTo(points[i].X, points[i].Y);
        if (closed)
            path.closeSubpath();
    }
    void Text(const TemplateText& text) override { Texts.push_back(text); }

    void Paint(QPainter& painter, const PaperMapping& map) const {
        painter.setBrush(Qt::NoBrush);
        for (const auto& [pen, path] : Paths) {
            painter.setPen(Pen(pen, map));
            painter.drawPath(path);
        }
        painter.setPen(ToQColor(OUTLINE));
        QFont font(DRAWING_FONT);
        for (const TemplateText& text : Texts) {
            font.setPixelSize(text.PixelSize);
            painter.setFont(font);
            painter.save();
            painter.translate(text.At);
            painter.rotate(text.Degrees);
            painter.drawText(text.Baseline, text.Text);
            painter.restore();
        }
    }

  private:
    std::map<TemplatePen, QPainterPath> Paths;
    std::vector<TemplateText> Texts;
};

} // namespace

QString PieceLabel(const WorldPart& part, bool withCode) {
    QString text = QString::number(part.Index + 1);
    if (withCode)
        text = QString::fromLatin1(part.Placed.Part->Def->Code.c_str()) + " " + text;
    const int height = part.Placed.Part->Height;
    if (height != 0)
        text += QStringLiteral(" %1%2").arg(height > 0 ? "+" : "").arg(height);
    return text;
}

void DrawTemplate(TemplateSink& sink, const WorldLayout& layout, const F_FREEHAND& room,
                  const F_FREEHAND& drawing, const PaperMapping& map, const QRectF& worldClip,
                  const JobProgress* cancel) {
    Shapes(sink, room, map, &ROOM, TEMPLATE_ROOM_MM);
    Shapes(sink, drawing, map, nullptr, TEMPLATE_OUTLINE_MM);
    Labeller labeller(map, map.UnitsPerCm / map.UnitsPerMm);
    const QRectF page(worldClip.left() * map.UnitsPerCm + map.OriginX,
                      worldClip.top() * map.UnitsPerCm + map.OriginY,
                      worldClip.width() * map.UnitsPerCm, worldClip.height() * map.UnitsPerCm);
    PointBuffer buffer;
    const std::vector<int> parts = layout.PartsIn(
        static_cast<float>(worldClip.left()), static_cast<float>(worldClip.top()),
        static_cast<float>(worldClip.right()), static_cast<float>(worldClip.bottom()));
    for (int i : parts) {
        if (cancel && cancel->Cancelled())
            break;
        const WorldPart& part = layout.Parts()[i];
        if (part.Placed.Part->Def->Type == PT_None)
            continue;
        const Pose pose = OnDevice(part.Placed, map);
        Piece(sink, part.Placed, pose, map, buffer);
        labeller.Label(sink, part, pose, page);
    }
}

void PaintTemplate(QPainter& painter, const WorldLayout& layout, const F_FREEHAND& room,
                   const F_FREEHAND& drawing, const PaperMapping& map, const QRectF& worldClip,
                   const JobProgress* cancel) {
    PainterSink sink;
    DrawTemplate(sink, layout, room, drawing, map, worldClip, cancel);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    sink.Paint(painter, map);
    painter.restore();
}
