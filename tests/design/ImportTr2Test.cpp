#include "design/ImportTr2.h"
#include "TestFiles.h"
#include "TestLibrary.h"
#include "freehand/Freehand.h"

#include <gtest/gtest.h>

namespace {

struct ImportFixture : ::testing::Test {
    TestLibrary Lib;
    std::unique_ptr<T_DESIGN> Design = Lib.NewDesign();
    std::unique_ptr<F_FREEHAND> Freehand = std::make_unique<F_FREEHAND>();
    TempDir Dir;

    std::string Import(const std::string& content) {
        WriteFile(Dir.File("old.tr2"), content);
        return ImportTr2(*Design, *Freehand, Dir.File("old.tr2"));
    }
};

} // namespace

TEST_F(ImportFixture, RoomBecomesAGreenRectangleInCentimetres) {
    EXPECT_EQ(Import("120\n60\n0\n"), "");
    ASSERT_EQ(Freehand->ShapeCount, 1);
    const F_SHAPE& room = Freehand->Shapes[0];
    EXPECT_EQ(room.Kind, SK_Rectangle);
    EXPECT_EQ(room.Color, 32768);
    EXPECT_EQ(room.PenWidth, 2);
    EXPECT_FLOAT_EQ(room.Points[0].X, -152.4f);
    EXPECT_FLOAT_EQ(room.Points[0].Y, -76.2f);
    EXPECT_FLOAT_EQ(room.Points[1].X, 152.4f);
    EXPECT_FLOAT_EQ(room.Points[1].Y, 76.2f);
    EXPECT_EQ(Design->TrackCount(), 0);
}

TEST_F(ImportFixture, DrawingsBecomePolylinesAndTexts) {
    EXPECT_EQ(Import("10\n10\n1\n1\n256\n-512\n2\n0\n0\n512\n256\n1\n0\n0\nHello world\n14\n"), "");
    ASSERT_EQ(Freehand->ShapeCount, 3);
    const F_SHAPE& line = Freehand->Shapes[1];
    EXPECT_EQ(line.Kind, SK_Polyline);
    EXPECT_EQ(line.Color, 0);
    ASSERT_EQ(line.PointCount, 3);
    EXPECT_FLOAT_EQ(line.Points[0].X, 2.54f);
    EXPECT_FLOAT_EQ(line.Points[0].Y, -5.08f);
    EXPECT_FLOAT_EQ(line.Points[2].X, 5.08f);
    const F_SHAPE& text = Freehand->Shapes[2];
    EXPECT_EQ(text.Kind, SK_Text);
    EXPECT_EQ(text.Text, "Hello world");
    EXPECT_EQ(text.TextSize, 14);
    EXPECT_EQ(text.PointCount, 1);
}

TEST_F(ImportFixture, TracksFillSlotsInFileOrder) {
    EXPECT_EQ(Import("10\n10\n0\n2\n360\n256\n-512\n1\nS L 3\nC R -1\n0\n1\n5\n0\n0\n0\nC\n"), "");
    ASSERT_EQ(Design->TrackCount(), 2);
    const T_TRACK& first = Design->Tracks[0];
    EXPECT_EQ(first.Angle, 360);
    EXPECT_FLOAT_EQ(first.X, 2.54f);
    EXPECT_FLOAT_EQ(first.Y, -5.08f);
    EXPECT_TRUE(first.Group);
    EXPECT_EQ(first.Anchor, 0);
    ASSERT_EQ(first.PartCount, 2);
    EXPECT_EQ(first.Parts[0].Def, Lib.S);
    EXPECT_EQ(first.Parts[0].Status, PS_LEFT);
    EXPECT_EQ(first.Parts[0].Height, 3);
    EXPECT_EQ(first.Parts[1].Status, PS_RIGHT);
    EXPECT_EQ(first.Parts[1].Height, -1);
    const T_TRACK& second = Design->Tracks[1];
    EXPECT_EQ(second.Angle, 5);
    EXPECT_FALSE(second.Group);
    EXPECT_EQ(second.Parts[0].Status, 0);
    EXPECT_EQ(second.Parts[0].Height, 0);
    EXPECT_FALSE(Design->IsModified());
}

TEST(Tr2PartLine, SplitsLikeScanf) {
    const struct {
        const char* Line;
        const char* Code;
        char Direction;
        int Height;
    } cases[] = {{"S L 3", "S", 'L', 3},        {"C R -1", "C", 'R', -1}, {"C", "C", 0, 0},
                 {"  X   x  12", "X", 'x', 12}, {"P R", "P", 'R', 0},     {"", "", 0, 0},
                 {"P - 7", "P", '-', 7},        {"Q L abc", "Q", 'L', 0}};
    for (const auto& c : cases) {
        const Tr2PartLine line = SplitTr2PartLine(c.Line);
        EXPECT_EQ(line.Code, c.Code) << c.Line;
        EXPECT_EQ(line.Direction, c.Direction) << c.Line;
        EXPECT_EQ(line.Height, c.Height) << c.Line;
    }
}

TEST_F(ImportFixture, OneUnknownCodeRejectsTheWholeFile) {
    EXPECT_EQ(Import("10\n10\n0\n1\n0\n0\n0\n0\nS\n2\n0\n0\n0\n0\nS\nNOPE L 1\n"),
              "Part number NOPE is unknown in current active brand! I think you are using a "
              "brand that does not match the .TR2 file!");
    EXPECT_EQ(Design->TrackCount(), 0);
    EXPECT_EQ(Freehand->ShapeCount, 0);
}

TEST_F(ImportFixture, MissingFile) {
    Design->AllocateTrack();
    Freehand->AddShape();
    EXPECT_EQ(ImportTr2(*Design, *Freehand, Dir.File("none.tr2")),
              "Cannot open file " + Dir.File("none.tr2") + " !");
    EXPECT_EQ(Design->TrackCount(), 0);
    EXPECT_EQ(Freehand->ShapeCount, 0);
    EXPECT_EQ(Design->Brand, Lib.Brand);
}

TEST_F(ImportFixture, ExcessTracksShapesAndPointsAreDropped) {
    std::string text = "10\n10\n1\n130\n";
    for (int i = 0; i < 130; ++i)
        text += "0\n0\n" + std::string(i == 0 ? "40" : "0") + "\n" +
                std::string(i == 0 ? std::string(80, '\n') : "");
    text += "0\n";
    for (int t = 0; t < 34; ++t)
        text += "1\n" + std::to_string(t) + "\n0\n0\n0\nS\n";
    EXPECT_EQ(Import(text), "");
    EXPECT_EQ(Freehand->ShapeCount, MAX_SHAPES);
    EXPECT_EQ(Freehand->Shapes[1].PointCount, MAX_POINTS);
    EXPECT_EQ(Design->TrackCount(), MAX_TRACKS);
    EXPECT_EQ(Design->Tracks[31].Angle, 31);
}
