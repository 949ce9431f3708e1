#include "check/Crossing.h"
#include "check/LoopCloser.h"
#include "defs/DefinitionsFile.h"
#include "defs/SharedPiece.h"
#include "design/DesignFile.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The shipped parts library and one design of it.
struct Shipped : ::testing::Test {
    std::unique_ptr<L_DEFINITIONS> Library = std::make_unique<L_DEFINITIONS>();
    L_PARTDEF EmptyDef;
    std::unique_ptr<T_DESIGN> Design = std::make_unique<T_DESIGN>(&EmptyDef);

    Shipped() {
        FillAngleTable();
        LoadDefinitions(*Library, VIRELDO_DATA);
    }
    void Use(const char* brand) { Design->SetDesignBrand(Library->FindBrand(brand)); }
    L_PARTDEF* Part(const char* code) { return Design->Brand->FindCode(code); }
    T_TRACK& Track() { return Design->Tracks[0]; }
    void Load(const char* fixture) {
        Design->FileName = std::string(VIRELDO_FIXTURES) + fixture;
        ViewOffset offset;
        F_FREEHAND freehand;
        ASSERT_EQ(LoadDesign(*Design, *Library, offset, freehand), "");
    }
    void SetStock(const char* code, int stock) { Part(code)->Stock = stock; }
    int64_t ToBuy(const CheckResult& result, const char* code) {
        for (const MissingPart& m : result.Shopping)
            if (m.Code == code)
                return m.Missing;
        return 0;
    }
};

// One standard straight, 180 degrees of the standard curve, again: lane
// lengths as the reference tables give them.
struct Oval {
    const char* Brand;
    const char* Straight;
    const char* Curve;
    int CurvesPerHalf;
    float Inner; // lap of the inner lane, cm
    float Outer;
};

const Oval OVALS[] = {
    {"S132SPORT", "S350", "C2-450", 4, 228.96f, 277.97f},
    {"W124WIDE", "S345", "C1-600", 3, 224.51f, 286.71f},
    {"C143COMPACT", "S342", "C1-900", 2, 157.94f, 193.75f},
    {"HO64STD", "S381", "C09-900", 2, 208.68f, 230.99f},
    {"HO64FLAT", "S150", "C1-450", 4, 158.30f, 181.93f},
    {"F132FLEX", "S400", "C2-450", 4, 259.95f, 316.50f},
};

} // namespace

TEST_F(Shipped, TheStandardOvalOfEverySystemCloses) {
    for (const Oval& oval : OVALS) {
        SCOPED_TRACE(oval.Brand);
        Design->ClearDesign();
        Use(oval.Brand);
        T_TRACK& track = *Design->AllocateTrack();
        for (int half = 0; half < 2; ++half) {
            track.InsertCopyAfter(nullptr, T_PART{0, 0, Part(oval.Straight)});
            for (int k = 0; k < oval.CurvesPerHalf; ++k)
                track.InsertCopyAfter(nullptr, T_PART{0, PS_RIGHT, Part(oval.Curve)});
        }
        const CheckResult result = CheckDesign(*Design);
        ASSERT_EQ(result.Tracks.size(), 1u);
        EXPECT_TRUE(result.Tracks[0].Closed);
        EXPECT_LT(result.Tracks[0].GapMillimetres, 0.05f);
        // A right-hand oval runs lane 1 on the inside.
        // The pieces' travels are rounded to 0.1 mm each, the laps exact.
        EXPECT_NEAR(result.Tracks[0].Lane1, oval.Inner, 0.05f);
        EXPECT_NEAR(result.Tracks[0].Lane2, oval.Outer, 0.05f);
        EXPECT_TRUE(result.Overlaps.empty());
    }
}

// A figure-eight of each system with a crossing: one track through its X.
class FigureEight : public Shipped, public ::testing::WithParamInterface<const char*> {};

TEST_P(FigureEight, ClosesWithItsCrossingNoOverlap) {
    Load(GetParam());
    const CheckResult result = CheckDesign(*Design);
    ASSERT_EQ(result.Tracks.size(), 1u);
    EXPECT_TRUE(result.Tracks[0].Closed);
    EXPECT_TRUE(result.Overlaps.empty());
    // Both lanes pass the same curves on either hand.
    EXPECT_NEAR(result.Tracks[0].Lane1, result.Tracks[0].Lane2, 0.05f);
}

