#include "design/DesignFile.h"
#include "TestFiles.h"
#include "TestLibrary.h"
#include "base/TextWriter.h"
#include "freehand/Freehand.h"

#include <gtest/gtest.h>

namespace {

struct DesignFileFixture : ::testing::Test {
    TestLibrary Lib;
    std::unique_ptr<T_DESIGN> Design = Lib.NewDesign();
    std::unique_ptr<F_FREEHAND> Freehand = std::make_unique<F_FREEHAND>();
    ViewOffset Offset;
    TempDir Dir;

    std::string Written() {
        TextWriter out;
        WriteDesign(*Design, Offset, *Freehand, out);
        return out.Content();
    }
    // Loads content into a fresh design; returns the loader's message.
    std::string Load(const std::string& content, std::unique_ptr<T_DESIGN>& into) {
        WriteFile(Dir.File("d.tr3"), content);
        into = Lib.NewDesign();
        into->FileName = Dir.File("d.tr3");
        Freehand->ClearLayer();
        return LoadDesign(*into, *Lib.Library, Offset, *Freehand);
    }
};

} // namespace

TEST_F(DesignFileFixture, NewDesignWithOneEmptyTrack) {
    Design->AllocateTrack();
    Offset = {12.5f, -3.0f};
    EXPECT_EQ(Written(), CrLf({"# VIRELDO Track",
                               "#",
                               "# Brand",
                               "T",
                               "#",
                               "# Xoffset",
                               "12.500000",
                               "# Yoffset",
                               "-3.000000",
                               "#",
                               "# Number of TRACKS",
                               "1",
                               "#",
                               "# TRACK 0",
                               "#",
                               "# Angle",
                               "0",
                               "# X",
                               "0.000000",
                               "# Y",
                               "0.000000",
                               "# Group",
                               "0",
                               "# Number of parts",
                               "0",
                               "#",
                               "# NO FREEHAND",
                               "0"}));
    std::unique_ptr<T_DESIGN> reread;
    EXPECT_EQ(Load(Written(), reread), "");
    EXPECT_EQ(reread->TrackCount(), 1);
    EXPECT_TRUE(reread->Tracks[0].HoldsOnlyEmptyPart());
    EXPECT_EQ(Offset.X, 12.5f);
}

TEST_F(DesignFileFixture, RoundTripKeepsEveryTrackField) {
    for (int i = 0; i < 6; ++i)
        Design->AllocateTrack();
    for (int i = 0; i < 5; ++i)
        Design->FreeTrack(&Design->Tracks[i]);
    T_TRACK& track = Design->Tracks[5];
    track.Angle = 1439;
    track.X = -7.25f;
    track.Y = 3.5f;
    track.Group = true;
    for (int i = 0; i < 9; ++i)
        Append(track, {Lib.S});
    track.Anchor = 7;
    track.Parts[1] = T_PART{-1, PS_RIGHT | PS_INNER_BORDER, Lib.C};
    track.Parts[2].Def = &Lib.EmptyDef; // among others it is written as XXXX and dropped
    const std::string text = Written();
    EXPECT_NE(text.find(CrLf({"# TRACK 5", "#", "# Angle", "1439"})), std::string::npos);
    EXPECT_NE(text.find(CrLf({"# Group", "15", "# Number of parts", "9"})), std::string::npos);
    EXPECT_NE(text.find(CrLf({"# PART 1", "C", "# Height", "-1", "# Status", "6"})),
              std::string::npos);
    EXPECT_NE(text.find(CrLf({"# PART 2", "XXXX"})), std::string::npos);
    std::unique_ptr<T_DESIGN> reread;
    EXPECT_EQ(Load(text, reread), "");
    const T_TRACK& back = reread->Tracks[0]; // slots are given anew in file order
    EXPECT_TRUE(back.InUse);
    EXPECT_EQ(back.Angle, 1439);
    EXPECT_EQ(back.X, -7.25f);
    EXPECT_TRUE(back.Group);
    EXPECT_EQ(back.Anchor, 7);
    ASSERT_EQ(back.PartCount, 8);
    EXPECT_EQ(back.Parts[1].Height, -1);
    EXPECT_EQ(back.Parts[1].Status, PS_RIGHT | PS_INNER_BORDER);
    EXPECT_EQ(back.Parts[1].Def, Lib.C);
    EXPECT_FALSE(reread->IsModified());
}

