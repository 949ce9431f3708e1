#include "check/LoopCloser.h"
#include "defs/DefinitionsFile.h"
#include "defs/StockFile.h"
#include "design/DesignFile.h"
#include "design/TestLibrary.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

const std::string CHECK_DIR = std::string(VIRELDO_FIXTURES) + "checkdir/";

// The MINI system of the fixture folder: a 35 cm straight and a 90 degree curve.
struct MiniFixture : ::testing::Test {
    std::unique_ptr<L_DEFINITIONS> Library = std::make_unique<L_DEFINITIONS>();
    L_PARTDEF EmptyDef;
    std::unique_ptr<T_DESIGN> Design;

    MiniFixture() {
        FillAngleTable();
        LoadDefinitions(*Library, CHECK_DIR);
        LoadStock(*Library, CHECK_DIR);
        Design = std::make_unique<T_DESIGN>(&EmptyDef);
        Design->SetDesignBrand(Library->FindBrand("MINI"));
    }
    L_PARTDEF* Part(const char* code) { return Design->Brand->FindCode(code); }
    // A track of straights ("S") and right ("R") or left ("L") curves.
    T_TRACK& Lay(const std::string& pieces, float x = 0, float y = 0, QuarterDegrees angle = 0,
                 int8_t height = 0) {
        T_TRACK& track = *Design->AllocateTrack();
        track.X = x;
        track.Y = y;
        track.Angle = angle;
        for (char c : pieces) {
            const uint8_t status = c == 'R' ? PS_RIGHT : c == 'L' ? PS_LEFT : 0;
            track.InsertCopyAfter(nullptr, T_PART{height, status, Part(c == 'S' ? "S350" : "C90")});
        }
        return track;
    }
};

} // namespace

TEST_F(MiniFixture, AnOvalCloses) {
    Lay("SRRSRR");
    const CheckResult result = CheckDesign(*Design);
    ASSERT_EQ(result.Tracks.size(), 1u);
    EXPECT_TRUE(result.Tracks[0].Closed);
    EXPECT_LT(result.Tracks[0].GapMillimetres, 0.01f);
    EXPECT_TRUE(result.Overlaps.empty());
    EXPECT_TRUE(result.Shopping.empty());
    EXPECT_TRUE(result.Clean());
}

TEST_F(MiniFixture, AMissingStraightIsItsGapAndItsProposal) {
    Lay("RRSRR"); // the oval without its last straight
    const CheckResult result = CheckDesign(*Design);
    EXPECT_FALSE(result.Tracks[0].Closed);
    EXPECT_NEAR(result.Tracks[0].GapMillimetres, 350.0f, 0.05f);
    EXPECT_EQ(result.Tracks[0].HeadingDegrees, 0.0f);
    const std::vector<Proposal> proposals = ProposeClosings(*Design, 0);
    ASSERT_FALSE(proposals.empty());
    ASSERT_EQ(proposals[0].Pieces.size(), 1u);
    EXPECT_EQ(proposals[0].Pieces[0].Def, Part("S350"));
    EXPECT_LE(proposals.size(), 5u);
    for (size_t i = 1; i < proposals.size(); ++i)
        EXPECT_GE(proposals[i].Changes(), proposals[i - 1].Changes());
    EXPECT_LT(result.Tracks[0].AlongMillimetres, -349.9f); // the end is short of the start
    EXPECT_EQ(GapDirection(result.Tracks[0]), "350.0 mm short of the start");
    ASSERT_TRUE(ApplyProposal(Design->Tracks[0], proposals[0]));
    EXPECT_TRUE(CheckDesign(*Design).Tracks[0].Closed);
}