// The same figure-eight with its second crossing part 5 cm off: cut at the
// second road and that half moved, the roads run into each other.
TEST_P(FigureEight, CrossingPartsApartOverlap) {
    Load(GetParam());
    T_TRACK& first = Track();
    int second = 1;
    while (second < first.PartCount && first.Parts[second].Def != first.Parts[0].Def &&
           first.Parts[second].Def->Code.substr(0, 1) != "X")
        ++second;
    ASSERT_LT(second, first.PartCount);
    T_TRACK& moved = *Design->AllocateTrack();
    moved = first;
    auto placement = NewPlacement();
    ASSERT_TRUE(DeleteRangeInPlace(first, second, first.PartCount - 1, *placement));
    ASSERT_TRUE(DeleteRangeInPlace(moved, 0, second - 1, *placement));
    const std::vector<Overlap> together = FindOverlaps(*Design);
    EXPECT_TRUE(together.empty());
    moved.X += 5.0f;
    const std::vector<Overlap> apart = FindOverlaps(*Design);
    ASSERT_FALSE(apart.empty());
    EXPECT_TRUE(std::any_of(apart.begin(), apart.end(), [&](const Overlap& o) {
        return o.A.Slot == 0 && o.A.Index == 0 && o.B.Slot == 1 && o.B.Index == 0;
    }));
}

INSTANTIATE_TEST_SUITE_P(Shipped, FigureEight,
                         ::testing::Values("figure8_s132sport.tr3", "figure8_w124wide.tr3"));

// The rule itself: straights through each other's middles at 30 degrees or
// more, centres within 2 mm, cross; anything else that covers is an overlap.
TEST(Crossing, StraightsThroughTheirMiddles) {
    FillAngleTable();
    L_PARTDEF straight;
    straight.Type = PT_Straight;
    straight.StraightWidth = 15.6f;
    straight.StraightLength = 35.0f;
    L_PARTDEF curve;
    curve.Type = PT_Curve;
    T_PART s{0, 0, &straight}, c{0, PS_LEFT, &curve};
    // A straight whose middle lies at (x, y), turned by angle.
    auto through = [&](T_PART& part, float x, float y, QuarterDegrees angle) {
        T_PLACED placed;
        placed.Part = &part;
        placed.Angle = angle;
        const PartFrame frame(Pose{0, 0, angle}, 1.0f);
        placed.X = x - frame.WorldX(7.8f, 17.5f);
        placed.Y = y - frame.WorldY(7.8f, 17.5f);
        return AxisOf(placed);
    };
    const CrossingAxis base = through(s, 0, 0, 0);
    struct Case {
        const char* Name;
        CrossingAxis Other;
        bool Crosses;
    } cases[] = {
        {"square", through(s, 0, 0, 360), true},
        {"square, the other way", through(s, 0, 0, 1080), true},
        {"at 30 degrees", through(s, 0, 0, 120), true},
        {"at 150 degrees", through(s, 0, 0, 600), true},
        {"under 30 degrees", through(s, 0, 0, 119), false},
        {"along", through(s, 0, 0, 720), false},
        {"1.9 mm apart", through(s, 0.19f, 0, 360), true},
        {"2.1 mm apart", through(s, 0, 0.21f, 360), false},
        {"a curve", through(c, 0, 0, 360), false},
    };
    for (const Case& test : cases)
        EXPECT_EQ(IsCrossing(base, test.Other), test.Crosses) << test.Name;
}

// One X piece carries a pass of each road: a racer who owns one is told to
// buy nothing for a figure-eight, and one who owns none to buy one X350A.
TEST_F(Shipped, OneXPieceServesBothRoads) {
    Load("figure8_s132sport.tr3");
    for (int i = 0; i < Design->Brand->PartCount; ++i)
        Design->Brand->Parts[i].Stock = 100;
    SetStock("X350B", 0);
    SetStock("X350A", 1);
    CheckResult result = CheckDesign(*Design);
    EXPECT_TRUE(result.Shopping.empty());
    EXPECT_TRUE(result.Clean());
    SetStock("X350A", 0);
    result = CheckDesign(*Design);
    ASSERT_EQ(result.Shopping.size(), 1u);
    EXPECT_EQ(result.Shopping[0].Code, "X350A");
    EXPECT_EQ(result.Shopping[0].Missing, 1);
    // A second road's own stock counts for nothing.
    SetStock("X350B", 5);
    EXPECT_EQ(ToBuy(CheckDesign(*Design), "X350A"), 1);
}

