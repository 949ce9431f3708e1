#include "TestFiles.h"
#include "base/TextWriter.h"
#include "defs/Definitions.h"
#include "defs/DefinitionsFile.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

std::unique_ptr<L_DEFINITIONS> Shipped() {
    auto library = std::make_unique<L_DEFINITIONS>();
    LoadDefinitions(*library, VIRELDO_DATA);
    return library;
}

// Every part of the reference tables, in their order: the travel of each lane
// as published or derived, and whether the lanes always swap.
struct Row {
    const char* Brand;
    const char* Code;
    float Travel1;
    float Travel2;
    bool Swaps;
};

const Row ROWS[] = {
    {"S132SPORT", "S350", 35, 35, false},
    {"S132SPORT", "S175", 17.5, 17.5, false},
    {"S132SPORT", "S088", 8.75, 8.75, false},
    {"S132SPORT", "S078", 7.8, 7.8, false},
    {"S132SPORT", "SF175", 17.5, 17.5, false},
    {"S132SPORT", "SP350", 35, 35, false},
    {"S132SPORT", "C1-225", 3.81, 6.87, false},
    {"S132SPORT", "C1-450", 7.62, 13.74, false},
    {"S132SPORT", "C1-900H", 15.24, 27.49, false},
    {"S132SPORT", "C2-225", 9.94, 13, false},
    {"S132SPORT", "C2-450", 19.87, 26, false},
    {"S132SPORT", "C2-900", 39.74, 51.99, false},
    {"S132SPORT", "B2-450", 19.87, 26, false},
    {"S132SPORT", "C3-225", 16.06, 19.12, false},
    {"S132SPORT", "B3-450", 32.12, 38.25, false},
    {"S132SPORT", "C4-225", 22.19, 25.25, false},
    {"S132SPORT", "LC525", 52.5, 52.5, false},
    {"S132SPORT", "LCC2-450", 19.87, 26, false},
    {"S132SPORT", "XC2-900", 46.53, 46.53, true},
    {"S132SPORT", "PE525", 52.5, 52.5, false},
    {"S132SPORT", "PX525", 52.5, 52.5, false},
    {"S132SPORT", "SW350", 35, 35, false},
    {"S132SPORT", "X350A", 35, 35, false},
    {"S132SPORT", "X350B", 35, 35, false},
    {"W124WIDE", "S345", 34.5, 34.5, false},
    {"W124WIDE", "S115", 11.5, 11.5, false},
    {"W124WIDE", "S086", 8.6, 8.6, false},
    {"W124WIDE", "SP345", 34.5, 34.5, false},
    {"W124WIDE", "C1-600", 25.92, 36.29, false},
    {"W124WIDE", "C1-300", 12.96, 18.14, false},
    {"W124WIDE", "C2-300", 23.33, 28.51, false},
    {"W124WIDE", "C3-300", 33.69, 38.88, false},
    {"W124WIDE", "C4-150", 22.03, 24.62, false},
    {"W124WIDE", "B1-300", 12.96, 18.14, false},
    {"W124WIDE", "B2-300", 23.33, 28.51, false},
    {"W124WIDE", "CH345", 35.02, 34.95, false},
    {"W124WIDE", "XO345", 35.89, 35.89, true},
    {"W124WIDE", "X518", 51.8, 51.8, false},
    {"W124WIDE", "LC345", 34.5, 34.5, false},
    {"W124WIDE", "LC690", 69, 69, false},
    {"C143COMPACT", "S342", 34.2, 34.2, false},
    {"C143COMPACT", "S171", 17.1, 17.1, false},
    {"C143COMPACT", "S114", 11.4, 11.4, false},
    {"C143COMPACT", "SP342", 34.2, 34.2, false},
    {"C143COMPACT", "C1-900", 22.38, 31.34, false},
    {"C143COMPACT", "C1-450", 11.19, 15.67, false},
    {"C143COMPACT", "C2-450", 20.15, 24.62, false},
    {"C143COMPACT", "C3-450", 29.1, 33.58, false},
    {"C143COMPACT", "LC456", 45.6, 45.6, false},
    {"HO64STD", "S381", 38.1, 38.1, false},
    {"HO64STD", "S229", 22.86, 22.86, false},
    {"HO64STD", "S152", 15.24, 15.24, false},
    {"HO64STD", "S076", 7.62, 7.62, false},
    {"HO64STD", "C06-450", 10.58, 13.36, false},
    {"HO64STD", "C09-900", 33.12, 38.7, false},
    {"HO64STD", "C09-450", 16.56, 19.35, false},
    {"HO64STD", "C12-450", 22.54, 25.33, false},
    {"HO64STD", "C15-450", 28.53, 31.32, false},
    {"HO64STD", "C18-450", 34.51, 37.3, false},
    {"HO64FLAT", "S150", 15, 15, false},
    {"HO64FLAT", "S075", 7.5, 7.5, false},
    {"HO64FLAT", "C1-450", 16.04, 18.99, false},
    {"F132FLEX", "S400", 40, 40, false},
    {"F132FLEX", "S200", 20, 20, false},
    {"F132FLEX", "S100", 10, 10, false},
    {"F132FLEX", "C1-450", 8.36, 15.43, false},
    {"F132FLEX", "C1-225", 4.18, 7.71, false},
    {"F132FLEX", "C2-450", 22.49, 29.56, false},
    {"F132FLEX", "C2-225", 11.25, 14.78, false},
    {"F132FLEX", "C3-225", 18.32, 21.85, false},
    {"F132FLEX", "C4-225", 25.38, 28.92, false},
};

