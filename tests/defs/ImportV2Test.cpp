#include "TestFiles.h"
#include "defs/Definitions.h"
#include "defs/DefinitionsFile.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// A brand whose first part carries what imported parts inherit.
std::unique_ptr<L_DEFINITIONS> LibraryWithTemplate() {
    auto library = std::make_unique<L_DEFINITIONS>();
    L_BRAND* brand = library->AddBrand();
    brand->Metric = false;
    brand->DefaultWidth = 9.0f;
    L_PARTDEF* first = brand->AddPart();
    first->Stock = 4;
    first->LaneDistance = 7.8f;
    first->OuterBorderStep = 6;
    first->OuterBorderWidth = 7.8f;
    first->Silkscreen.Create().AddShape()->Text = "template";
    brand->AddPart();
    brand->AddPart();
    return library;
}

void Import(L_BRAND& brand, const std::string& content) {
    TempDir dir;
    WriteFile(dir.File("legacy.def"), content);
    ImportV2Definitions(dir.File("legacy.def"), brand);
}

} // namespace

TEST(ImportV2, MetricStraightInMillimetres) {
    auto library = LibraryWithTemplate();
    L_BRAND& brand = *library->Brands[0];
    Import(brand, "METRIC\n2000\nStraight\n1\n80\n350\nx\ny\n350\n350\n");
    ASSERT_EQ(brand.PartCount, 1);
    const L_PARTDEF& part = brand.Parts[0];
    EXPECT_EQ(part.Code, "2000");
    EXPECT_EQ(part.Description, "Straight");
    EXPECT_EQ(part.Type, PT_Straight);
    EXPECT_FLOAT_EQ(part.StraightWidth, 8.0f);
    EXPECT_FLOAT_EQ(part.StraightLength, 35.0f);
    EXPECT_FLOAT_EQ(part.TravelLane1, 35.0f);
    EXPECT_FLOAT_EQ(part.TravelLane2, 35.0f);
    EXPECT_FALSE(part.CrossTrack);
    EXPECT_TRUE(brand.Metric);
    EXPECT_EQ(brand.DefaultWidth, 1.0f);
    // Borders, lane distance, stock and silkscreen come from the template.
    EXPECT_EQ(part.Stock, 4);
    EXPECT_FLOAT_EQ(part.LaneDistance, 7.8f);
    EXPECT_EQ(part.OuterBorderStep, 6);
    ASSERT_TRUE(part.Silkscreen);
    EXPECT_EQ(part.Silkscreen->Shapes[0].Text, "template");
}

TEST(ImportV2, NonMetricCurveInInches) {
    auto library = LibraryWithTemplate();
    L_BRAND& brand = *library->Brands[0];
    Import(brand, "NONMETRIC\nC6\nCurve\n6\n3\nskip\n45\n12\n10\n11\n");
    ASSERT_EQ(brand.PartCount, 1);
    const L_PARTDEF& part = brand.Parts[0];
    EXPECT_EQ(part.Type, PT_Curve);
    EXPECT_EQ(part.CurveAngle, 180);
    EXPECT_NEAR(part.CurveWidth, 7.62f, 1e-5);
    EXPECT_NEAR(part.CurveOuterRadius, 30.48f, 1e-5);
    EXPECT_NEAR(part.CurveInnerRadius, 22.86f, 1e-5);
    EXPECT_NEAR(part.TravelLane1, 25.4f, 1e-5);
}

TEST(ImportV2, TypeCodesDecideTheShape) {
    const struct {
        int Code;
        int32_t Type;
        bool Swap;
    } cases[] = {{2, PT_Curve, false},    {6, PT_Curve, false},   {7, PT_Curve, false},
                 {1, PT_Straight, false}, {3, PT_Straight, true}, {99, PT_Straight, false}};
    for (const auto& c : cases) {
        auto library = LibraryWithTemplate();
        L_BRAND& brand = *library->Brands[0];
        Import(brand, "METRIC\nP\nd\n" + std::to_string(c.Code) + "\n1\n2\n3\n4\n5\n6\n");
        ASSERT_EQ(brand.PartCount, 1) << c.Code;
        EXPECT_EQ(brand.Parts[0].Type, c.Type) << c.Code;
        EXPECT_EQ(brand.Parts[0].CrossTrack, c.Swap) << c.Code;
    }
}

TEST(ImportV2, UnitMarkerDecidesTheScaleOrEndsTheImport) {
    const struct {
        const char* Marker;
        int Parts;
        float Width;
    } cases[] = {{"METRIC", 1, 8.0f}, {"METRICS and more", 1, 8.0f}, {"NONMETRIC", 1, 203.2f},
                 {"Metric", 0, 0.0f}, {"NONMETRI", 0, 0.0f},         {"", 0, 0.0f}};
    for (const auto& c : cases) {
        auto library = LibraryWithTemplate();
        L_BRAND& brand = *library->Brands[0];
        Import(brand, std::string(c.Marker) + "\nP\nd\n1\n80\n350\nx\ny\n1\n1\n");
        EXPECT_EQ(brand.PartCount, c.Parts) << c.Marker;
        EXPECT_EQ(brand.DefaultWidth, 1.0f) << c.Marker;
        EXPECT_EQ(brand.Metric, c.Parts > 0) << c.Marker;
        if (c.Parts) {
            EXPECT_NEAR(brand.Parts[0].StraightWidth, c.Width, 1e-4) << c.Marker;
        }
    }
}

TEST(ImportV2, FixtureWithCommentsAndTrailingLineBreak) {
    auto library = LibraryWithTemplate();
    L_BRAND& brand = *library->Brands[0];
    ImportV2Definitions(std::string(VIRELDO_FIXTURES) + "legacy_metric.def", brand);
    ASSERT_EQ(brand.PartCount, 2);
    EXPECT_EQ(brand.Parts[1].Code, "C60");
    EXPECT_EQ(brand.Parts[1].CurveAngle, 240);
    EXPECT_FLOAT_EQ(brand.Parts[1].CurveInnerRadius, 32.0f);
}

TEST(ImportV2, MissingFileChangesNothing) {
    auto library = LibraryWithTemplate();
    L_BRAND& brand = *library->Brands[0];
    ImportV2Definitions("/nonexistent/legacy.def", brand);
    EXPECT_EQ(brand.PartCount, 3);
    EXPECT_EQ(brand.DefaultWidth, 9.0f);
    EXPECT_FALSE(brand.Metric);
}

TEST(ImportV2, RecordsBeyondTheBrandLimitAreDropped) {
    auto library = LibraryWithTemplate();
    L_BRAND& brand = *library->Brands[0];
    std::string content = "METRIC\n";
    for (int i = 0; i < 300; ++i)
        content += "P" + std::to_string(i) + "\nd\n1\n80\n350\nx\ny\n350\n350\n";
    Import(brand, content);
    EXPECT_EQ(brand.PartCount, MAX_PARTDEFS);
    EXPECT_EQ(brand.Parts[255].Code, "P255");
}