TEST_F(DesignFileFixture, GroupValueCarriesTheAnchor) {
    const struct {
        const char* Value;
        bool Group;
        int Anchor;
    } cases[] = {{"15", true, 7},
                 {"14", false, 7},
                 {"1", true, 0},
                 {"0", false, 0},
                 // damaged values stay inside the track
                 {"-3", true, 0},
                 {"99", true, 7}};
    for (const auto& c : cases) {
        std::unique_ptr<T_DESIGN> reread;
        std::string parts;
        for (int i = 0; i < 8; ++i)
            parts += "S\n0\n0\n";
        Load("T\n0\n0\n1\n0\n0\n0\n" + std::string(c.Value) + "\n8\n" + parts + "0\n", reread);
        EXPECT_EQ(reread->Tracks[0].Group, c.Group) << c.Value;
        EXPECT_EQ(reread->Tracks[0].Anchor, c.Anchor) << c.Value;
    }
}

TEST_F(DesignFileFixture, UnknownCodesAreSkippedAndTheLastOneIsReported) {
    std::unique_ptr<T_DESIGN> reread;
    const std::string message =
        Load("T\n0\n0\n1\n0\n0\n0\n0\n4\nS\n1\n0\nA\n0\n0\nB\n0\n0\nC\n2\n1\n0\n", reread);
    EXPECT_EQ(message, "Part number 'B' is unknown! SKIPPED!");
    const T_TRACK& track = reread->Tracks[0];
    ASSERT_EQ(track.PartCount, 2);
    EXPECT_EQ(track.Parts[0].Def, Lib.S);
    EXPECT_EQ(track.Parts[1].Def, Lib.C);
    EXPECT_EQ(track.Parts[1].Height, 2);
    EXPECT_EQ(track.Parts[1].Status, 1);
}

TEST_F(DesignFileFixture, CodesAreLookedUpInTheDesignsBrandOnly) {
    L_BRAND* twin = Lib.Library->AddBrand();
    twin->Name = "T";
    twin->AddPart()->Code = "ONLYTWIN";
    std::unique_ptr<T_DESIGN> reread;
    EXPECT_EQ(Load("T\n0\n0\n1\n0\n0\n0\n0\n1\nONLYTWIN\n0\n0\n0\n", reread),
              "Part number 'ONLYTWIN' is unknown! SKIPPED!");
    EXPECT_TRUE(reread->Tracks[0].HoldsOnlyEmptyPart());
}

// Nothing of what the design held before stays: no track, no drawing.
TEST_F(DesignFileFixture, UnknownBrandAndMissingFileLeaveAnEmptyDesign) {
    std::unique_ptr<T_DESIGN> reread;
    EXPECT_EQ(Load("NOSUCH\n0\n0\n1\n", reread), "Brand NOSUCH is unknown!");
    EXPECT_EQ(reread->TrackCount(), 0);
    EXPECT_EQ(reread->Brand, Lib.Brand);
    auto missing = Lib.NewDesign();
    missing->AllocateTrack();
    missing->FileName = Dir.File("none.tr3");
    Offset = {4, 5};
    Freehand->AddShape();
    EXPECT_EQ(LoadDesign(*missing, *Lib.Library, Offset, *Freehand),
              "Cannot open file " + Dir.File("none.tr3") + " !");
    EXPECT_EQ(missing->TrackCount(), 0);
    EXPECT_EQ(missing->FileName, Dir.File("none.tr3"));
    EXPECT_EQ(Offset.X, 4.0f);
    EXPECT_EQ(Freehand->ShapeCount, 0);
    Freehand->AddShape();
    auto unknown = Lib.NewDesign();
    unknown->FileName = Dir.File("d.tr3");
    EXPECT_EQ(LoadDesign(*unknown, *Lib.Library, Offset, *Freehand), "Brand NOSUCH is unknown!");
    EXPECT_EQ(Freehand->ShapeCount, 0);
}

TEST_F(DesignFileFixture, FreehandLayerTravelsWithTheDesign) {
    Design->AllocateTrack();
    F_SHAPE* shape = Freehand->AddShape();
    shape->Kind = SK_Polygon;
    shape->AddPoint(1, 1);
    shape->AddPoint(2, 2);
    const std::string text = Written();
    EXPECT_NE(text.find(CrLf({"# Freehand", "1", "# FREEHAND"})), std::string::npos);
    EXPECT_FALSE(Freehand->Changed);
    std::unique_ptr<T_DESIGN> reread;
    Load(text, reread);
    EXPECT_EQ(Freehand->ShapeCount, 1);
    EXPECT_EQ(Freehand->Shapes[0].Kind, SK_Polygon);
}

