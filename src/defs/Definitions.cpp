#include "Definitions.h"

#include <algorithm>
#include <utility>

void L_PARTDEF::ResetPart() {
    Code = "PART";
    Description = "New Part";
    Stock = 0;
    Type = PT_Straight;
    InnerBorderStep = 0;
    InnerBorderWidth = 0.0f;
    OuterBorderStep = 0;
    OuterBorderWidth = 0.0f;
    TravelLane1 = TravelLane2 = LaneDistance = 0.0f;
    CrossTrack = false;
    StraightWidth = StraightLength = 0.0f;
    CurveAngle = 0;
    CurveWidth = CurveInnerRadius = CurveOuterRadius = 0.0f;
    InterfaceWidth1 = InterfaceWidth2 = InterfaceLength = 0.0f;
    FreeformWidth = FreeformLength = FreeformNextX = FreeformNextY = 0.0f;
    FreeformAngle = 0;
    Silkscreen.reset();
}

void L_BRAND::ResetBrand() {
    Name = "BRAND";
    Description = "New BRAND";
    Metric = true;
    Lanes = 2;
    DefaultWidth = 0.0f;
    PartSelectorZoom = 1.0f;
    PartCount = 0;
}

L_PARTDEF* L_BRAND::AddPart() {
    if (PartCount >= MAX_PARTDEFS)
        return nullptr;
    L_PARTDEF& part = Parts[PartCount++];
    part.ResetPart();
    return &part;
}

bool L_BRAND::DeletePart(const L_PARTDEF* part) {
    const int index = IndexOfPart(part);
    if (index < 0)
        return false;
    std::move(Parts.begin() + index + 1, Parts.begin() + PartCount, Parts.begin() + index);
    --PartCount;
    return true;
}

bool L_BRAND::MovePartUp(const L_PARTDEF* part) {
    const int index = IndexOfPart(part);
    if (index <= 0)
        return false;
    std::swap(Parts[index], Parts[index - 1]);
    return true;
}

bool L_BRAND::MovePartDown(const L_PARTDEF* part) {
    const int index = IndexOfPart(part);
    if (index < 0 || index >= PartCount - 1)
        return false;
    std::swap(Parts[index], Parts[index + 1]);
    return true;
}

int L_BRAND::IndexOfPart(const L_PARTDEF* part) const {
    for (int i = 0; i < PartCount; ++i)
        if (&Parts[i] == part)
            return i;
    return -1;
}

L_PARTDEF* L_BRAND::FindCode(const std::string& code) {
    for (int i = 0; i < PartCount; ++i)
        if (Parts[i].Code == code)
            return &Parts[i];
    return nullptr;
}

L_DEFINITIONS::L_DEFINITIONS() {
    for (int i = 0; i < MAX_BRANDS; ++i)
        Brands[i] = &Storage[i];
}

L_BRAND* L_DEFINITIONS::AddBrand() {
    if (Count >= MAX_BRANDS)
        return nullptr;
    L_BRAND* brand = Brands[Count++];
    brand->ResetBrand();
    return brand;
}

bool L_DEFINITIONS::DeleteBrand(const L_BRAND* brand) {
    const int index = IndexOfBrand(brand);
    if (index < 0)
        return false;
    // The freed storage goes behind the brands in use, where AddBrand reuses it.
    std::rotate(Brands.begin() + index, Brands.begin() + index + 1, Brands.begin() + Count);
    --Count;
    return true;
}

int L_DEFINITIONS::IndexOfBrand(const L_BRAND* brand) const {
    for (int i = 0; i < Count; ++i)
        if (Brands[i] == brand)
            return i;
    return -1;
}

L_BRAND* L_DEFINITIONS::FindBrand(const std::string& name) const {
    for (int i = 0; i < Count; ++i)
        if (Brands[i]->Name == name)
            return Brands[i];
    return nullptr;
}

L_PARTDEF* L_DEFINITIONS::FindPart(const std::string& brandName, const std::string& code) const {
    for (int i = 0; i < Count; ++i)
        if (Brands[i]->Name == brandName)
            if (L_PARTDEF* part = Brands[i]->FindCode(code))
                return part;
    return nullptr;
}
