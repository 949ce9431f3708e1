#include "TestLibrary.h"
#include "design/Undo.h"

#include <gtest/gtest.h>

// Deleting brands before the design's brand must leave the design, and every
// snapshot of its history, on the same brand and part definitions.
TEST(References, DesignAndSnapshotsSurviveDeletingOtherBrands) {
    TestLibrary lib;
    L_BRAND* later = lib.Library->AddBrand();
    later->Name = "LATER";
    auto design = lib.NewDesign();
    auto history = std::make_unique<T_UNDO>(&lib.EmptyDef);
    T_TRACK* track = design->AllocateTrack();
    Append(*track, {lib.S, lib.C});
    history->ResetUndo(*design);
    Append(*track, {lib.X});
    history->PushUndo(*design);

    ASSERT_TRUE(lib.Library->DeleteBrand(lib.Other));
    ASSERT_TRUE(lib.Library->DeleteBrand(later));
    L_BRAND* added = lib.Library->AddBrand(); // reuses freed storage
    added->Name = "NEW";
    added->AddPart()->Code = "S";

    ASSERT_EQ(lib.Library->Brands[0]->Name, "T");
    EXPECT_EQ(design->Brand, lib.Library->Brands[0]);
    EXPECT_EQ(track->Parts[0].Def->Code, "S");
    EXPECT_EQ(track->Parts[0].Def, &lib.Library->Brands[0]->Parts[0]);
    EXPECT_EQ(track->Parts[2].Def->Code, "X");
    ASSERT_TRUE(history->Undo(*design));
    EXPECT_EQ(design->Brand, lib.Brand);
    EXPECT_EQ(design->Brand->Name, "T");
    ASSERT_EQ(design->Tracks[0].PartCount, 2);
    EXPECT_EQ(design->Tracks[0].Parts[1].Def, lib.C);
    EXPECT_EQ(design->Tracks[0].Parts[1].Def->TravelLane2, 40.0f);
    ASSERT_TRUE(history->Redo(*design));
    EXPECT_EQ(design->Tracks[0].Parts[2].Def, lib.X);
}

// The editor may reorder and delete parts of other brands.
TEST(References, DesignSurvivesEditsOfAnotherBrandsParts) {
    TestLibrary lib;
    lib.Other->AddPart()->Code = "O2";
    auto design = lib.NewDesign();
    Append(*design->AllocateTrack(), {lib.C});
    lib.Other->MovePartDown(&lib.Other->Parts[0]);
    lib.Other->DeletePart(&lib.Other->Parts[0]);
    EXPECT_EQ(design->Tracks[0].Parts[0].Def, lib.C);
    EXPECT_EQ(lib.C->Code, "C");
}
