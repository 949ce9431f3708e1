#include "TestLibrary.h"

#include <gtest/gtest.h>

TEST(Design, ClearedDesignIsEmptyAndSaved) {
    TestLibrary lib;
    auto design = lib.NewDesign();
    design->AllocateTrack();
    design->ClearDesign();
    EXPECT_FALSE(design->IsModified());
    EXPECT_EQ(design->TrackCount(), 0);
    EXPECT_EQ(design->Brand, lib.Brand);
}

TEST(Design, FreeingATrackLeavesTheDesignUnsaved) {
    TestLibrary lib;
    auto design = lib.NewDesign();
    T_TRACK* track = design->AllocateTrack();
    design->SetModified(false);
    EXPECT_TRUE(design->FreeTrack(track));
    EXPECT_EQ(design->TrackCount(), 0);
    EXPECT_TRUE(design->IsModified());
    T_TRACK stranger;
    EXPECT_FALSE(design->FreeTrack(&stranger));
}

TEST(Design, AllocationTakesTheLowestFreeSlotUpToTheLimit) {
    TestLibrary lib;
    auto design = lib.NewDesign();
    for (int i = 0; i < MAX_TRACKS; ++i)
        ASSERT_EQ(design->AllocateTrack(), &design->Tracks[i]);
    EXPECT_EQ(design->AllocateTrack(), nullptr);
    design->Tracks[5].X = 99;
    Append(design->Tracks[5], {lib.S});
    design->FreeTrack(&design->Tracks[5]);
    T_TRACK* reused = design->AllocateTrack();
    ASSERT_EQ(reused, &design->Tracks[5]);
    EXPECT_EQ(reused->X, 0.0f); // reset on allocation
    EXPECT_TRUE(reused->HoldsOnlyEmptyPart());
    EXPECT_TRUE(reused->Modified);
}

TEST(Design, EmptyPartTakesTheBrandsWidth) {
    TestLibrary lib;
    auto design = lib.NewDesign();
    EXPECT_EQ(lib.EmptyDef.Code, "XXXX");
    EXPECT_EQ(lib.EmptyDef.Description, "XXXX");
    EXPECT_EQ(lib.EmptyDef.Type, PT_None);
    EXPECT_EQ(lib.EmptyDef.StraightWidth, 10.0f);
    EXPECT_EQ(lib.EmptyDef.StraightLength, 10.0f);
}

TEST(Design, GroupedTracksTurnTogetherSideBySide) {
    TestLibrary lib;
    auto design = lib.NewDesign();
    for (int i = 0; i < 8; ++i)
        design->AllocateTrack();
    for (int slot : {1, 4, 7})
        design->Tracks[slot].Group = true;
    design->Tracks[1].X = 5;
    design->Tracks[1].Y = 6;
    design->SetModified(false);
    design->SetTrackAngle(&design->Tracks[4], 360);
    EXPECT_NEAR(design->Tracks[1].X, 5, 1e-5);
    EXPECT_NEAR(design->Tracks[1].Y, 6, 1e-5);
    EXPECT_NEAR(design->Tracks[4].X, 5, 1e-5);
    EXPECT_NEAR(design->Tracks[4].Y, 16, 1e-5);
    EXPECT_NEAR(design->Tracks[7].X, 5, 1e-5);
    EXPECT_NEAR(design->Tracks[7].Y, 26, 1e-5);
    for (int slot : {1, 4, 7})
        EXPECT_EQ(design->Tracks[slot].Angle, 360);
    EXPECT_EQ(design->Tracks[0].Angle, 0);
    EXPECT_TRUE(design->Tracks[4].Modified);
    EXPECT_FALSE(design->Tracks[1].Modified); // only the given track
    EXPECT_EQ(design->FirstGroupTrack(), &design->Tracks[1]);
}

TEST(Design, LaneSwapExchangesTheLaterPartsTravel) {
    TestLibrary lib;
    auto design = lib.NewDesign();
    T_TRACK* track = design->AllocateTrack();
    Append(*track, {lib.X});
    Append(*track, {lib.C}, PS_LEFT);
    design->ComputeTrackStats(true, nullptr, -1, -1);
    EXPECT_FLOAT_EQ(track->Lane1Total, 40);
    EXPECT_FLOAT_EQ(track->Lane2Total, 50);
    EXPECT_EQ(track->LeftCount, 1);
    EXPECT_EQ(track->RightCount, 0);
}

TEST(Design, StatsOfTheSelectedTrackCoverOnlyItsSelection) {
    TestLibrary lib;
    auto design = lib.NewDesign();
    T_TRACK* selected = design->AllocateTrack();
    Append(*selected, {lib.S, lib.C, lib.C, lib.S}, PS_RIGHT);
    T_TRACK* other = design->AllocateTrack();
    Append(*other, {lib.S, lib.S});
    design->ComputeTrackStats(false, selected, 1, 2);
    EXPECT_FLOAT_EQ(selected->Lane1Total, 60);
    EXPECT_FLOAT_EQ(selected->Lane2Total, 80);
    EXPECT_EQ(selected->RightCount, 2);
    EXPECT_FLOAT_EQ(other->Lane1Total, 20);
    design->ComputeTrackStats(true, selected, 1, 2);
    EXPECT_FLOAT_EQ(selected->Lane1Total, 80);
    EXPECT_EQ(selected->RightCount, 4);
}

TEST(Design, CountUsesCountsTheEmptyPartToo) {
    TestLibrary lib;
    auto design = lib.NewDesign();
    design->AllocateTrack();
    T_TRACK* track = design->AllocateTrack();
    Append(*track, {lib.S, lib.S, lib.C});
    lib.EmptyDef.Used = lib.S->Used = lib.C->Used = lib.X->Used = 0;
    design->CountUses();
    EXPECT_EQ(lib.EmptyDef.Used, 1);
    EXPECT_EQ(lib.S->Used, 2);
    EXPECT_EQ(lib.C->Used, 1);
    EXPECT_EQ(lib.X->Used, 0);
}

TEST(Design, FindTrackOfPartByIdentity) {
    TestLibrary lib;
    auto design = lib.NewDesign();
    design->AllocateTrack();
    T_TRACK* second = design->AllocateTrack();
    Append(*second, {lib.S, lib.C});
    EXPECT_EQ(design->FindTrackOfPart(&second->Parts[1]), second);
    EXPECT_EQ(design->FindTrackOfPart(&second->Parts[2]), nullptr); // beyond its count
    T_PART loose;
    EXPECT_EQ(design->FindTrackOfPart(&loose), nullptr);
}
