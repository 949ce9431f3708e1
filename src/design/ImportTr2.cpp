#include "ImportTr2.h"

#include "Design.h"
#include "base/TextReader.h"
#include "base/TextValues.h"
#include "base/UiText.h"
#include "freehand/Freehand.h"

namespace {

constexpr int32_t TR2_ROOM_COLOR = 32768; // green
constexpr double CM_PER_INCH = 2.54;
constexpr double POSITION_UNITS_PER_INCH = 256.0;

float PositionToCm(int32_t value) {
    return static_cast<float>(value * CM_PER_INCH / POSITION_UNITS_PER_INCH);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

size_t SkipBlanks(const std::string& text, size_t i) {
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return i;
}

// A shape of the layer, or a scratch shape once the layer is full.
F_SHAPE& NewShape(F_FREEHAND& layer, F_SHAPE& scratch, int32_t kind, int32_t color, int pen) {
    F_SHAPE* shape = layer.AddShape();
    F_SHAPE& target = shape ? *shape : scratch;
    target.ResetShape();
    target.Kind = kind;
    target.Color = color;
    target.PenWidth = pen;
    return target;
}

void ReadPoint(TextReader& in, F_SHAPE& shape) {
    const float x = PositionToCm(in.ReadInt());
    const float y = PositionToCm(in.ReadInt());
    shape.AddPoint(x, y);
}

void ReadDrawings(TextReader& in, F_FREEHAND& layer) {
    F_SHAPE scratch;
    const int32_t polylines = in.ReadInt();
    for (int32_t i = 0; i < polylines && !in.AtEnd(); ++i) {
        F_SHAPE& shape = NewShape(layer, scratch, SK_Polyline, 0, 1);
        ReadPoint(in, shape);
        const int32_t more = in.ReadInt();
        for (int32_t k = 0; k < more && !in.AtEnd(); ++k)
            ReadPoint(in, shape);
    }
    const int32_t texts = in.ReadInt();
    for (int32_t i = 0; i < texts && !in.AtEnd(); ++i) {
        F_SHAPE& shape = NewShape(layer, scratch, SK_Text, 0, 1);
        const float x = PositionToCm(in.ReadInt());
        const float y = PositionToCm(in.ReadInt());
        shape.Text = in.ReadText();
        shape.TextSize = in.ReadInt();
        shape.AddPoint(x, y);
    }
}

void AddRoomRectangle(TextReader& in, F_FREEHAND& layer) {
    const float halfWidth = static_cast<float>(in.ReadInt() * CM_PER_INCH / 2);
    const float halfHeight = static_cast<float>(in.ReadInt() * CM_PER_INCH / 2);
    F_SHAPE* room = layer.AddShape();
    room->Kind = SK_Rectangle;
    room->Color = TR2_ROOM_COLOR;
    room->PenWidth = 2;
    room->AddPoint(-halfWidth, -halfHeight);
    room->AddPoint(halfWidth, halfHeight);
}

// Reads one track record with n parts; false (and the offending code in
// unknown) when a code is not in the brand.
bool ReadTrack(TextReader& in, T_DESIGN& design, int32_t n, std::string& unknown) {
    T_TRACK* track = design.AllocateTrack();
    const int32_t angle = in.ReadInt();
    const float x = PositionToCm(in.ReadInt());
    const float y = PositionToCm(in.ReadInt());
    const bool group = in.ReadInt() != 0;
    if (track) {
        track->Angle = NormalizeAngle(angle); // a damaged file must not index past the table
        track->X = x;
        track->Y = y;
        track->Group = group;
    }
    for (int32_t i = 0; i < n && !(i >= MAX_TRACK_PARTS && in.AtEnd()); ++i) {
        const Tr2PartLine line = SplitTr2PartLine(in.ReadText());
        if (!track)
            continue; // a track beyond the design's limit is read past
        L_PARTDEF* def = design.Brand ? design.Brand->FindCode(line.Code) : nullptr;
        if (!def) {
            unknown = line.Code;
            return false;
        }
        if (T_PART* part = track->InsertAfter(nullptr)) {
            const uint8_t status = line.Direction == 'L'   ? PS_LEFT
                                   : line.Direction == 'R' ? PS_RIGHT
                                                           : 0;
            *part = T_PART{static_cast<int8_t>(static_cast<uint8_t>(line.Height)), status, def};
        }
    }
    return true;
}

} // namespace

Tr2PartLine SplitTr2PartLine(const std::string& line) {
    Tr2PartLine result;
    size_t i = SkipBlanks(line, 0);
    const size_t codeStart = i;
    while (i < line.size() && !IsBlank(line[i]))
        ++i;
    result.Code = line.substr(codeStart, i - codeStart);
    i = SkipBlanks(line, i);
    if (i >= line.size())
        return result;
    result.Direction = line[i];
    const std::string rest = line.substr(i + 1);
    const size_t digits = SkipBlanks(rest, 0);
    // "%d" needs a number: no digits leave the height at 0.
    if (digits < rest.size())
        result.Height = ClampToInt32(ParseLong(rest));
    return result;
}

std::string ImportTr2(T_DESIGN& design, F_FREEHAND& freehand, const std::string& fileName) {
    design.ClearDesign();
    freehand.ClearLayer();
    TextReader in(fileName);
    if (!in.IsOpen())
        return Texts::Fill(Texts::Mark("Cannot open file %1 !"), {fileName});
    AddRoomRectangle(in, freehand);
    if (in.ReadInt() != 0)
        ReadDrawings(in, freehand);
    for (;;) {
        const int32_t n = in.ReadInt();
        if (in.AtEnd())
            break;
        if (n == 0)
            continue;
        std::string unknown;
        if (!ReadTrack(in, design, n, unknown)) {
            design.ClearDesign();
            freehand.ClearLayer();
            return Texts::Fill(
                Texts::Mark("Part number %1 is unknown in current active brand! I think you are "
                            "using a brand that does not match the .TR2 file!"),
                {NameForMessage(unknown)});
        }
    }
    design.SetModified(false);
    return std::string();
}
