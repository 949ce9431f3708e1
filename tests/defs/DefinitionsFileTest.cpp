#include "defs/DefinitionsFile.h"
#include "TestFiles.h"
#include "base/TextReader.h"
#include "base/TextWriter.h"
#include "defs/Definitions.h"

#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace {

std::unique_ptr<L_DEFINITIONS> Load(const std::string& content) {
    TempDir dir;
    WriteFile(dir.Dir() + DEFINITIONS_FILE_NAME, content);
    auto library = std::make_unique<L_DEFINITIONS>();
    LoadDefinitions(*library, dir.Dir());
    return library;
}

std::string Written(L_DEFINITIONS& library) {
    TextWriter out;
    WriteDefinitions(library, out);
    return out.Content();
}

// One brand "T" with a curve, an interface, a freeform part and a straight
// whose silkscreen holds no shape.
std::unique_ptr<L_DEFINITIONS> SampleLibrary() {
    auto library = std::make_unique<L_DEFINITIONS>();
    L_BRAND* brand = library->AddBrand();
    brand->Name = "T";
    brand->Description = "Test brand";
    brand->DefaultWidth = 12.5f;
    L_PARTDEF* curve = brand->AddPart();
    curve->Code = "C1";
    curve->Type = PT_Curve;
    curve->CurveAngle = 90;
    curve->CurveWidth = 15.6f;
    curve->OuterBorderStep = 3;
    curve->OuterBorderWidth = 7.8f;
    F_SHAPE* shape = curve->Silkscreen.Create().AddShape();
    shape->Kind = SK_Polyline;
    shape->Color = 255;
    shape->AddPoint(1, 2);
    shape->AddPoint(3, 4);
    L_PARTDEF* adapter = brand->AddPart();
    adapter->Type = PT_Interface;
    adapter->InterfaceWidth1 = 10;
    adapter->InterfaceWidth2 = 20;
    adapter->InterfaceLength = 5;
    L_PARTDEF* chicane = brand->AddPart();
    chicane->Type = PT_Freeform;
    chicane->FreeformAngle = -40;
    chicane->FreeformNextY = 35;
    L_PARTDEF* empty = brand->AddPart();
    empty->CrossTrack = true;
    empty->Silkscreen.Create();
    library->AddBrand()->Name = "NOPARTS";
    return library;
}

std::string StripComments(const std::string& text) {
    std::istringstream in(text);
    std::string line, result;
    while (std::getline(in, line))
        if (line.empty() || line[0] != '#')
            result += line + "\n";
    return result;
}

} // namespace

TEST(DefinitionsFile, RoundTripIsByteIdentical) {
    auto library = SampleLibrary();
    const std::string first = Written(*library);
    auto reread = Load(first);
    EXPECT_EQ(Written(*reread), first);
    const L_BRAND& brand = *reread->Brands[0];
    EXPECT_EQ(brand.Parts[0].CurveAngle, 90);
    EXPECT_EQ(brand.Parts[0].Silkscreen->Shapes[0].Color, 255);
    EXPECT_EQ(brand.Parts[2].FreeformAngle, -40);
    EXPECT_TRUE(brand.Parts[3].CrossTrack);
}

TEST(DefinitionsFile, LayoutOfBrandAndCurve) {
    auto library = SampleLibrary();
    const std::string text = Written(*library);
    EXPECT_EQ(text.substr(0, 200), CrLf({"# VIRELDO Definition File",
                                         "#",
                                         "# Number of BRANDS",
                                         "2",
                                         "#",
                                         "# BRAND DEF",
                                         "T",
                                         "Test brand",
                                         "# Number of lanes",
                                         "2",
                                         "# METRIC?",
                                         "1",
                                         "# PartSelector zoom factor",
                                         "1.000000",
                                         "# Default Width",
                                         "12.500000",
                                         "# Number of parts",
                                         "4",
                                         "#",
                                         "#",
                                         "# PART DEF",
                                         "C1"})
                                       .substr(0, 200));
    EXPECT_NE(text.find(CrLf({"# CrossTrack", "0", "# Curve Angle", "22.500000", "# Curve Width",
                              "15.600000"})),
              std::string::npos);
    EXPECT_NE(text.find(CrLf({"# Freeform Angle", "-10.000000", "# NO SILKSCREEN", "0"})),
              std::string::npos);
}

TEST(DefinitionsFile, EmptySilkscreenIsWrittenAsNoneAndReadBackAsNone) {
    auto library = SampleLibrary();
    const std::string text = Written(*library);
    EXPECT_NE(text.find(CrLf({"# CrossTrack", "1", "# Straight Width", "0.000000",
                              "# Straight Length", "0.000000", "# NO SILKSCREEN", "0"})),
              std::string::npos);
    auto reread = Load(text);
    EXPECT_FALSE(reread->Brands[0]->Parts[3].Silkscreen);
}

