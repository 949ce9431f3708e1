#include "geometry/Placement.h"
#include "GeometryTestParts.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

struct PlacementFixture : ::testing::Test {
    L_PARTDEF EmptyDef;
    L_BRAND Brand;
    L_PARTDEF& S = Brand.Parts[0];
    L_PARTDEF& C = Brand.Parts[1];
    L_PARTDEF& X = Brand.Parts[2];
    std::unique_ptr<T_DESIGN> Design = std::make_unique<T_DESIGN>(&EmptyDef);
    std::unique_ptr<T_PLACEMENT> Placement = NewPlacement();
    P_VIEW View;

    PlacementFixture() {
        Brand.DefaultWidth = 10;
        Brand.PartCount = 3;
        S = Straight(10, 20);
        C = Curve(180, 30, 40);
        X = Straight(10, 20);
        X.CrossTrack = true;
        Design->SetDesignBrand(&Brand);
    }

    T_TRACK& Track(std::initializer_list<T_PART> parts) {
        T_TRACK& track = *Design->AllocateTrack();
        for (const T_PART& part : parts)
            *track.InsertAfter(nullptr) = part;
        return track;
    }

    void Place(T_TRACK& track) {
        Placement->Count = 0;
        PlaceTrack(*Placement, View, track);
    }
};

void ExpectSamePose(const T_PLACED& a, const T_PLACED& b) {
    EXPECT_NEAR(a.X, b.X, 1e-3);
    EXPECT_NEAR(a.Y, b.Y, 1e-3);
    EXPECT_EQ(a.Angle, b.Angle);
}

} // namespace

TEST_F(PlacementFixture, BackwardWalkMatchesForwardWalk) {
    T_TRACK& track =
        Track({PartOf(S), PartOf(C, PS_LEFT), PartOf(C), PartOf(S), PartOf(C, PS_LEFT), PartOf(S)});
    track.X = 12;
    track.Y = -7;
    track.Angle = 100;
    Place(track);
    std::array<T_PLACED, 6> forward;
    std::copy_n(Placement->Entries.begin(), 6, forward.begin());
    for (int k = 1; k < 6; ++k) {
        ASSERT_TRUE(ReAnchor(track, k, *Placement));
        EXPECT_EQ(track.Anchor, k);
        Place(track);
        for (int i = 0; i < 6; ++i) {
            SCOPED_TRACE(testing::Message() << "anchor " << k << " part " << i);
            ExpectSamePose(Placement->Entries[i], forward[i]);
            EXPECT_EQ(Placement->Entries[i].Anchor, i == k);
        }
    }
    EXPECT_FALSE(ReAnchor(track, 6, *Placement));
}

TEST_F(PlacementFixture, ViewScaleAndOriginApply) {
    T_TRACK& track = Track({PartOf(S), PartOf(S)});
    track.X = 5;
    track.Y = 5;
    View.Scale = 2;
    View.OriginX = 400;
    View.OriginY = 300;
    Place(track);
    EXPECT_FLOAT_EQ(Placement->Entries[0].X, 410);
    EXPECT_FLOAT_EQ(Placement->Entries[0].Y, 310);
    EXPECT_FLOAT_EQ(Placement->Entries[1].Y, 350);
}

TEST_F(PlacementFixture, CrossoverSwapsLaneColoursBothWays) {
    T_TRACK& track = Track({PartOf(S), PartOf(S), PartOf(X), PartOf(S), PartOf(S)});
    View.FirstLaneColor = RGB_RED;
    View.SecondLaneColor = RGB_GREEN;
    const struct {
        int Anchor;
        bool Swapped[5];
    } cases[] = {{0, {false, false, false, true, true}},
                 {4, {true, true, true, false, false}},
                 {2, {false, false, false, true, true}}};
    for (const auto& c : cases) {
        track.Anchor = c.Anchor;
        Place(track);
        for (int i = 0; i < 5; ++i) {
            const T_PLACED& entry = Placement->Entries[i];
            EXPECT_EQ(entry.FirstLaneColor, c.Swapped[i] ? RGB_GREEN : RGB_RED)
                << "anchor " << c.Anchor << " part " << i;
            EXPECT_EQ(entry.SecondLaneColor, c.Swapped[i] ? RGB_RED : RGB_GREEN);
        }
    }
}

TEST_F(PlacementFixture, SelectedRangeGetsTheSelectedColour) {
    T_TRACK& track = Track({PartOf(S), PartOf(S), PartOf(S), PartOf(S)});
    View.SelectedTrack = &track;
    View.SelectionFirst = 1;
    View.SelectionLast = 2;
    View.NormalColor = 0x123456;
    Place(track);
    EXPECT_EQ(Placement->Entries[0].FillColor, 0x123456u);
    EXPECT_EQ(Placement->Entries[1].FillColor, RGB_BLUE);
    EXPECT_EQ(Placement->Entries[2].FillColor, RGB_BLUE);
    EXPECT_EQ(Placement->Entries[3].FillColor, 0x123456u);
}

