#include "TestLibrary.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// The track's parts as codes, "*" marking the anchor.
std::string Codes(const T_TRACK& track) {
    std::string codes;
    for (int i = 0; i < track.PartCount; ++i)
        codes += (i == track.Anchor ? "*" : "") + track.Parts[i].Def->Code + " ";
    return codes;
}

struct TrackFixture : ::testing::Test {
    TestLibrary Lib;
    std::unique_ptr<T_DESIGN> Design = Lib.NewDesign();
    T_TRACK& Track = *Design->AllocateTrack();
    L_PARTDEF* A = Lib.Part("A", PT_Straight, 0, 0, false);
    L_PARTDEF* B = Lib.Part("B", PT_Straight, 0, 0, false);
    L_PARTDEF* D = Lib.Part("D", PT_Straight, 0, 0, false);
};

} // namespace

TEST_F(TrackFixture, FirstInsertReplacesTheEmptyPart) {
    EXPECT_TRUE(Track.HoldsOnlyEmptyPart());
    Track.InsertAfter(&Track.Parts[0])->Def = A;
    EXPECT_EQ(Codes(Track), "*A ");
    EXPECT_TRUE(Track.DeleteRange(0, 0));
    EXPECT_TRUE(Track.HoldsOnlyEmptyPart());
    EXPECT_EQ(Track.Parts[0].Height, 0);
    Track.InsertBefore(nullptr)->Def = B;
    EXPECT_EQ(Codes(Track), "*B ");
}

TEST_F(TrackFixture, InsertAfterAndBeforeKeepTheAnchorOnItsPart) {
    Append(Track, {A, B, D});
    Track.Anchor = 1;                                // B
    Track.InsertAfter(&Track.Parts[0])->Def = Lib.S; // before the anchor
    EXPECT_EQ(Codes(Track), "A S *B D ");
    Track.InsertAfter(&Track.Parts[2])->Def = Lib.C; // after the anchor itself
    EXPECT_EQ(Codes(Track), "A S *B C D ");
    Track.InsertBefore(&Track.Parts[2])->Def = Lib.X; // before the anchor
    EXPECT_EQ(Codes(Track), "A S X *B C D ");
    Track.InsertBefore(&Track.Parts[4])->Def = Lib.S; // after it
    EXPECT_EQ(Codes(Track), "A S X *B S C D ");
    Track.InsertBefore(nullptr)->Def = Lib.C;
    EXPECT_EQ(Codes(Track), "C A S X *B S C D ");
    Track.InsertAfter(nullptr)->Def = Lib.X;
    EXPECT_EQ(Codes(Track), "C A S X *B S C D X ");
    T_PART loose;
    EXPECT_EQ(Track.InsertAfter(&loose), nullptr);
    EXPECT_EQ(Track.InsertBefore(&loose), nullptr);
    EXPECT_EQ(Track.PartCount, 9);
}

TEST_F(TrackFixture, InsertCopyTakesHeightStatusAndDefinition) {
    Append(Track, {A, B});
    Track.Parts[1].Height = -3;
    Track.Parts[1].Status = PS_RIGHT | PS_OUTER_BORDER;
    T_PART* copy = Track.InsertCopyBefore(&Track.Parts[0], Track.Parts[1]);
    EXPECT_EQ(copy->Def, B);
    EXPECT_EQ(copy->Height, -3);
    EXPECT_EQ(copy->Status, PS_RIGHT | PS_OUTER_BORDER);
    copy = Track.InsertCopyAfter(&Track.Parts[2], Track.Parts[0]);
    EXPECT_EQ(Codes(Track), "B *A B B ");
}

TEST_F(TrackFixture, FullTrackRefusesAndStaysUnchanged) {
    for (int i = 0; i < MAX_TRACK_PARTS; ++i) {
        T_PART* part = Track.InsertAfter(nullptr);
        ASSERT_NE(part, nullptr);
        part->Def = A;
    }
    Track.Modified = false;
    EXPECT_EQ(Track.InsertAfter(nullptr), nullptr);
    EXPECT_EQ(Track.InsertBefore(&Track.Parts[3]), nullptr);
    EXPECT_EQ(Track.InsertCopyAfter(nullptr, Track.Parts[0]), nullptr);
    EXPECT_EQ(Track.PartCount, MAX_TRACK_PARTS);
    EXPECT_FALSE(Track.Modified);
}

TEST_F(TrackFixture, DeleteRangeMovesTheAnchor) {
    const struct {
        int Anchor, First, Last;
        const char* After;
    } cases[] = {
        {0, 2, 3, "*A B S "}, {4, 1, 2, "A D *S "}, {2, 1, 3, "*A S "},
        {2, 0, 1, "*C D S "}, {1, 0, 4, "*XXXX "},  {3, 3, 3, "A B *C S "},
    };
    for (const auto& c : cases) {
        Track.Initialise(&Lib.EmptyDef);
        Append(Track, {A, B, Lib.C, D, Lib.S});
        Track.Anchor = c.Anchor;
        EXPECT_TRUE(Track.DeleteRange(c.First, c.Last));
        EXPECT_EQ(Codes(Track), c.After) << c.Anchor << " " << c.First << ".." << c.Last;
    }
}

TEST_F(TrackFixture, DeleteRangeRefusesIndicesOutsideTheTrack) {
    Append(Track, {A, B});
    Track.Modified = false;
    EXPECT_FALSE(Track.DeleteRange(-1, 1));
    EXPECT_FALSE(Track.DeleteRange(0, -1));
    EXPECT_FALSE(Track.DeleteRange(1, 2));
    EXPECT_FALSE(Track.DeleteRange(1, 0));
    EXPECT_EQ(Codes(Track), "*A B ");
    EXPECT_FALSE(Track.Modified);
}

TEST_F(TrackFixture, HeightsWrapInEightBits) {
    Append(Track, {A, B, D});
    Track.Parts[0].Height = 127;
    Track.Parts[2].Height = -128;
    EXPECT_TRUE(Track.ChangeHeight(0, 1, +1));
    EXPECT_EQ(Track.Parts[0].Height, -128);
    EXPECT_EQ(Track.Parts[1].Height, 1);
    EXPECT_TRUE(Track.ChangeHeight(2, 2, -1));
    EXPECT_EQ(Track.Parts[2].Height, 127);
    EXPECT_FALSE(Track.ChangeHeight(-1, 2, 1));
}

TEST(MirrorPart, ExchangesLeftAndRight) {
    const struct {
        uint8_t Before, After;
    } cases[] = {{0, 0},
                 {PS_LEFT, PS_RIGHT},
                 {PS_RIGHT, PS_LEFT},
                 {PS_LEFT | PS_RIGHT, PS_RIGHT},
                 {PS_LEFT | PS_INNER_BORDER, PS_RIGHT | PS_INNER_BORDER},
                 {PS_OUTER_BORDER, PS_OUTER_BORDER}};
    for (const auto& c : cases) {
        T_PART part{0, c.Before, nullptr};
        MirrorPart(part);
        EXPECT_EQ(part.Status, c.After) << int(c.Before);
    }
}