TEST(DefinitionsFile, BrandWithoutPartsEndsAfterItsCount) {
    auto library = SampleLibrary();
    const std::string text = Written(*library);
    const std::string tail = CrLf({"NOPARTS", "New BRAND", "# Number of lanes", "2", "# METRIC?",
                                   "1", "# PartSelector zoom factor", "1.000000", "# Default Width",
                                   "0.000000", "# Number of parts", "0", "#"});
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(DefinitionsFile, AnglesAreTruncatedToQuarterDegrees) {
    auto library = Load("1\nB\nd\n2\n1\n1.0\n10\n1\nC\nc\n1\n0\n0\n0\n0\n0\n0\n0\n0\n"
                        "7.3\n15.6\n5.9\n21.5\n0\n");
    ASSERT_EQ(library->Count, 1);
    const L_PARTDEF& part = library->Brands[0]->Parts[0];
    EXPECT_EQ(part.Type, PT_Curve);
    EXPECT_EQ(part.CurveAngle, 29);
    EXPECT_FLOAT_EQ(part.CurveOuterRadius, 21.5f);
    EXPECT_FALSE(part.Silkscreen);
}

TEST(DefinitionsFile, BorderStepsAreReadAsTruncatedFloats) {
    auto library = Load("1\nB\nd\n2\n1\n1\n10\n1\nS\ns\n2\n3.9\n1.5\n-2.5\n2\n7.8\n35\n35\n5\n"
                        "15.6\n35\n0\n");
    const L_PARTDEF& part = library->Brands[0]->Parts[0];
    EXPECT_EQ(part.InnerBorderStep, 3);
    EXPECT_EQ(part.OuterBorderStep, -2);
    EXPECT_TRUE(part.CrossTrack); // any non-zero value
    EXPECT_FLOAT_EQ(part.StraightLength, 35.0f);
}

TEST(DefinitionsFile, FileWithoutCommentsReadsTheSame) {
    const std::string shipped = ReadFile(std::string(VIRELDO_DATA) + DEFINITIONS_FILE_NAME);
    ASSERT_FALSE(shipped.empty());
    auto plain = Load(StripComments(shipped));
    EXPECT_EQ(Written(*plain), shipped);
}

TEST(DefinitionsFile, MissingFileLeavesTheLibraryEmpty) {
    auto library = SampleLibrary();
    LoadDefinitions(*library, "/nonexistent/folder/");
    EXPECT_EQ(library->Count, 0);
}

TEST(DefinitionsFile, TruncatedFileKeepsOnlyWhatIsThere) {
    auto library = Load("2\nFIRST\nfirst brand\n2\n1\n1.5\n");
    ASSERT_EQ(library->Count, 1); // the second brand is not in the file
    EXPECT_EQ(library->Brands[0]->Name, "FIRST");
    EXPECT_FLOAT_EQ(library->Brands[0]->PartSelectorZoom, 1.5f);
    EXPECT_EQ(library->Brands[0]->PartCount, 0);
}

TEST(DefinitionsFile, ExcessBrandsAndPartsAreReadPastAndDropped) {
    auto big = std::make_unique<L_DEFINITIONS>();
    for (int b = 0; b < MAX_BRANDS; ++b) {
        L_BRAND* brand = big->AddBrand();
        brand->Name = "B" + std::to_string(b);
        for (int p = 0; p < (b == 0 ? MAX_PARTDEFS : 1); ++p)
            brand->AddPart()->Code = "P" + std::to_string(p);
    }
    std::string text = Written(*big);
    // Announce 34 brands and give the first brand two extra parts with silkscreens.
    text.replace(text.find("\r\n32\r\n"), 6, "\r\n34\r\n");
    text.replace(text.find("\r\n256\r\n"), 7, "\r\n258\r\n");
    // A curve with a one-shape silkscreen, twice, before the second brand.
    const std::string extraPart =
        CrLf({"X", "x", "1", "0", "0", "0", "0", "0", "0", "0", "0", "90", "1",
              "1", "2", "1", "1", "2", "1", "1", "2", "5", "6", "7", "8"});
    text.insert(text.find("#\r\n# BRAND DEF\r\nB1\r\n"), extraPart + extraPart);
    text += CrLf({"EXTRA1", "e", "2", "1", "1", "1", "1", "P",      "p", "2", "0", "0", "0", "0",
                  "0",      "0", "0", "0", "1", "2", "0", "EXTRA2", "e", "2", "1", "1", "1", "0"});
    auto library = Load(text);
    ASSERT_EQ(library->Count, MAX_BRANDS);
    EXPECT_EQ(library->Brands[0]->PartCount, MAX_PARTDEFS);
    EXPECT_EQ(library->Brands[0]->Parts[255].Code, "P255");
    EXPECT_EQ(library->Brands[1]->Name, "B1");
    EXPECT_EQ(library->Brands[1]->Parts[0].Code, "P0");
    EXPECT_EQ(library->Brands[31]->Name, "B31");
}

TEST(DefinitionsFile, HugeCountsOnAShortFileStopAtItsEnd) {
    auto library = Load("2000000000\nONLY\nd\n2\n1\n1\n10\n2000000000\nP\npart\n");
    ASSERT_EQ(library->Count, 1);
    EXPECT_EQ(library->Brands[0]->Name, "ONLY");
    EXPECT_EQ(library->Brands[0]->PartCount, 1);
    EXPECT_EQ(library->Brands[0]->Parts[0].Code, "P");
}

TEST(DefinitionsFile, SaveReplacesTheFileAndKeepsItOnFailure) {
    TempDir dir;
    auto library = SampleLibrary();
    ASSERT_TRUE(SaveDefinitions(*library, dir.Dir()));
    EXPECT_EQ(ReadFile(dir.Dir() + DEFINITIONS_FILE_NAME), Written(*library));
    EXPECT_FALSE(SaveDefinitions(*library, dir.Dir() + "missing/"));
}