// A track that runs too far: the check says which way the gap points, and
// the closer takes the parts off that are too many.
TEST_F(MiniFixture, ATrackTooLongIsClosedByTakingPartsOff) {
    struct Case {
        const char* Pieces;
        const char* Removed; // the first proposal's
        const char* Direction;
    } cases[] = {
        {"SRRSRRS", "S", "350.0 mm past the start"},
        {"SRRSRRR", "R", ""}, // the end lies beside the start, turned
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Pieces);
        Design->ClearDesign();
        T_TRACK& track = Lay(c.Pieces);
        const CheckResult result = CheckDesign(*Design);
        ASSERT_FALSE(result.Tracks[0].Closed);
        if (*c.Direction) {
            EXPECT_EQ(GapDirection(result.Tracks[0]), c.Direction);
        }
        const std::vector<Proposal> proposals = ProposeClosings(*Design, 0);
        ASSERT_FALSE(proposals.empty());
        ASSERT_EQ(proposals[0].Removed.size(), 1u);
        EXPECT_TRUE(proposals[0].Pieces.empty());
        EXPECT_EQ(proposals[0].Removed[0].Def, Part(*c.Removed == 'S' ? "S350" : "C90"));
        const int parts = track.PartCount;
        ASSERT_TRUE(ApplyProposal(track, proposals[0]));
        EXPECT_EQ(track.PartCount, parts - 1);
        EXPECT_TRUE(CheckDesign(*Design).Tracks[0].Closed);
    }
}

TEST_F(MiniFixture, AMissingCurveIsProposedInItsHand) {
    Lay("SRRSR");
    const std::vector<Proposal> proposals = ProposeClosings(*Design, 0);
    ASSERT_FALSE(proposals.empty());
    ASSERT_EQ(proposals[0].Pieces.size(), 1u);
    EXPECT_EQ(proposals[0].Pieces[0].Def, Part("C90"));
    EXPECT_EQ(proposals[0].Pieces[0].Status, PS_RIGHT);
    EXPECT_TRUE(ProposeClosings(*Design, 1).empty()); // no such track
}

TEST_F(MiniFixture, TheCloserKeepsToTheStockWhenAsked) {
    Lay("RRSRR");
    Part("S350")->Stock = 1; // the one in the track uses it up
    CloseOptions options;
    options.InStockOnly = true;
    for (const Proposal& proposal : ProposeClosings(*Design, 0, options))
        for (const ClosingPiece& piece : proposal.Pieces)
            EXPECT_NE(piece.Def, Part("S350"));
    options.InStockOnly = false;
    EXPECT_EQ(ProposeClosings(*Design, 0, options)[0].Pieces[0].Def, Part("S350"));
}

// In stock means free in stock: exactly as many free as the closing needs
// is enough, one fewer is not.
TEST_F(MiniFixture, TheCloserTakesExactlyTheFreeCount) {
    struct Case {
        const char* Pieces;
        int Stock;        // of S350
        size_t Straights; // the closing needs
        bool Offered;
    } cases[] = {
        {"RRSRR", 2, 1, true},   // one in the track, one free
        {"RRSRR", 1, 1, false},  // none free
        {"RRSSRR", 4, 2, true},  // two free, two needed
        {"RRSSRR", 3, 2, false}, // one free, two needed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Pieces) + " stock " + std::to_string(c.Stock));
        Design->ClearDesign();
        Lay(c.Pieces);
        Part("S350")->Stock = c.Stock;
        Part("C90")->Stock = 0;
        CloseOptions options;
        options.InStockOnly = true;
        bool offered = false;
        for (const Proposal& proposal : ProposeClosings(*Design, 0, options))
            offered = offered || (proposal.Removed.empty() &&
                                  proposal.Pieces.size() == c.Straights &&
                                  std::all_of(proposal.Pieces.begin(), proposal.Pieces.end(),
                                              [&](const ClosingPiece& piece) {
                                                  return piece.Def == Part("S350");
                                              }));
        EXPECT_EQ(offered, c.Offered);
    }
}

TEST_F(MiniFixture, CrossingTracksOverlapUnlessOneBridgesTheOther) {
    Lay("SSSS", 0, -70);                       // down the y axis
    T_TRACK& across = Lay("SSSS", 70, 0, 360); // across it at the same height
    std::vector<Overlap> overlaps = FindOverlaps(*Design);
    ASSERT_EQ(overlaps.size(), 1u);
    EXPECT_EQ(overlaps[0].A.Slot, 0);
    EXPECT_EQ(overlaps[0].B.Slot, 1);
    EXPECT_GT(overlaps[0].AreaSquareCm, 200.0f); // about 15.6 x 15.6
    for (int i = 0; i < across.PartCount; ++i)
        across.Parts[i].Height = 1;
    EXPECT_TRUE(FindOverlaps(*Design).empty());
    EXPECT_TRUE(FindOverlaps(*Design).empty() && !CheckDesign(*Design).Clean()); // open tracks
}

