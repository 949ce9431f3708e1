#include "TestFiles.h"
#include "base/TextWriter.h"
#include "defs/Definitions.h"
#include "defs/DefinitionsFile.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<L_DEFINITIONS> Shipped() {
    auto library = std::make_unique<L_DEFINITIONS>();
    LoadDefinitions(*library, VIRELDO_DATA);
    return library;
}

} // namespace

TEST(ShippedDefinitions, SavesBackByteIdentical) {
    auto library = Shipped();
    TextWriter out;
    WriteDefinitions(*library, out);
    EXPECT_EQ(out.Content(), ReadFile(std::string(VIRELDO_DATA) + DEFINITIONS_FILE_NAME));
}

TEST(ShippedDefinitions, FiveSystemsInTableOrder) {
    auto library = Shipped();
    ASSERT_EQ(library->Count, 5);
    const char* names[] = {"S132SPORT", "W124WIDE", "C143COMPACT", "HO64STD", "HO64FLAT"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(library->Brands[i]->Name, names[i]);
        EXPECT_EQ(library->Brands[i]->Lanes, 2);
        EXPECT_GT(library->Brands[i]->DefaultWidth, 0.0f);
    }
}

TEST(ShippedDefinitions, HasEveryKindOfPart) {
    auto library = Shipped();
    int interfaces = 0, freeforms = 0, silkscreens = 0, changers = 0;
    for (int b = 0; b < library->Count; ++b)
        for (int p = 0; p < library->Brands[b]->PartCount; ++p) {
            const L_PARTDEF& part = library->Brands[b]->Parts[p];
            interfaces += part.Type == PT_Interface;
            freeforms += part.Type == PT_Freeform;
            silkscreens += static_cast<bool>(part.Silkscreen);
            // A digital changer lets a car change lanes; the lanes themselves
            // go on, so lane lengths and colours do not swap after it.
            if (part.Code.rfind("LC", 0) == 0) {
                ++changers;
                EXPECT_FALSE(part.CrossTrack) << part.Code;
                EXPECT_NE(part.Description.find("Digital lane changer"), std::string::npos);
            }
        }
    EXPECT_GE(interfaces, 1);
    EXPECT_GE(freeforms, 1);
    EXPECT_GE(silkscreens, 3);
    EXPECT_EQ(changers, 3);
}

// Lane 2 of a curve is lane distance x angle (radians) longer than lane 1.
TEST(ShippedDefinitions, CurveTravelLengthsAgreeWithTheirGeometry) {
    auto library = Shipped();
    for (int b = 0; b < library->Count; ++b)
        for (int p = 0; p < library->Brands[b]->PartCount; ++p) {
            const L_PARTDEF& part = library->Brands[b]->Parts[p];
            if (part.Type != PT_Curve)
                continue;
            const double radians = part.CurveAngle * 0.25 * 3.14159265358979 / 180.0;
            EXPECT_NEAR(part.TravelLane2 - part.TravelLane1, part.LaneDistance * radians, 0.03)
                << part.Code;
            EXPECT_NEAR(part.CurveOuterRadius - part.CurveInnerRadius, part.CurveWidth, 1e-4)
                << part.Code;
            const double lane1 = part.CurveInnerRadius + (part.CurveWidth - part.LaneDistance) / 2;
            EXPECT_NEAR(part.TravelLane1, lane1 * radians, 0.03) << part.Code;
        }
}

TEST(ShippedDefinitions, NestedCurvesShareTheirRadii) {
    auto library = Shipped();
    const L_BRAND* wide = library->FindBrand("W124WIDE");
    ASSERT_NE(wide, nullptr);
    EXPECT_FLOAT_EQ(library->FindPart("W124WIDE", "C1-300")->CurveOuterRadius,
                    library->FindPart("W124WIDE", "C2-300")->CurveInnerRadius);
    EXPECT_NEAR(library->FindPart("S132SPORT", "C2-450")->CurveInnerRadius -
                    library->FindPart("S132SPORT", "C1-450")->CurveOuterRadius,
                0.1f, 1e-4);
}
