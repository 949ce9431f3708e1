#include "DefEditing.h"

#include "app/Appl.h"
#include "base/TextValues.h"
#include "base/UiText.h"
#include "defs/DefinitionsFile.h"
#include "toolkit/Colors.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr const char* BRANDS_FULL =
    Texts::Mark("You cannot add any more track definitions (max 32) !");
constexpr const char* PARTS_FULL = Texts::Mark("You cannot add any more parts (max 256) !");
constexpr const char* ACTIVE_BRAND =
    Texts::Mark("Cannot delete this track brand because this track brand is "
                "active on the design panel!");
constexpr const char* ACTIVE_PART =
    Texts::Mark("Cannot delete the part because this track brand is active "
                "on the design panel!");
constexpr const char* ACTIVE_ORDER =
    Texts::Mark("Cannot change the order of parts because this track brand "
                "is active on the design panel!");
constexpr double PI = 3.14159265358979323846;
// The colours that silkscreens draw in the lane colours.
constexpr Rgb LANE1_COLOUR = 0xFF0000;
constexpr Rgb LANE2_COLOUR = 0x00FF00;

C_DEFINE& Editor(A_APPL& appl) {
    return appl.Define;
}

bool OnDesign(A_APPL& appl) {
    return Editor(appl).Brand == appl.Design.Design.Brand;
}

L_PARTDEF* PartAt(A_APPL& appl, int index) {
    L_BRAND* brand = Editor(appl).Brand;
    return brand && index >= 0 && index < brand->PartCount ? &brand->Parts[index] : nullptr;
}

void Info(A_APPL& appl, const std::string& text) {
    appl.Dialogs().Message(text, MessageKind::Information);
}

// Appends copies of the first `count` parts of `from` to `to`, each with its
// own silkscreen; stops at the brand's limit. False when it had to stop.
bool AppendParts(L_BRAND& to, const L_BRAND& from, int count) {
    for (int i = 0; i < count; ++i) {
        L_PARTDEF* part = to.AddPart();
        if (!part)
            return false;
        *part = from.Parts[i];
    }
    return true;
}

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

std::string LengthText(float value) {
    return Format("%-1.4f", value);
}

std::string AngleText(QuarterDegrees angle) {
    return Format("%-1.2f", angle * 0.25);
}

float LengthOf(const std::string& text) {
    return static_cast<float>(ParseDouble(text));
}

QuarterDegrees AngleOf(const std::string& text) {
    return TruncToInt32(ParseDouble(text) * 4);
}

int32_t StepOf(const std::string& text) {
    return TruncToInt32(ParseDouble(text));
}

BrandFields ShowBrand(const L_BRAND& brand) {
    return {brand.Description, LengthText(brand.DefaultWidth), LengthText(brand.PartSelectorZoom),
            brand.Lanes, brand.Metric};
}

void StoreBrand(L_BRAND& brand, const BrandFields& fields) {
    brand.Description = fields.Description;
    brand.PartSelectorZoom = LengthOf(fields.Zoom);
    brand.DefaultWidth = LengthOf(fields.DefaultWidth);
    brand.Metric = fields.Metric;
    brand.Lanes = fields.Lanes;
}

