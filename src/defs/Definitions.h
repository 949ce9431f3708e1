#pragma once
#include "base/AngleTable.h"
#include "base/CopiedPtr.h"
#include "freehand/Freehand.h"

#include <array>
#include <cstdint>
#include <string>

constexpr int MAX_BRANDS = 32;
constexpr int MAX_PARTDEFS = 256;

enum PartType : int32_t {
    PT_None = 0, // only the empty part definition
    PT_Curve = 1,
    PT_Straight = 2,
    PT_Interface = 3,
    PT_Freeform = 4,
};

struct L_PARTDEF {
    std::string Code;
    std::string Description;
    int32_t Stock = 0;
    int32_t Used = 0; // recomputed before it is shown, never stored
    int32_t Type = PT_Straight;
    int32_t InnerBorderStep = 0;
    float InnerBorderWidth = 0.0f;
    int32_t OuterBorderStep = 0;
    float OuterBorderWidth = 0.0f;
    float TravelLane1 = 0.0f;
    float TravelLane2 = 0.0f;
    float LaneDistance = 0.0f;
    bool CrossTrack = false;
    float StraightWidth = 0.0f;
    float StraightLength = 0.0f;
    QuarterDegrees CurveAngle = 0;
    float CurveWidth = 0.0f;
    float CurveInnerRadius = 0.0f;
    float CurveOuterRadius = 0.0f;
    float InterfaceWidth1 = 0.0f;
    float InterfaceWidth2 = 0.0f;
    float InterfaceLength = 0.0f;
    float FreeformWidth = 0.0f;
    float FreeformLength = 0.0f;
    float FreeformNextX = 0.0f;
    float FreeformNextY = 0.0f;
    QuarterDegrees FreeformAngle = 0;
    CopiedPtr<F_FREEHAND> Silkscreen;

    L_PARTDEF() { ResetPart(); }
    // Defaults of a "New Part"; Used is left alone.
    void ResetPart();
};

struct L_BRAND {
    std::string Name;
    std::string Description;
    bool Metric = true;
    int32_t Lanes = 2;
    float DefaultWidth = 0.0f;
    float PartSelectorZoom = 1.0f;
    int32_t PartCount = 0;
    std::array<L_PARTDEF, MAX_PARTDEFS> Parts;

    L_BRAND() { ResetBrand(); }
    // Defaults of a "New BRAND"; the part entries are left as they are.
    void ResetBrand();
    // Null when the brand already holds MAX_PARTDEFS parts.
    L_PARTDEF* AddPart();
    bool DeletePart(const L_PARTDEF* part);
    bool MovePartUp(const L_PARTDEF* part);
    bool MovePartDown(const L_PARTDEF* part);
    int IndexOfPart(const L_PARTDEF* part) const;
    // The first part in use with exactly this code, or null.
    L_PARTDEF* FindCode(const std::string& code);
};

// The library of brands. Designs and undo snapshots hold pointers to a brand
// and to its part definitions, so a brand's storage never moves: positions are
// an order of pointers into fixed storage, and deleting a brand only rotates
// the order. A design's brand therefore stays the same object whatever the
// definitions editor does to the brands before it.
class L_DEFINITIONS {
  public:
    int32_t Count = 0;
    std::array<L_BRAND*, MAX_BRANDS> Brands;

    L_DEFINITIONS();
    L_DEFINITIONS(const L_DEFINITIONS&) = delete;
    L_DEFINITIONS& operator=(const L_DEFINITIONS&) = delete;

    void Clear() { Count = 0; }
    // Null when the library already holds MAX_BRANDS brands.
    L_BRAND* AddBrand();
    bool DeleteBrand(const L_BRAND* brand);
    int IndexOfBrand(const L_BRAND* brand) const;
    L_BRAND* FindBrand(const std::string& name) const;
    L_PARTDEF* FindPart(const std::string& brandName, const std::string& code) const;

  private:
    std::array<L_BRAND, MAX_BRANDS> Storage;
};