TEST_F(DesignFileFixture, ExcessTracksAndPartsAreReadPastAndDropped) {
    std::string text = "T\n1\n2\n34\n";
    for (int t = 0; t < 34; ++t) {
        const int parts = t == 0 ? 2003 : 1;
        text += std::to_string(t) + "\n0\n0\n0\n" + std::to_string(parts) + "\n";
        for (int p = 0; p < parts; ++p)
            text += std::string(p % 2 ? "C" : "S") + "\n" + std::to_string(t % 100) + "\n0\n";
    }
    text += "1\n1\n1\n0\n1\nafter\n5\n1\n0\n0\n";
    std::unique_ptr<T_DESIGN> reread;
    EXPECT_EQ(Load(text, reread), "");
    EXPECT_EQ(reread->TrackCount(), MAX_TRACKS);
    EXPECT_EQ(reread->Tracks[0].PartCount, MAX_TRACK_PARTS);
    EXPECT_EQ(reread->Tracks[1].Angle, 1);
    EXPECT_EQ(reread->Tracks[31].Angle, 31);
    EXPECT_EQ(reread->Tracks[31].Parts[0].Height, 31);
    ASSERT_EQ(Freehand->ShapeCount, 1);
    EXPECT_EQ(Freehand->Shapes[0].Text, "after");
}

TEST_F(DesignFileFixture, TruncatedAndDamagedFilesStayInBoundsAndAreReported) {
    std::unique_ptr<T_DESIGN> reread;
    const std::string damaged = DamagedMessage(Dir.File("d.tr3"));
    EXPECT_EQ(damaged, "File " + Dir.File("d.tr3") +
                           " is damaged or incomplete; what could be read is shown.");
    EXPECT_EQ(Load("T\n0\n0\n2000000000\n-5000\n", reread), damaged);
    EXPECT_EQ(reread->TrackCount(), 1);      // no track the file does not hold
    EXPECT_EQ(reread->Tracks[0].Angle, 760); // -5000 brought into 0..1439
    EXPECT_EQ(Load("T\n0\n0\n1\n0\n0\n0\n0\n2000000000\nS\n", reread), damaged);
    EXPECT_EQ(reread->Tracks[0].PartCount, 1);
    EXPECT_EQ(reread->Tracks[0].Parts[0].Def->Code, "S");
    EXPECT_EQ(Load("T\n0\n0\n", reread), damaged);
    EXPECT_EQ(reread->TrackCount(), 0);
}

TEST_F(DesignFileFixture, OnlyAWholeReadLetsTheDesignKeepItsFile) {
    std::unique_ptr<T_DESIGN> reread;
    const std::string whole =
        CrLf({"T", "0", "0", "1", "0", "0", "0", "0", "1", "S", "0", "0", "0"});
    const struct {
        std::string Content;
        bool Whole;
    } cases[] = {{whole, true},
                 {whole.substr(0, whole.size() - 8), false},
                 {CrLf({"UNKNOWN", "0", "0", "0", "0"}), false}};
    for (const auto& c : cases) {
        WriteFile(Dir.File("d.tr3"), c.Content);
        reread = Lib.NewDesign();
        reread->FileName = Dir.File("d.tr3");
        bool readWhole = !c.Whole;
        LoadDesign(*reread, *Lib.Library, Offset, *Freehand, &readWhole);
        EXPECT_EQ(readWhole, c.Whole) << c.Content;
    }
    reread->FileName = Dir.File("none.tr3");
    bool readWhole = true;
    LoadDesign(*reread, *Lib.Library, Offset, *Freehand, &readWhole);
    EXPECT_FALSE(readWhole);
}

TEST_F(DesignFileFixture, SaveWritesTheFileAndMarksTheDesignSaved) {
    Design->AllocateTrack();
    Design->FileName = Dir.File("saved.tr3");
    EXPECT_EQ(SaveDesign(*Design, Offset, *Freehand), "");
    EXPECT_FALSE(Design->IsModified());
    EXPECT_EQ(ReadFile(Dir.File("saved.tr3")), Written());
}

TEST_F(DesignFileFixture, FailedSaveKeepsTheOldFileAndTheDesignUnsaved) {
    Design->AllocateTrack();
    Freehand->AddShape()->AddPoint(0, 0);
    std::filesystem::create_directories(Dir.File("taken.tr3/inner"));
    Design->FileName = Dir.File("taken.tr3");
    EXPECT_EQ(SaveDesign(*Design, Offset, *Freehand),
              "Cannot write file " + Dir.File("taken.tr3") + " !");
    EXPECT_TRUE(Design->IsModified());
    EXPECT_TRUE(Freehand->Changed);
    EXPECT_TRUE(std::filesystem::is_directory(Dir.File("taken.tr3/inner")));
}
