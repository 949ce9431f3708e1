#include "TestFiles.h"
#include "base/TextWriter.h"
#include "room/Room.h"

#include <gtest/gtest.h>
#include <memory>

TEST(RoomFile, EmptyRoomLayout) {
    auto room = std::make_unique<T_ROOM>();
    TextWriter out;
    WriteRoom(*room, ViewOffset{1.5f, -2}, out);
    EXPECT_EQ(out.Content(), CrLf({"# VIRELDO Room File", "#", "# Xoffset", "1.500000", "# Yoffset",
                                   "-2.000000", "# NO FREEHAND ROOM", "0"}));
}

TEST(RoomFile, SaveAndLoadRestoreOffsetAndShapes) {
    TempDir dir;
    auto room = std::make_unique<T_ROOM>();
    room->RoomFileName = dir.File("r.rm3");
    F_SHAPE* outline = room->Layer.AddShape();
    outline->Kind = SK_FilledRectangle;
    outline->Color = 32768;
    outline->AddPoint(-200, -150);
    outline->AddPoint(200, 150);
    ASSERT_TRUE(SaveRoom(*room, ViewOffset{10, 20}));
    EXPECT_FALSE(room->Layer.Changed);
    EXPECT_NE(ReadFile(dir.File("r.rm3")).find(CrLf({"# FREEHAND ROOM", "1", "# FREEHAND"})),
              std::string::npos);

    auto reread = std::make_unique<T_ROOM>();
    reread->RoomFileName = dir.File("r.rm3");
    ViewOffset offset;
    LoadRoom(*reread, offset);
    EXPECT_EQ(offset.X, 10.0f);
    EXPECT_EQ(offset.Y, 20.0f);
    ASSERT_EQ(reread->Layer.ShapeCount, 1);
    EXPECT_EQ(reread->Layer.Shapes[0].Points[1].Y, 150.0f);
    EXPECT_FALSE(reread->Layer.Changed);
}

TEST(RoomFile, RoomWhoseLastShapeWasDeletedIsSavedEmptyAndUnchanged) {
    TempDir dir;
    auto room = std::make_unique<T_ROOM>();
    room->RoomFileName = dir.File("r.rm3");
    room->Layer.AddShape();
    room->Layer.DeleteShape(&room->Layer.Shapes[0]);
    ASSERT_TRUE(room->Layer.Changed);
    ASSERT_TRUE(SaveRoom(*room, ViewOffset{}));
    EXPECT_FALSE(room->Layer.Changed);
    EXPECT_NE(ReadFile(dir.File("r.rm3")).find("# NO FREEHAND ROOM"), std::string::npos);
}

TEST(RoomFile, MissingFileLeavesAnEmptyRoomUnderThatName) {
    auto room = std::make_unique<T_ROOM>();
    room->Layer.AddShape();
    room->RoomFileName = "/nonexistent/r.rm3";
    ViewOffset offset{3, 4};
    LoadRoom(*room, offset);
    EXPECT_EQ(room->RoomFileName, "/nonexistent/r.rm3");
    EXPECT_EQ(room->Layer.ShapeCount, 0);
    EXPECT_FALSE(room->Layer.Changed);
    EXPECT_EQ(offset.X, 3.0f);
}

TEST(RoomFile, UnwritableRoomStaysChanged) {
    auto room = std::make_unique<T_ROOM>();
    room->Layer.AddShape();
    room->RoomFileName = "/nonexistent/r.rm3";
    EXPECT_FALSE(SaveRoom(*room, ViewOffset{}));
    EXPECT_TRUE(room->Layer.Changed);
}

TEST(RoomFile, ResetRoomForgetsNameAndShapes) {
    auto room = std::make_unique<T_ROOM>();
    room->RoomFileName = "x.rm3";
    room->Layer.AddShape();
    ResetRoom(*room);
    EXPECT_EQ(room->RoomFileName, "untitled.rm3");
    EXPECT_EQ(room->Layer.ShapeCount, 0);
    EXPECT_FALSE(room->Layer.Changed);
}