PartFields ShowPart(const L_PARTDEF& p) {
    PartFields f;
    f.Type = p.Type;
    f.InnerBorderStep = std::to_string(p.InnerBorderStep);
    f.InnerBorderWidth = LengthText(p.InnerBorderWidth);
    f.OuterBorderStep = std::to_string(p.OuterBorderStep);
    f.OuterBorderWidth = LengthText(p.OuterBorderWidth);
    f.TravelLane1 = LengthText(p.TravelLane1);
    f.TravelLane2 = LengthText(p.TravelLane2);
    f.LaneDistance = LengthText(p.LaneDistance);
    f.CrossTrack = p.CrossTrack;
    f.CurveAngle = AngleText(p.CurveAngle);
    f.CurveWidth = LengthText(p.CurveWidth);
    f.CurveOuterRadius = LengthText(p.CurveOuterRadius);
    f.CurveInnerRadius = LengthText(p.CurveInnerRadius);
    f.StraightWidth = LengthText(p.StraightWidth);
    f.StraightLength = LengthText(p.StraightLength);
    f.InterfaceWidth1 = LengthText(p.InterfaceWidth1);
    f.InterfaceWidth2 = LengthText(p.InterfaceWidth2);
    f.InterfaceLength = LengthText(p.InterfaceLength);
    f.FreeformWidth = LengthText(p.FreeformWidth);
    f.FreeformLength = LengthText(p.FreeformLength);
    f.FreeformAngle = AngleText(p.FreeformAngle);
    f.FreeformNextX = LengthText(p.FreeformNextX);
    f.FreeformNextY = LengthText(p.FreeformNextY);
    return f;
}

void StorePart(L_PARTDEF& p, const PartFields& f) {
    p.Type = f.Type;
    p.InnerBorderStep = StepOf(f.InnerBorderStep);
    p.InnerBorderWidth = LengthOf(f.InnerBorderWidth);
    p.OuterBorderStep = StepOf(f.OuterBorderStep);
    p.OuterBorderWidth = LengthOf(f.OuterBorderWidth);
    p.TravelLane1 = LengthOf(f.TravelLane1);
    p.TravelLane2 = LengthOf(f.TravelLane2);
    p.LaneDistance = LengthOf(f.LaneDistance);
    p.CrossTrack = f.CrossTrack;
    p.CurveAngle = AngleOf(f.CurveAngle);
    p.CurveWidth = LengthOf(f.CurveWidth);
    p.CurveOuterRadius = LengthOf(f.CurveOuterRadius);
    p.CurveInnerRadius = p.CurveOuterRadius - p.CurveWidth;
    p.StraightWidth = LengthOf(f.StraightWidth);
    p.StraightLength = LengthOf(f.StraightLength);
    p.InterfaceWidth1 = LengthOf(f.InterfaceWidth1);
    p.InterfaceWidth2 = LengthOf(f.InterfaceWidth2);
    p.InterfaceLength = LengthOf(f.InterfaceLength);
    p.FreeformWidth = LengthOf(f.FreeformWidth);
    p.FreeformLength = LengthOf(f.FreeformLength);
    p.FreeformAngle = AngleOf(f.FreeformAngle);
    p.FreeformNextX = LengthOf(f.FreeformNextX);
    p.FreeformNextY = LengthOf(f.FreeformNextY);
}

void MarkChanged(A_APPL& appl) {
    Editor(appl).DefinitionsChanged = true;
}

void SelectPart(A_APPL& appl, L_PARTDEF* part) {
    C_DEFINE& editor = Editor(appl);
    editor.Part = part;
    editor.DeselectShape();
    if (part && !part->Silkscreen)
        part->Silkscreen.Create();
}

void SelectBrand(A_APPL& appl, L_BRAND* brand) {
    Editor(appl).Brand = brand;
    SelectPart(appl, brand && brand->PartCount > 0 ? &brand->Parts[0] : nullptr);
}

bool NewBrand(A_APPL& appl, const std::string& code) {
    L_BRAND* brand = appl.Library.AddBrand();
    if (!brand) {
        ShowAppMessage(appl, BRANDS_FULL);
        return false;
    }
    MarkChanged(appl);
    brand->Name = code;
    SelectBrand(appl, brand);
    SelectPart(appl, brand->AddPart());
    return true;
}