// A damaged definition may make a part kilometres long and wide: it covers
// tens of millions of grid cells, and must be compared without listing it in
// each of them.
TEST_F(MiniFixture, KilometreSizedPartsStillOverlap) {
    Part("S350")->StraightLength = Part("S350")->StraightWidth = 300000; // 3 km
    Lay("S");
    Lay("S", 1000, 1000);
    const std::vector<Overlap> overlaps = FindOverlaps(*Design);
    ASSERT_EQ(overlaps.size(), 1u);
    EXPECT_EQ(overlaps[0].B.Slot, 1);
    EXPECT_GT(overlaps[0].AreaSquareCm, 1e9f);
}

TEST_F(MiniFixture, ChainNeighboursAreNoOverlap) {
    Lay("SRRSRR");
    Lay("RRRR", 200, 0); // a circle of its own
    EXPECT_TRUE(FindOverlaps(*Design).empty());
}

TEST_F(MiniFixture, EndsThatNearlyMeetAreJoinCandidates) {
    Lay("S");
    Lay("S", 0, 35.5f); // starts 5 mm after the first ends, same heading
    Lay("S", 300, 0);   // far away
    const CheckResult result = CheckDesign(*Design);
    ASSERT_EQ(result.Joins.size(), 1u);
    EXPECT_EQ(result.Joins[0].SlotA, 0);
    EXPECT_TRUE(result.Joins[0].EndOfA);
    EXPECT_EQ(result.Joins[0].SlotB, 1);
    EXPECT_FALSE(result.Joins[0].EndOfB);
    EXPECT_NEAR(result.Joins[0].GapMillimetres, 5.0f, 0.01f);
}

TEST_F(MiniFixture, TheShoppingListNamesWhatIsMissing) {
    Lay("SRRSRR");
    Part("S350")->Stock = 1;
    Part("C90")->Stock = 6;
    const CheckResult result = CheckDesign(*Design);
    ASSERT_EQ(result.Shopping.size(), 1u);
    EXPECT_EQ(result.Shopping[0].Code, "S350");
    EXPECT_EQ(result.Shopping[0].Missing, 1);
    EXPECT_FALSE(result.Clean());
}

TEST(LayoutCheck, LaneDifferenceWithAndWithoutALaneSwap) {
    FillAngleTable();
    TestLibrary lib;
    auto design = lib.NewDesign();
    T_TRACK& plain = *design->AllocateTrack();
    Append(plain, {lib.C}, PS_LEFT); // lane 1 drives the curve's second lane: 40 / 30
    T_TRACK& swapped = *design->AllocateTrack();
    Append(swapped, {lib.X});
    Append(swapped, {lib.C}, PS_LEFT); // after the swap the lanes change back: 30 / 40
    const CheckResult result = CheckDesign(*design);
    ASSERT_EQ(result.Tracks.size(), 2u);
    EXPECT_FLOAT_EQ(result.Tracks[0].LaneDifference(), -10.0f);
    EXPECT_FLOAT_EQ(result.Tracks[0].LaneDifferencePercent(), -25.0f);
    EXPECT_FLOAT_EQ(result.Tracks[1].Lane1, 40.0f);
    EXPECT_FLOAT_EQ(result.Tracks[1].Lane2, 50.0f);
}

// A lane swap piece whose lanes differ counts itself swapped, in the check
// as in the track list.
TEST(LayoutCheck, ALaneSwapOfUnequalLanesCountsItselfSwapped) {
    FillAngleTable();
    TestLibrary lib;
    lib.X->TravelLane1 = 12;
    lib.X->TravelLane2 = 18;
    auto design = lib.NewDesign();
    T_TRACK& track = *design->AllocateTrack();
    Append(track, {lib.S, lib.X, lib.S});
    const CheckResult result = CheckDesign(*design);
    ASSERT_EQ(result.Tracks.size(), 1u);
    EXPECT_FLOAT_EQ(result.Tracks[0].Lane1, 10.0f + 18.0f + 10.0f);
    EXPECT_FLOAT_EQ(result.Tracks[0].Lane2, 10.0f + 12.0f + 10.0f);
}