TEST_F(PlacementFixture, GroupMembersGetTheirLanePairs) {
    T_TRACK& t0 = Track({PartOf(S)});
    T_TRACK& t1 = Track({PartOf(S)});
    T_TRACK& t2 = Track({PartOf(S)});
    T_TRACK& t3 = Track({PartOf(S)});
    t0.Group = t2.Group = t3.Group = true;
    Placement->Count = 0;
    PlaceDesign(*Placement, View, *Design, true);
    const Rgb expected[4][2] = {
        {0xFF0000, 0xFFFFFF}, {0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFF00}, {0x00FF00, 0xFF00FF}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Placement->Entries[i].FirstLaneColor, expected[i][0]) << i;
        EXPECT_EQ(Placement->Entries[i].SecondLaneColor, expected[i][1]) << i;
    }
    (void)t1;
}

TEST_F(PlacementFixture, SixthGroupMemberRepeatsThePreviousPair) {
    for (int i = 0; i < 7; ++i)
        Track({PartOf(S)}).Group = i != 5; // slot 5 is an ordinary track
    PlaceDesign(*Placement, View, *Design, true);
    EXPECT_EQ(Placement->Entries[4].FirstLaneColor, 0x800000u); // member 5
    EXPECT_EQ(Placement->Entries[5].FirstLaneColor, RGB_RED);   // ordinary
    EXPECT_EQ(Placement->Entries[6].FirstLaneColor, RGB_RED);   // member 6: previous pair
    EXPECT_EQ(Placement->Entries[6].SecondLaneColor, RGB_GREEN);
}

TEST_F(PlacementFixture, LaneColoursOffAndMonochrome) {
    Track({PartOf(S)});
    PlaceDesign(*Placement, View, *Design, false);
    EXPECT_EQ(Placement->Entries[0].FirstLaneColor, RGB_SILVER);
    EXPECT_EQ(Placement->Entries[0].SecondLaneColor, RGB_SILVER);
    View.Printing = View.PrintMono = true;
    Placement->Count = 0;
    PlaceDesign(*Placement, View, *Design, true);
    EXPECT_EQ(Placement->Entries[0].FirstLaneColor, RGB_WHITE);
    View.Filled = false;
    Placement->Count = 0;
    PlaceDesign(*Placement, View, *Design, true);
    EXPECT_EQ(Placement->Entries[0].SecondLaneColor, RGB_BLACK);
}

TEST_F(PlacementFixture, DeletingTheAnchoredRangeKeepsTheRestInPlace) {
    T_TRACK& track =
        Track({PartOf(S), PartOf(C), PartOf(S), PartOf(C, PS_LEFT), PartOf(S), PartOf(C)});
    track.Angle = 200;
    track.Anchor = 3;
    Place(track);
    std::array<T_PLACED, 6> before;
    std::copy_n(Placement->Entries.begin(), 6, before.begin());
    ASSERT_TRUE(DeleteRangeInPlace(track, 2, 3, *Placement));
    ASSERT_EQ(track.PartCount, 4);
    Place(track);
    // Parts 4 and 5 stay where they were; parts 0 and 1 now lead up to them.
    ExpectSamePose(Placement->Entries[2], before[4]);
    ExpectSamePose(Placement->Entries[3], before[5]);
    Pose end = Placement->Entries[1].StartPose();
    AdvancePose(track.Parts[1], end.X, end.Y, end.Angle, 1.0f);
    EXPECT_NEAR(end.X, before[4].X, 1e-3);
    EXPECT_EQ(end.Angle, before[4].Angle);
}

TEST_F(PlacementFixture, DeletingTheTailKeepsTheHeadInPlace) {
    T_TRACK& track = Track({PartOf(S), PartOf(C), PartOf(S), PartOf(C)});
    track.Anchor = 3;
    Place(track);
    const T_PLACED first = Placement->Entries[0];
    ASSERT_TRUE(DeleteRangeInPlace(track, 2, 3, *Placement));
    Place(track);
    ExpectSamePose(Placement->Entries[0], first);
    EXPECT_FALSE(DeleteRangeInPlace(track, 1, 5, *Placement));
}

TEST_F(PlacementFixture, GroupTrackIsNotReanchoredByDeletion) {
    T_TRACK& track = Track({PartOf(S), PartOf(S), PartOf(S)});
    track.Group = true;
    track.Anchor = 1;
    track.X = 3;
    ASSERT_TRUE(DeleteRangeInPlace(track, 1, 1, *Placement));
    EXPECT_EQ(track.X, 3.0f);
    EXPECT_EQ(track.Anchor, 0);
}
