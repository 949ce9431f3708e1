#pragma once
#include "base/JobProgress.h"
#include "freehand/Freehand.h"
#include "geometry/WorldLayout.h"
#include "toolkit/Colors.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <compare>

class QPainter;

// The true-scale outputs either show the layout as the screen does, or as a
// template to build it from: every piece as its outline with its lanes,
// joints, borders, code and number written inside it, the room and the
// drawing as lines, nothing filled, so that a page of it can be laid under
// the pieces or traced onto a board.
enum class TrueScaleStyle { Template, Screen };

// Where the world lands on the device: device units per world centimetre,
// the device point of the world origin, and device units per millimetre of
// paper (pens and labels are sized on paper).
struct PaperMapping {
    float UnitsPerCm = 1.0f;
    float OriginX = 0.0f;
    float OriginY = 0.0f;
    float UnitsPerMm = 1.0f;
};

// Template pens and labels, in millimetres of paper.
constexpr float TEMPLATE_OUTLINE_MM = 0.3f;
constexpr float TEMPLATE_LANE_MM = 0.5f;
constexpr float TEMPLATE_BORDER_MM = 0.2f;
constexpr float TEMPLATE_ROOM_MM = 0.5f;
constexpr float TEMPLATE_LABEL_MM = 5.0f;     // at 1:1; smaller scales shrink it
constexpr float TEMPLATE_MIN_LABEL_MM = 2.0f; // below this a label is left out

// The label a piece carries: "code number" (and its height when not 0), or
// the number alone when that is all that fits.
QString PieceLabel(const WorldPart& part, bool withCode);

// A pen of the template: its colour and width on paper.
struct TemplatePen {
    Rgb Colour = 0;
    float Mm = 0.0f;
    auto operator<=>(const TemplatePen&) const = default;
};

// A text of the template: written from Baseline in a frame moved to At and
// turned by Degrees (clockwise on the page), in device units.
struct TemplateText {
    QPointF At;
    double Degrees = 0.0;
    QPointF Baseline;
    int PixelSize = 1;
    QString Text;
};

// What the template is drawn on: lines and texts in device units. The lines
// of one pen may be gathered and drawn together; every text is drawn after
// every line.
class TemplateSink {
  public:
    virtual ~TemplateSink() = default;
    virtual void Line(const TemplatePen& pen, const PixelPoint* points, int count, bool closed) = 0;
    virtual void Text(const TemplateText& text) = 0;
};

// Draws the room, the drawing and the parts of the layout that meet
// worldClip (cm) in the template style; stops early once cancelled.
void DrawTemplate(TemplateSink& sink, const WorldLayout& layout, const F_FREEHAND& room,
                  const F_FREEHAND& drawing, const PaperMapping& map, const QRectF& worldClip,
                  const JobProgress* cancel = nullptr);
// The same painted with a painter.
void PaintTemplate(QPainter& painter, const WorldLayout& layout, const F_FREEHAND& room,
                   const F_FREEHAND& drawing, const PaperMapping& map, const QRectF& worldClip,
                   const JobProgress* cancel = nullptr);
