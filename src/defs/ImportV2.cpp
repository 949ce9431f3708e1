#include "Definitions.h"
#include "DefinitionsFile.h"
#include "base/TextReader.h"
#include "base/TextValues.h"

namespace {

bool IsLegacyCurve(int32_t typeCode) {
    return typeCode == 2 || typeCode == 6 || typeCode == 7;
}
constexpr int32_t LEGACY_LANE_SWAP = 3;

// Reads the record after its code line; lengths are multiplied by scale.
void ReadLegacyRecord(TextReader& in, L_PARTDEF& part, double scale) {
    part.Description = in.ReadText();
    const int32_t typeCode = in.ReadInt();
    const double width = in.ReadFloat();
    if (IsLegacyCurve(typeCode)) {
        part.Type = PT_Curve;
        part.CurveWidth = static_cast<float>(width * scale);
        in.ReadText();
        part.CurveAngle = TruncToInt32(in.ReadFloat() * 4.0);
        part.CurveOuterRadius = static_cast<float>(in.ReadFloat() * scale);
        part.CurveInnerRadius = part.CurveOuterRadius - part.CurveWidth;
    } else {
        if (typeCode == LEGACY_LANE_SWAP)
            part.CrossTrack = true;
        part.Type = PT_Straight;
        part.StraightWidth = static_cast<float>(width * scale);
        part.StraightLength = static_cast<float>(in.ReadFloat() * scale);
        in.ReadText();
        in.ReadText();
    }
    part.TravelLane1 = static_cast<float>(in.ReadFloat() * scale);
    part.TravelLane2 = static_cast<float>(in.ReadFloat() * scale);
}

} // namespace

void ImportV2Definitions(const std::string& fileName, L_BRAND& brand) {
    TextReader in(fileName);
    if (!in.IsOpen())
        return;
    // Borders, lane distance, stock and lane swap of imported parts come from
    // the brand's first part, as it is now.
    const L_PARTDEF templatePart = brand.Parts[0];
    brand.DefaultWidth = 1.0f;
    brand.PartCount = 0;
    const std::string marker = in.ReadText();
    double scale = 0.0;
    if (marker.compare(0, 6, "METRIC") == 0)
        scale = 0.1; // millimetres
    else if (marker.compare(0, 9, "NONMETRIC") == 0)
        scale = 2.54; // inches
    else
        return;
    brand.Metric = true;
    L_PARTDEF excess;
    for (;;) {
        const std::string code = in.ReadText();
        if (in.AtEnd())
            break;
        L_PARTDEF* part = brand.AddPart();
        L_PARTDEF& target = part ? *part : excess;
        target = templatePart;
        target.Code = code;
        ReadLegacyRecord(in, target, scale);
    }
}