// The pieces drawn with a silkscreen: start grid, crossings, changeovers and
// changers, pit lane, chicane, banking.
const std::set<std::string> SILKSCREENED = {
    "S132SPORT SF175",    "S132SPORT B2-450",  "S132SPORT B3-450", "S132SPORT LC525",
    "S132SPORT LCC2-450", "S132SPORT XC2-900", "S132SPORT PE525",  "S132SPORT PX525",
    "S132SPORT X350A",    "S132SPORT X350B",   "W124WIDE B1-300",  "W124WIDE B2-300",
    "W124WIDE CH345",     "W124WIDE XO345",    "W124WIDE X518",    "W124WIDE LC345",
    "W124WIDE LC690",     "C143COMPACT LC456"};

constexpr double PI = 3.14159265358979;

double Radians(const L_PARTDEF& part) {
    return part.CurveAngle * 0.25 * PI / 180.0;
}

// Whether a point of the part's own frame lies on the part: the rectangle of
// a straight, the ring sector of a curve drawn left-hand (turning about the
// outer radius at u = outer radius).
bool OnPart(const L_PARTDEF& part, float u, float v) {
    constexpr double slack = 0.01; // cm
    if (part.Type == PT_Straight)
        return u >= -slack && u <= part.StraightWidth + slack && v >= -slack &&
               v <= part.StraightLength + slack;
    const double r = std::hypot(u - part.CurveOuterRadius, v);
    const double phi = std::atan2(v, part.CurveOuterRadius - u);
    return r >= part.CurveInnerRadius - slack && r <= part.CurveOuterRadius + slack &&
           phi >= -1e-4 && phi <= Radians(part) + 1e-4;
}

// Points along every stroke of a shape: its corners and what lies between.
std::vector<F_POINT> StrokePoints(const F_SHAPE& shape) {
    std::vector<F_POINT> corners(shape.Points.begin(), shape.Points.begin() + shape.PointCount);
    if ((shape.Kind == SK_Rectangle || shape.Kind == SK_FilledRectangle) && corners.size() == 2) {
        const F_POINT a = corners[0], b = corners[1];
        corners = {a, {a.X, b.Y}, b, {b.X, a.Y}, a};
    } else if (shape.Kind == SK_Polygon && !corners.empty()) {
        corners.push_back(corners.front());
    }
    std::vector<F_POINT> points;
    constexpr int steps = 20;
    for (size_t i = 0; i + 1 < corners.size(); ++i)
        for (int k = 0; k <= steps; ++k) {
            const float t = static_cast<float>(k) / steps;
            points.push_back({corners[i].X + (corners[i + 1].X - corners[i].X) * t,
                              corners[i].Y + (corners[i + 1].Y - corners[i].Y) * t});
        }
    if (corners.size() == 1)
        points.push_back(corners[0]);
    return points;
}

} // namespace

TEST(ShippedDefinitions, SavesBackByteIdentical) {
    auto library = Shipped();
    TextWriter out;
    WriteDefinitions(*library, out);
    EXPECT_EQ(out.Content(), ReadFile(std::string(VIRELDO_DATA) + DEFINITIONS_FILE_NAME));
}

TEST(ShippedDefinitions, SixTwoLaneSystemsInTableOrder) {
    auto library = Shipped();
    const std::vector<std::string> names = {"S132SPORT", "W124WIDE", "C143COMPACT",
                                            "HO64STD",   "HO64FLAT", "F132FLEX"};
    ASSERT_EQ(library->Count, static_cast<int>(names.size()));
    for (int i = 0; i < library->Count; ++i) {
        const L_BRAND& brand = *library->Brands[i];
        EXPECT_EQ(brand.Name, names[i]);
        EXPECT_EQ(brand.Lanes, 2);
        EXPECT_LE(brand.Description.size(), 79u) << brand.Name;
        for (int p = 0; p < brand.PartCount; ++p)
            EXPECT_FLOAT_EQ(brand.Parts[p].Type == PT_Curve ? brand.Parts[p].CurveWidth
                                                            : brand.Parts[p].StraightWidth,
                            brand.DefaultWidth)
                << brand.Name << " " << brand.Parts[p].Code;
    }
}