// Pieces sold one per road are counted one per road.
TEST_F(Shipped, CrossingPiecesOnePerRoadAreCountedPerRoad) {
    Load("figure8_w124wide.tr3");
    for (int i = 0; i < Design->Brand->PartCount; ++i)
        Design->Brand->Parts[i].Stock = 100;
    SetStock("X518", 1);
    EXPECT_EQ(ToBuy(CheckDesign(*Design), "X518"), 1);
    SetStock("X518", 2);
    EXPECT_TRUE(CheckDesign(*Design).Shopping.empty());
}

// The closer's in-stock rule uses the same count: the second road of an X
// piece the racer owns may close a loop on the first road's stock.
TEST_F(Shipped, TheCloserCountsTheSecondRoadOnTheFirstRoadsStock) {
    Use("S132SPORT");
    T_TRACK& track = *Design->AllocateTrack();
    // The oval without its last straight.
    for (const char* code :
         {"C2-450", "C2-450", "C2-450", "C2-450", "S350", "C2-450", "C2-450", "C2-450", "C2-450"})
        track.InsertCopyAfter(
            nullptr, T_PART{0, Part(code)->Type == PT_Curve ? PS_RIGHT : uint8_t(0), Part(code)});
    for (int i = 0; i < Design->Brand->PartCount; ++i)
        Design->Brand->Parts[i].Stock = 0;
    Part("C2-450")->Stock = 8;
    Part("S350")->Stock = 1;
    CloseOptions options;
    options.InStockOnly = true;
    options.MaxParts = 1;
    auto codes = [&] {
        std::vector<std::string> found;
        for (const Proposal& p : ProposeClosings(*Design, 0, options))
            found.push_back(p.Pieces[0].Def->Code);
        std::sort(found.begin(), found.end());
        return found;
    };
    EXPECT_TRUE(codes().empty()); // the one straight owned is laid
    SetStock("X350A", 1);
    EXPECT_EQ(codes(), (std::vector<std::string>{"X350A", "X350B"}));
    SetStock("X350B", 1); // its own count is not a piece
    SetStock("X350A", 0);
    EXPECT_TRUE(codes().empty());
}

// An oval whose last straight is a whole one where half a one fits: the
// closer swaps it, one part off and one on, as one change.
TEST_F(Shipped, ALongStraightIsSwappedForAHalfOne) {
    Use("S132SPORT");
    T_TRACK& track = *Design->AllocateTrack();
    auto lay = [&](const char* code, uint8_t status) {
        track.InsertCopyAfter(nullptr, T_PART{0, status, Part(code)});
    };
    lay("S175", 0);
    for (int k = 0; k < 4; ++k)
        lay("C2-450", PS_RIGHT);
    lay("S350", 0);
    for (int k = 0; k < 4; ++k)
        lay("C2-450", PS_RIGHT);
    lay("S350", 0);
    const CheckResult result = CheckDesign(*Design);
    EXPECT_EQ(GapDirection(result.Tracks[0]), "175.0 mm past the start");
    const std::vector<Proposal> proposals = ProposeClosings(*Design, 0);
    ASSERT_FALSE(proposals.empty());
    ASSERT_EQ(proposals[0].Removed.size(), 1u);
    EXPECT_EQ(proposals[0].Removed[0].Def, Part("S350"));
    ASSERT_EQ(proposals[0].Pieces.size(), 1u);
    EXPECT_FLOAT_EQ(proposals[0].Pieces[0].Def->StraightLength, 17.5f);
    ASSERT_TRUE(ApplyProposal(track, proposals[0]));
    EXPECT_TRUE(CheckDesign(*Design).Tracks[0].Closed);
    EXPECT_EQ(track.PartCount, 11);
}
