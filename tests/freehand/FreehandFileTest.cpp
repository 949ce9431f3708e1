#include "TestFiles.h"
#include "base/TextReader.h"
#include "base/TextWriter.h"
#include "freehand/Freehand.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<F_FREEHAND> ReadSection(const std::string& content, bool* whole = nullptr) {
    TempDir dir;
    WriteFile(dir.File("f"), content);
    TextReader in(dir.File("f"));
    auto layer = std::make_unique<F_FREEHAND>();
    const bool complete = layer->ReadFreehandSection(in);
    if (whole)
        *whole = complete;
    return layer;
}

} // namespace

TEST(FreehandFile, TextShapeHasTextLinesAndPolylineHasNot) {
    auto layer = std::make_unique<F_FREEHAND>();
    F_SHAPE* text = layer->AddShape();
    text->Kind = SK_Text;
    text->Color = 32768;
    text->Text = "Start";
    text->TextSize = 12;
    text->AddPoint(1.5f, -2);
    F_SHAPE* line = layer->AddShape();
    line->Kind = SK_Polyline;
    line->PenWidth = 2;
    line->AddPoint(0, 0);
    line->AddPoint(10, 0);
    TextWriter out;
    layer->WriteFreehandSection(out);
    EXPECT_FALSE(layer->Changed);
    EXPECT_EQ(out.Content(), CrLf({"# FREEHAND",  "#",         "# Number of SHAPES",
                                   "2",           "# Shape",   "1",
                                   "# Color",     "32768",     "# Penwidth",
                                   "1",           "# Text",    "Start",
                                   "# Text size", "12",        "# Num of points",
                                   "1",           "# x",       "1.500000",
                                   "# y",         "-2.000000", "# Shape",
                                   "2",           "# Color",   "0",
                                   "# Penwidth",  "2",         "# Num of points",
                                   "2",           "# x",       "0.000000",
                                   "# y",         "0.000000",  "# x",
                                   "10.000000",   "# y",       "0.000000"}));
}

TEST(FreehandFile, RoundTripGivesTheSameLayerUnchanged) {
    auto layer = std::make_unique<F_FREEHAND>();
    F_SHAPE* shape = layer->AddShape();
    shape->Kind = SK_Text;
    shape->Text = std::string(128, 'T'); // longer than any fixed line buffer
    shape->TextSize = 10;
    shape->AddPoint(3, 4);
    shape = layer->AddShape();
    shape->Kind = SK_FilledRectangle;
    shape->Color = 255;
    shape->AddPoint(-1, -1);
    shape->AddPoint(1, 1);
    TextWriter out;
    layer->WriteFreehandSection(out);
    out.Int(77); // a value after the section stays in step
    TempDir dir;
    WriteFile(dir.File("f"), out.Content());
    TextReader in(dir.File("f"));
    auto copy = std::make_unique<F_FREEHAND>();
    copy->Changed = true;
    copy->ReadFreehandSection(in);
    EXPECT_FALSE(copy->Changed);
    ASSERT_EQ(copy->ShapeCount, 2);
    EXPECT_EQ(copy->Shapes[0].Text, layer->Shapes[0].Text);
    EXPECT_EQ(copy->Shapes[0].TextSize, 10);
    EXPECT_EQ(copy->Shapes[1].Kind, SK_FilledRectangle);
    EXPECT_EQ(copy->Shapes[1].Color, 255);
    EXPECT_EQ(copy->Shapes[1].Points[1].X, 1.0f);
    EXPECT_EQ(in.ReadInt(), 77);
}

TEST(FreehandFile, ReadLayerIsUnchangedUntilAShapeIsAdded) {
    auto layer = ReadSection(CrLf({"1", "2", "0", "1", "0"}));
    EXPECT_FALSE(layer->Changed);
    layer->AddShape();
    EXPECT_TRUE(layer->Changed);
    layer->DeleteShape(&layer->Shapes[1]);
    EXPECT_TRUE(layer->Changed);
}

TEST(FreehandFile, ExcessShapesAndPointsAreReadPastAndDropped) {
    std::string content = "130\n";
    for (int i = 0; i < 130; ++i) {
        content += "2\n0\n1\n";
        const int points = i == 0 ? 34 : 1;
        content += std::to_string(points) + "\n";
        for (int p = 0; p < points; ++p)
            content += std::to_string(i) + "\n" + std::to_string(p) + "\n";
    }
    content += "4242\n";
    TempDir dir;
    WriteFile(dir.File("f"), content);
    TextReader in(dir.File("f"));
    auto layer = std::make_unique<F_FREEHAND>();
    layer->ReadFreehandSection(in);
    EXPECT_EQ(layer->ShapeCount, MAX_SHAPES);
    EXPECT_EQ(layer->Shapes[0].PointCount, MAX_POINTS);
    EXPECT_EQ(layer->Shapes[1].Points[0].X, 1.0f);
    EXPECT_EQ(layer->Shapes[127].Points[0].X, 127.0f);
    EXPECT_EQ(in.ReadInt(), 4242);
}

TEST(FreehandFile, TruncatedSectionKeepsOnlyWhatIsThere) {
    bool whole = true;
    auto layer = ReadSection("3\n2\n255\n", &whole);
    EXPECT_FALSE(whole);
    ASSERT_EQ(layer->ShapeCount, 1); // the two shapes the file lacks are not made up
    EXPECT_EQ(layer->Shapes[0].Kind, SK_Polyline);
    EXPECT_EQ(layer->Shapes[0].Color, 255);
    EXPECT_EQ(layer->Shapes[0].PenWidth, 0);
    auto points = ReadSection("1\n2\n0\n1\n5\n1\n2\n", &whole);
    EXPECT_FALSE(whole);
    EXPECT_EQ(points->Shapes[0].PointCount, 1);
    ReadSection(CrLf({"1", "2", "0", "1", "1", "3", "4"}), &whole);
    EXPECT_TRUE(whole);
}

TEST(FreehandFile, HugeAndNegativeCountsDoNotRunAway) {
    bool whole = true;
    auto huge = ReadSection("2000000000\n1\n0\n1\nhello\n9\n1\n4\n5\n", &whole);
    EXPECT_EQ(huge->ShapeCount, 1);
    EXPECT_EQ(huge->Shapes[0].Text, "hello");
    EXPECT_FALSE(whole);
    auto negative = ReadSection("-5\n", &whole);
    EXPECT_EQ(negative->ShapeCount, 0);
    EXPECT_TRUE(whole);
    auto points = ReadSection("1\n2\n0\n1\n-3\n");
    EXPECT_EQ(points->Shapes[0].PointCount, 0);
}
