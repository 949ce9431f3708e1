#pragma once
#include "defs/Definitions.h"

#include <string>

class A_APPL;

// The definitions editor's work on the library, without its window: the
// current brand and part live in the part drawing canvas controller. Every
// refusal is shown as a message; "changed" marks the definitions unsaved.

// What the brand and part boxes show, in the editor's number formats.
struct BrandFields {
    std::string Description;
    std::string DefaultWidth;
    std::string Zoom;
    int Lanes = 2;
    bool Metric = true;
};
struct PartFields {
    int Type = PT_Straight;
    std::string InnerBorderStep, InnerBorderWidth, OuterBorderStep, OuterBorderWidth;
    std::string TravelLane1, TravelLane2, LaneDistance;
    bool CrossTrack = false;
    std::string CurveAngle, CurveWidth, CurveOuterRadius, CurveInnerRadius;
    std::string StraightWidth, StraightLength;
    std::string InterfaceWidth1, InterfaceWidth2, InterfaceLength;
    std::string FreeformWidth, FreeformLength, FreeformAngle, FreeformNextX, FreeformNextY;
};

// "%-1.4f" and "%-1.2f" of degrees; read back as the C library reads numbers.
std::string LengthText(float value);
std::string AngleText(QuarterDegrees angle);
float LengthOf(const std::string& text);
QuarterDegrees AngleOf(const std::string& text); // degrees x 4, truncated
int32_t StepOf(const std::string& text);         // truncated

BrandFields ShowBrand(const L_BRAND& brand);
void StoreBrand(L_BRAND& brand, const BrandFields& fields);
PartFields ShowPart(const L_PARTDEF& part);
// The inner radius follows from the outer radius and the width.
void StorePart(L_PARTDEF& part, const PartFields& fields);

// Starting state: brand 0 and its part 0; the part has a silkscreen to draw on.
void SelectBrand(A_APPL& appl, L_BRAND* brand);
void SelectPart(A_APPL& appl, L_PARTDEF* part);
void MarkChanged(A_APPL& appl);

bool NewBrand(A_APPL& appl, const std::string& code);
bool DeleteCurrentBrand(A_APPL& appl); // asks first
bool NewPart(A_APPL& appl);
bool DeletePart(A_APPL& appl, int index);
// Moves part index one place (-1 up, +1 down); the part's new index, or index
// when it could not move.
int MovePart(A_APPL& appl, int index, int step);
void CopyPart(A_APPL& appl, int index);
bool PastePart(A_APPL& appl);
void SetAllBorders(A_APPL& appl);
void SetAllLaneDistances(A_APPL& appl);
void CalculateTravelDistance(A_APPL& appl);
// The colour new silkscreen shapes get: lane 1 red or lane 2 green.
void SetLaneColour(A_APPL& appl, int lane);
void MirrorSilkscreen(A_APPL& appl, int index);
bool CopyBrandTo(A_APPL& appl, const std::string& code);
bool MergeBrandWith(A_APPL& appl, const std::string& code);
void ImportDefinitionFile(A_APPL& appl, const std::string& fileName);
// "&Save All Definitions": false (and still changed) when the file could not be written.
bool SaveAllDefinitions(A_APPL& appl);
