#pragma once
#include "defs/Definitions.h"
#include "design/Design.h"

#include <memory>

// A library with the brands "OTHER" and "T"; T has a straight "S", a curve
// "C" (30/40 travel), a lane-swap straight "X" and a default width of 10 cm.
struct TestLibrary {
    std::unique_ptr<L_DEFINITIONS> Library = std::make_unique<L_DEFINITIONS>();
    L_PARTDEF EmptyDef;
    L_BRAND* Other;
    L_BRAND* Brand;
    L_PARTDEF* S;
    L_PARTDEF* C;
    L_PARTDEF* X;

    TestLibrary() {
        Other = Library->AddBrand();
        Other->Name = "OTHER";
        Other->AddPart()->Code = "S";
        Brand = Library->AddBrand();
        Brand->Name = "T";
        Brand->DefaultWidth = 10.0f;
        S = Part("S", PT_Straight, 10, 10, false);
        S->StraightWidth = 10;
        S->StraightLength = 20;
        C = Part("C", PT_Curve, 30, 40, false);
        C->CurveAngle = 360;
        C->CurveWidth = 10;
        C->CurveInnerRadius = 30;
        C->CurveOuterRadius = 40;
        X = Part("X", PT_Straight, 10, 10, true);
    }

    L_PARTDEF* Part(const char* code, int32_t type, float lane1, float lane2, bool cross) {
        L_PARTDEF* part = Brand->AddPart();
        part->Code = code;
        part->Type = type;
        part->TravelLane1 = lane1;
        part->TravelLane2 = lane2;
        part->CrossTrack = cross;
        return part;
    }

    std::unique_ptr<T_DESIGN> NewDesign() {
        auto design = std::make_unique<T_DESIGN>(&EmptyDef);
        design->SetDesignBrand(Brand);
        return design;
    }
};

// Appends parts to a track, each with the given status.
inline void Append(T_TRACK& track, std::initializer_list<L_PARTDEF*> defs, uint8_t status = 0) {
    for (L_PARTDEF* def : defs)
        *track.InsertAfter(nullptr) = T_PART{0, status, def};
}