bool DeleteCurrentBrand(A_APPL& appl) {
    L_BRAND* brand = Editor(appl).Brand;
    if (!brand)
        return false;
    if (appl.Library.Count <= 1) {
        ShowAppMessage(appl, Texts::Mark("You must have a minimum of 1 track definition!"));
        return false;
    }
    if (OnDesign(appl)) {
        ShowAppMessage(appl, ACTIVE_BRAND);
        return false;
    }
    if (appl.Dialogs().YesNo(Texts::Fill(
            Texts::Mark("Are you sure you want to delete definition '%1' ?"), {brand->Name})) !=
        DialogAnswer::Yes)
        return false;
    MarkChanged(appl);
    appl.Library.DeleteBrand(brand);
    SelectBrand(appl, appl.Library.Brands[0]);
    return true;
}

namespace {

// A new part of the current brand, made current; null after the limit's message.
L_PARTDEF* AddCurrentPart(A_APPL& appl) {
    L_BRAND* brand = Editor(appl).Brand;
    L_PARTDEF* part = brand ? brand->AddPart() : nullptr;
    if (!part) {
        ShowAppMessage(appl, PARTS_FULL);
        return nullptr;
    }
    MarkChanged(appl);
    SelectPart(appl, part);
    return part;
}

} // namespace

bool NewPart(A_APPL& appl) {
    return AddCurrentPart(appl) != nullptr;
}

bool DeletePart(A_APPL& appl, int index) {
    L_BRAND* brand = Editor(appl).Brand;
    L_PARTDEF* part = PartAt(appl, index);
    if (!part)
        return false;
    if (OnDesign(appl)) {
        ShowAppMessage(appl, ACTIVE_PART);
        return false;
    }
    if (brand->PartCount <= 1) {
        ShowAppMessage(appl, Texts::Mark("You must have a minimum of 1 part!"));
        return false;
    }
    MarkChanged(appl);
    brand->DeletePart(part);
    SelectPart(appl, &brand->Parts[std::min(index, brand->PartCount - 1)]);
    return true;
}

int MovePart(A_APPL& appl, int index, int step) {
    L_BRAND* brand = Editor(appl).Brand;
    L_PARTDEF* part = PartAt(appl, index);
    if (!part)
        return index;
    if (OnDesign(appl)) {
        ShowAppMessage(appl, ACTIVE_ORDER);
        return index;
    }
    const bool moved = step < 0 ? brand->MovePartUp(part) : brand->MovePartDown(part);
    const int now = moved ? index + step : index;
    MarkChanged(appl);
    SelectPart(appl, &brand->Parts[now]);
    return now;
}

void CopyPart(A_APPL& appl, int index) {
    if (const L_PARTDEF* part = PartAt(appl, index))
        Editor(appl).CopyBuffer = *part; // the silkscreen is copied with it
}

bool PastePart(A_APPL& appl) {
    L_PARTDEF* part = AddCurrentPart(appl);
    if (!part)
        return false;
    *part = Editor(appl).CopyBuffer; // with its own copy of the silkscreen
    SelectPart(appl, part);
    return true;
}

void SetAllBorders(A_APPL& appl) {
    C_DEFINE& editor = Editor(appl);
    if (!editor.Brand || !editor.Part)
        return;
    MarkChanged(appl);
    const L_PARTDEF model = *editor.Part;
    for (int i = 0; i < editor.Brand->PartCount; ++i) {
        L_PARTDEF& part = editor.Brand->Parts[i];
        part.InnerBorderStep = model.InnerBorderStep;
        part.InnerBorderWidth = model.InnerBorderWidth;
        part.OuterBorderStep = model.OuterBorderStep;
        part.OuterBorderWidth = model.OuterBorderWidth;
    }
}

void SetAllLaneDistances(A_APPL& appl) {
    C_DEFINE& editor = Editor(appl);
    if (!editor.Brand || !editor.Part)
        return;
    MarkChanged(appl);
    const float distance = editor.Part->LaneDistance;
    for (int i = 0; i < editor.Brand->PartCount; ++i)
        editor.Brand->Parts[i].LaneDistance = distance;
}

