#pragma once
#include "defs/Definitions.h"
#include "design/Design.h"

// Part definitions with round numbers for geometry tests.
inline L_PARTDEF Straight(float width, float length) {
    L_PARTDEF def;
    def.Type = PT_Straight;
    def.StraightWidth = width;
    def.StraightLength = length;
    return def;
}

inline L_PARTDEF Curve(QuarterDegrees alpha, float inner, float outer) {
    L_PARTDEF def;
    def.Type = PT_Curve;
    def.CurveAngle = alpha;
    def.CurveInnerRadius = inner;
    def.CurveOuterRadius = outer;
    def.CurveWidth = outer - inner;
    return def;
}

inline T_PART PartOf(L_PARTDEF& def, uint8_t status = 0, int8_t height = 0) {
    return T_PART{height, status, &def};
}