TEST(ShippedDefinitions, EveryRowInTableOrderWithItsTravel) {
    auto library = Shipped();
    std::vector<const L_PARTDEF*> parts;
    for (int b = 0; b < library->Count; ++b)
        for (int p = 0; p < library->Brands[b]->PartCount; ++p)
            parts.push_back(&library->Brands[b]->Parts[p]);
    ASSERT_EQ(parts.size(), std::size(ROWS));
    for (size_t i = 0; i < parts.size(); ++i) {
        const Row& row = ROWS[i];
        const L_PARTDEF& part = *parts[i];
        EXPECT_EQ(library->FindPart(row.Brand, row.Code), &part) << row.Brand << " " << row.Code;
        EXPECT_FLOAT_EQ(part.TravelLane1, row.Travel1) << row.Code;
        EXPECT_FLOAT_EQ(part.TravelLane2, row.Travel2) << row.Code;
        // Only a changeover swaps the lanes; a digital changer lets a car
        // change lanes while the lanes themselves go on.
        EXPECT_EQ(part.CrossTrack, row.Swaps) << row.Code;
    }
}

TEST(ShippedDefinitions, CodesAreUniqueWithinEachSystem) {
    auto library = Shipped();
    for (int b = 0; b < library->Count; ++b) {
        std::set<std::string> codes;
        for (int p = 0; p < library->Brands[b]->PartCount; ++p)
            EXPECT_TRUE(codes.insert(library->Brands[b]->Parts[p].Code).second)
                << library->Brands[b]->Name << " " << library->Brands[b]->Parts[p].Code;
    }
}

// Lane 2 of a curve is lane distance x angle (radians) longer than lane 1,
// and lane 1 runs half the spare width inside the inner edge; a changeover's
// lanes run the longer swap path instead.
TEST(ShippedDefinitions, CurveTravelLengthsAgreeWithTheirGeometry) {
    auto library = Shipped();
    for (int b = 0; b < library->Count; ++b)
        for (int p = 0; p < library->Brands[b]->PartCount; ++p) {
            const L_PARTDEF& part = library->Brands[b]->Parts[p];
            if (part.Type != PT_Curve)
                continue;
            EXPECT_NEAR(part.CurveOuterRadius - part.CurveInnerRadius, part.CurveWidth, 1e-4)
                << part.Code;
            if (part.CrossTrack)
                continue;
            EXPECT_NEAR(part.TravelLane2 - part.TravelLane1, part.LaneDistance * Radians(part),
                        0.03)
                << part.Code;
            const double lane1 = part.CurveInnerRadius + (part.CurveWidth - part.LaneDistance) / 2;
            EXPECT_NEAR(part.TravelLane1, lane1 * Radians(part), 0.03) << part.Code;
        }
}

// The radii of a system nest: each larger curve starts where the smaller ends.
TEST(ShippedDefinitions, CurveRadiiStepByOneWidth) {
    auto library = Shipped();
    for (int b = 0; b < library->Count; ++b) {
        const L_BRAND& brand = *library->Brands[b];
        std::set<float> inner;
        for (int p = 0; p < brand.PartCount; ++p)
            if (brand.Parts[p].Type == PT_Curve)
                inner.insert(brand.Parts[p].CurveInnerRadius);
        ASSERT_FALSE(inner.empty()) << brand.Name;
        float previous = *inner.begin();
        for (float r : inner) {
            if (r != previous) {
                EXPECT_NEAR(r - previous, brand.DefaultWidth, 1e-4) << brand.Name << " " << r;
            }
            previous = r;
        }
    }
}

TEST(ShippedDefinitions, SpecialPiecesHaveTheirSilkscreensOnThePart) {
    auto library = Shipped();
    std::set<std::string> drawn;
    for (int b = 0; b < library->Count; ++b)
        for (int p = 0; p < library->Brands[b]->PartCount; ++p) {
            const L_PARTDEF& part = library->Brands[b]->Parts[p];
            const F_FREEHAND* silkscreen = part.Silkscreen.get();
            if (!silkscreen)
                continue;
            drawn.insert(library->Brands[b]->Name + " " + part.Code);
            for (int s = 0; s < silkscreen->ShapeCount; ++s)
                for (const F_POINT& point : StrokePoints(silkscreen->Shapes[s]))
                    EXPECT_TRUE(OnPart(part, point.X, point.Y))
                        << part.Code << " shape " << s << " at " << point.X << ", " << point.Y;
        }
    EXPECT_EQ(drawn, SILKSCREENED);
}