void CalculateTravelDistance(A_APPL& appl) {
    L_PARTDEF* part = Editor(appl).Part;
    if (!part)
        return;
    MarkChanged(appl);
    switch (part->Type) {
    case PT_Straight:
        part->TravelLane1 = part->TravelLane2 = part->StraightLength;
        break;
    case PT_Curve: {
        if (part->CurveAngle == 0)
            break;
        // Lane 1 is the inner lane: the arcs of both lanes over the curve's angle.
        const double centre = part->CurveOuterRadius - 0.5 * part->CurveWidth;
        const double half = 0.5 * part->LaneDistance;
        part->TravelLane1 = static_cast<float>(2 * PI * (centre - half) * part->CurveAngle / 1440);
        part->TravelLane2 = static_cast<float>(2 * PI * (centre + half) * part->CurveAngle / 1440);
        break;
    }
    case PT_Interface:
        part->TravelLane1 = part->TravelLane2 = part->InterfaceLength;
        break;
    case PT_Freeform:
        part->TravelLane1 = part->TravelLane2 = part->FreeformLength;
        break;
    default:
        break;
    }
}

void SetLaneColour(A_APPL& appl, int lane) {
    C_DEFINE& editor = Editor(appl);
    editor.CurrentColour = lane == 1 ? LANE1_COLOUR : LANE2_COLOUR;
    if (F_SHAPE* shape = editor.SelectedShape) {
        shape->Color = StoredFromRgb(editor.CurrentColour);
        editor.DeselectShape();
    }
}

void MirrorSilkscreen(A_APPL& appl, int index) {
    L_PARTDEF* part = PartAt(appl, index);
    if (!part || !part->Silkscreen)
        return;
    const float width = Editor(appl).Brand->DefaultWidth;
    F_FREEHAND& layer = *part->Silkscreen;
    for (int s = 0; s < layer.ShapeCount; ++s)
        for (int i = 0; i < layer.Shapes[s].PointCount; ++i)
            layer.Shapes[s].Points[i].X = width - layer.Shapes[s].Points[i].X;
}

bool CopyBrandTo(A_APPL& appl, const std::string& code) {
    L_BRAND* from = Editor(appl).Brand;
    L_BRAND* brand = from ? appl.Library.AddBrand() : nullptr;
    if (!brand) {
        ShowAppMessage(appl, BRANDS_FULL);
        return false;
    }
    brand->Name = code;
    AppendParts(*brand, *from, from->PartCount);
    MarkChanged(appl);
    SelectBrand(appl, brand);
    Info(appl, Texts::Mark("Copied!"));
    return true;
}

bool MergeBrandWith(A_APPL& appl, const std::string& code) {
    L_BRAND* into = Editor(appl).Brand;
    L_BRAND* from = nullptr;
    for (int i = 0; i < appl.Library.Count; ++i)
        if (appl.Library.Brands[i]->Name == code)
            from = appl.Library.Brands[i]; // the last one of that name
    if (!into || !from) {
        ShowAppMessage(appl, Texts::Mark("Unknown brand code"));
        return false;
    }
    // The parts it had when the merge began, once, even when merged with itself.
    const bool whole = AppendParts(*into, *from, from->PartCount);
    MarkChanged(appl);
    if (!whole)
        ShowAppMessage(appl, PARTS_FULL);
    Info(appl, Texts::Mark("Merged!"));
    return whole;
}

void ImportDefinitionFile(A_APPL& appl, const std::string& fileName) {
    L_BRAND* brand = Editor(appl).Brand;
    if (!brand)
        return;
    MarkChanged(appl);
    ImportV2Definitions(fileName, *brand);
    SelectBrand(appl, brand);
}

bool SaveAllDefinitions(A_APPL& appl) {
    if (!SaveDefinitions(appl.Library, appl.ProgramDir)) {
        ShowAppError(appl, Texts::Fill(Texts::Mark("Cannot write file %1 !"),
                                       {appl.ProgramDir + DEFINITIONS_FILE_NAME}));
        return false;
    }
    Editor(appl).DefinitionsChanged = false;
    return true;
}
