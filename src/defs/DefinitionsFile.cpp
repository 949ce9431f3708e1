#include "DefinitionsFile.h"

#include "Definitions.h"
#include "base/TextReader.h"
#include "base/TextValues.h"
#include "base/TextWriter.h"

#include <memory>

namespace {

float ReadFloat32(TextReader& in) {
    return static_cast<float>(in.ReadFloat());
}

// Angles are stored in degrees and held in quarter degrees.
QuarterDegrees ReadDegrees(TextReader& in) {
    return TruncToInt32(in.ReadFloat() * 4.0);
}

void ReadDimensions(TextReader& in, L_PARTDEF& part) {
    switch (part.Type) {
    case PT_Straight:
        part.StraightWidth = ReadFloat32(in);
        part.StraightLength = ReadFloat32(in);
        break;
    case PT_Curve:
        part.CurveAngle = ReadDegrees(in);
        part.CurveWidth = ReadFloat32(in);
        part.CurveInnerRadius = ReadFloat32(in);
        part.CurveOuterRadius = ReadFloat32(in);
        break;
    case PT_Interface:
        part.InterfaceWidth1 = ReadFloat32(in);
        part.InterfaceWidth2 = ReadFloat32(in);
        part.InterfaceLength = ReadFloat32(in);
        break;
    case PT_Freeform:
        part.FreeformWidth = ReadFloat32(in);
        part.FreeformLength = ReadFloat32(in);
        part.FreeformNextX = ReadFloat32(in);
        part.FreeformNextY = ReadFloat32(in);
        part.FreeformAngle = ReadDegrees(in);
        break;
    default:
        break;
    }
}

void ReadPart(TextReader& in, L_PARTDEF& part) {
    part.ResetPart();
    part.Code = in.ReadText();
    part.Description = in.ReadText();
    part.Type = in.ReadInt();
    part.InnerBorderStep = in.ReadTruncated();
    part.InnerBorderWidth = ReadFloat32(in);
    part.OuterBorderStep = in.ReadTruncated();
    part.OuterBorderWidth = ReadFloat32(in);
    part.LaneDistance = ReadFloat32(in);
    part.TravelLane1 = ReadFloat32(in);
    part.TravelLane2 = ReadFloat32(in);
    part.CrossTrack = in.ReadInt() != 0;
    ReadDimensions(in, part);
    if (in.ReadInt() != 0)
        part.Silkscreen.Create().ReadFreehandSection(in);
}

// Reads one brand; parts beyond the brand's limit are read into a scratch
// entry so that everything after them still reads right.
void ReadBrand(TextReader& in, L_BRAND& brand) {
    brand.ResetBrand();
    brand.Name = in.ReadText();
    brand.Description = in.ReadText();
    brand.Lanes = in.ReadInt();
    brand.Metric = in.ReadInt() != 0;
    brand.PartSelectorZoom = ReadFloat32(in);
    brand.DefaultWidth = ReadFloat32(in);
    const int32_t count = in.ReadInt();
    L_PARTDEF excess;
    for (int32_t i = 0; i < count && in.MoreValues(); ++i) {
        if (i < MAX_PARTDEFS) {
            ReadPart(in, brand.Parts[i]);
            brand.PartCount = i + 1;
        } else {
            ReadPart(in, excess);
        }
    }
}

void WriteDimensions(TextWriter& out, const L_PARTDEF& part) {
    switch (part.Type) {
    case PT_Straight:
        out.Line("# Straight Width");
        out.Float(part.StraightWidth);
        out.Line("# Straight Length");
        out.Float(part.StraightLength);
        break;
    case PT_Curve:
        out.Line("# Curve Angle");
        out.Float(part.CurveAngle * 0.25);
        out.Line("# Curve Width");
        out.Float(part.CurveWidth);
        out.Line("# Curve InnerRadius");
        out.Float(part.CurveInnerRadius);
        out.Line("# Curve OuterRadius");
        out.Float(part.CurveOuterRadius);
        break;
    case PT_Interface:
        out.Line("# Interface Width1");
        out.Float(part.InterfaceWidth1);
        out.Line("# Interface Width2");
        out.Float(part.InterfaceWidth2);
        out.Line("# Interface Length");
        out.Float(part.InterfaceLength);
        break;
    case PT_Freeform:
        out.Line("# Freeform Width");
        out.Float(part.FreeformWidth);
        out.Line("# Freeform Length");
        out.Float(part.FreeformLength);
        out.Line("# Freeform NextX");
        out.Float(part.FreeformNextX);
        out.Line("# Freeform NextY");
        out.Float(part.FreeformNextY);
        out.Line("# Freeform Angle");
        out.Float(part.FreeformAngle * 0.25);
        break;
    default:
        break;
    }
}

void WritePart(TextWriter& out, L_PARTDEF& part) {
    out.Line("#");
    out.Line("# PART DEF");
    out.Line(part.Code);
    out.Line(part.Description);
    out.Line("# Type");
    out.Int(part.Type);
    out.Line("# InnerBorderStep");
    out.Int(part.InnerBorderStep);
    out.Line("# InnerBorderWidth");
    out.Float(part.InnerBorderWidth);
    out.Line("# OuterBorderStep");
    out.Int(part.OuterBorderStep);
    out.Line("# OuterBorderWidth");
    out.Float(part.OuterBorderWidth);
    out.Line("# LaneDistance");
    out.Float(part.LaneDistance);
    out.Line("# TravelLane1");
    out.Float(part.TravelLane1);
    out.Line("# TravelLane2");
    out.Float(part.TravelLane2);
    out.Line("# CrossTrack");
    out.Int(part.CrossTrack ? 1 : 0);
    WriteDimensions(out, part);
    if (part.Silkscreen && part.Silkscreen->ShapeCount > 0) {
        out.Line("# SILKSCREEN");
        out.Int(1);
        part.Silkscreen->WriteFreehandSection(out);
    } else {
        out.Line("# NO SILKSCREEN");
        out.Int(0);
    }
}

void WriteBrand(TextWriter& out, L_BRAND& brand) {
    out.Line("#");
    out.Line("# BRAND DEF");
    out.Line(brand.Name);
    out.Line(brand.Description);
    out.Line("# Number of lanes");
    out.Int(brand.Lanes);
    out.Line("# METRIC?");
    out.Int(brand.Metric ? 1 : 0);
    out.Line("# PartSelector zoom factor");
    out.Float(brand.PartSelectorZoom);
    out.Line("# Default Width");
    out.Float(brand.DefaultWidth);
    out.Line("# Number of parts");
    out.Int(brand.PartCount);
    out.Line("#");
    for (int i = 0; i < brand.PartCount; ++i)
        WritePart(out, brand.Parts[i]);
}

} // namespace

void ReadDefinitions(L_DEFINITIONS& library, TextReader& in) {
    library.Clear();
    const int32_t count = in.ReadInt();
    auto excess = std::make_unique<L_BRAND>();
    for (int32_t i = 0; i < count && in.MoreValues(); ++i) {
        if (L_BRAND* brand = library.AddBrand())
            ReadBrand(in, *brand);
        else
            ReadBrand(in, *excess);
    }
}

void LoadDefinitions(L_DEFINITIONS& library, const std::string& programDir) {
    library.Clear();
    TextReader in(programDir + DEFINITIONS_FILE_NAME);
    if (in.IsOpen())
        ReadDefinitions(library, in);
}

void WriteDefinitions(L_DEFINITIONS& library, TextWriter& out) {
    out.Line("# VIRELDO Definition File");
    out.Line("#");
    out.Line("# Number of BRANDS");
    out.Int(library.Count);
    for (int i = 0; i < library.Count; ++i)
        WriteBrand(out, *library.Brands[i]);
}

bool SaveDefinitions(L_DEFINITIONS& library, const std::string& programDir) {
    TextWriter out;
    WriteDefinitions(library, out);
    return out.Commit(programDir + DEFINITIONS_FILE_NAME);
}
