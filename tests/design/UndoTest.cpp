#include "design/Undo.h"
#include "TestLibrary.h"

#include <gtest/gtest.h>

namespace {

struct UndoFixture : ::testing::Test {
    TestLibrary Lib;
    std::unique_ptr<T_DESIGN> Design = Lib.NewDesign();
    std::unique_ptr<T_UNDO> History = std::make_unique<T_UNDO>(&Lib.EmptyDef);

    // An edit that leaves its number in the design: n tracks in use.
    void EditTo(int n) {
        Design->ClearDesign();
        for (int i = 0; i < n; ++i)
            Design->AllocateTrack();
        History->PushUndo(*Design);
    }
};

} // namespace

TEST_F(UndoFixture, ResetDisablesBothAndUndoThenDoesNothing) {
    Design->AllocateTrack();
    History->ResetUndo(*Design);
    EXPECT_FALSE(History->UndoEnabled());
    EXPECT_FALSE(History->RedoEnabled());
    EXPECT_FALSE(History->Undo(*Design));
    EXPECT_EQ(Design->TrackCount(), 1);
    EXPECT_FALSE(History->UndoEnabled());
    EXPECT_FALSE(History->RedoEnabled());
}

TEST_F(UndoFixture, TwelvePushesAllowNineUndos) {
    History->ResetUndo(*Design);
    for (int n = 1; n <= 12; ++n)
        EditTo(n);
    for (int n = 11; n >= 3; --n) {
        ASSERT_TRUE(History->Undo(*Design));
        EXPECT_EQ(Design->TrackCount(), n);
    }
    EXPECT_FALSE(History->UndoEnabled());
    EXPECT_FALSE(History->Undo(*Design));
    EXPECT_EQ(Design->TrackCount(), 3);
    for (int n = 4; n <= 12; ++n) {
        ASSERT_TRUE(History->Redo(*Design));
        EXPECT_EQ(Design->TrackCount(), n);
    }
    EXPECT_FALSE(History->Redo(*Design));
}

TEST_F(UndoFixture, PushAfterUndoDiscardsRedo) {
    History->ResetUndo(*Design);
    EditTo(1);
    EditTo(2);
    History->Undo(*Design);
    EXPECT_TRUE(History->RedoEnabled());
    EditTo(5);
    EXPECT_FALSE(History->RedoEnabled());
    EXPECT_TRUE(History->UndoEnabled());
    EXPECT_FALSE(History->Redo(*Design));
    EXPECT_EQ(Design->TrackCount(), 5);
    History->Undo(*Design);
    EXPECT_EQ(Design->TrackCount(), 1);
}

TEST_F(UndoFixture, RestoresFileNameAndSavedState) {
    Design->FileName = "saved.tr3";
    Design->AllocateTrack();
    Design->SetModified(false);
    History->ResetUndo(*Design);
    Design->FileName = "other.tr3";
    Append(Design->Tracks[0], {Lib.S});
    History->PushUndo(*Design);
    EXPECT_TRUE(Design->IsModified());
    History->Undo(*Design);
    EXPECT_EQ(Design->FileName, "saved.tr3");
    EXPECT_FALSE(Design->IsModified());
    EXPECT_TRUE(Design->Tracks[0].HoldsOnlyEmptyPart());
}

// A change that records no step of its own (a quick turn) is undone with the
// edit before it, and a redo brings both back.
TEST_F(UndoFixture, RedoBringsBackWhatChangedSinceTheLastRecord) {
    History->ResetUndo(*Design);
    EditTo(1);
    Design->SetTrackAngle(&Design->Tracks[0], 720);
    ASSERT_TRUE(History->Undo(*Design));
    EXPECT_EQ(Design->TrackCount(), 0);
    ASSERT_TRUE(History->Redo(*Design));
    EXPECT_EQ(Design->TrackCount(), 1);
    EXPECT_EQ(Design->Tracks[0].Angle, 720);
}

// Before any reset the history starts from an empty design, as it always did.
TEST_F(UndoFixture, UndoBeforeAnyResetGoesBackToAnEmptyDesign) {
    EditTo(3);
    ASSERT_TRUE(History->Undo(*Design));
    EXPECT_EQ(Design->TrackCount(), 0);
    ASSERT_TRUE(History->Redo(*Design));
    EXPECT_EQ(Design->TrackCount(), 3);
}
