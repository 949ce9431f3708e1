#include "generate/LayoutGenerator.h"
#include "check/LayoutCheck.h"
#include "defs/DefinitionsFile.h"
#include "defs/StockFile.h"
#include "generate/PieceKit.h"
#include "geometry/Placement.h"
#include "room/Newroom.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

// The shipped library; the stock of a starter set and one extension pack of
// S132SPORT (fixtures/suggestdir/Stock.df3): a power straight, 7 standard and
// 4 half straights, 4 R1 and 12 R2 45-degree curves, one crossroads.
struct Generator : ::testing::Test {
    std::unique_ptr<L_DEFINITIONS> Library = std::make_unique<L_DEFINITIONS>();
    L_PARTDEF EmptyDef;
    std::unique_ptr<T_DESIGN> Design = std::make_unique<T_DESIGN>(&EmptyDef);

    Generator() {
        FillAngleTable();
        LoadDefinitions(*Library, VIRELDO_DATA);
        LoadStock(*Library, std::string(VIRELDO_FIXTURES) + "suggestdir/");
    }
    L_BRAND& Brand(const char* name) { return *Library->FindBrand(name); }
    std::vector<int64_t> Stock(L_BRAND& brand) {
        Design->ClearDesign();
        Design->SetDesignBrand(&brand);
        return FreeStockBudget(*Design);
    }
    static SuggestOptions Quick(Board board, std::vector<int64_t> budget) {
        SuggestOptions options;
        options.Table = std::move(board);
        options.Budget = std::move(budget);
        options.MaxCandidates = 2500;
        options.TimeLimitSeconds = 120; // the candidate count ends every case
        return options;
    }
    // What the check says of the proposal, and that it lies on the board and
    // takes nothing beyond the budget.
    void ExpectSound(L_BRAND& brand, const SuggestedLayout& layout, const SuggestOptions& options) {
        LayLayout(*Design, brand, layout);
        const CheckResult check = CheckDesign(*Design);
        ASSERT_EQ(check.Tracks.size(), 1u);
        EXPECT_TRUE(check.Tracks[0].Closed) << check.Tracks[0].GapMillimetres << " mm";
        EXPECT_TRUE(check.Overlaps.empty());
        EXPECT_NEAR(check.Tracks[0].Lane1, layout.Lane1, 0.01);
        EXPECT_TRUE(
            FootprintInside(options.Table, FootprintOf(PlaceTrackAlone(Design->Tracks[0])), 0, 0));
        for (int i = 0; i < brand.PartCount; ++i)
            brand.Parts[i].Used = 0;
        Design->CountUses();
        for (int i = 0; i < brand.PartCount; ++i)
            EXPECT_LE(brand.Parts[i].Used, options.Budget[i]) << brand.Parts[i].Code;
    }
};

// The parts as text, the same for a loop driven from another part, the
// other way round or mirrored.
std::string Sequence(const SuggestedLayout& layout) {
    std::vector<std::string> forms(4);
    const size_t n = layout.Parts.size();
    for (size_t start = 0; start < n; ++start)
        for (int form = 0; form < 4; ++form) {
            std::string text;
            for (size_t k = 0; k < n; ++k) {
                const bool back = form >= 2, mirror = form % 2 == 1;
                const T_PART& part = layout.Parts[(back ? start + n - k : start + k) % n];
                const bool left = (part.Status & PS_LEFT) != 0,
                           right = (part.Status & PS_RIGHT) != 0;
                const char hand = !left && !right ? 'S' : ((left != back) != mirror) ? 'L' : 'R';
                text += part.Def->Code.substr(0, 1) == "X" ? "X" : part.Def->Code;
                text += hand;
                text += ' ';
            }
            if (forms[form].empty() || text < forms[form])
                forms[form] = text;
        }
    return *std::min_element(forms.begin(), forms.end());
}

struct Case {
    const char* Brand;
    double Width, Height;
    bool InStock, Crossing, Bridges;
};

TEST_F(Generator, EveryProposalClosesFitsAndKeepsToTheBudget) {
    const Case cases[] = {
        {"S132SPORT", 240, 120, false, false, false}, {"S132SPORT", 240, 120, true, true, false},
        {"W124WIDE", 400, 200, false, false, false},  {"C143COMPACT", 150, 90, false, false, false},
        {"HO64STD", 120, 80, false, false, true},     {"HO64FLAT", 57, 57, false, false, false},
        {"F132FLEX", 300, 150, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Brand) + (c.InStock ? " in stock" : ""));
        L_BRAND& brand = Brand(c.Brand);
        SuggestOptions options = Quick(RectangleBoard(c.Width, c.Height),
                                       c.InStock ? Stock(brand) : UnlimitedBudget(brand));
        options.Crossing = c.Crossing;
        options.Bridges = c.Bridges;
        const SuggestResult result = SuggestLayouts(brand, options);
        EXPECT_EQ(result.TooSmall, "");
        ASSERT_FALSE(result.Layouts.empty());
        std::set<std::string> sequences;
        for (size_t i = 0; i < result.Layouts.size(); ++i) {
            const SuggestedLayout& layout = result.Layouts[i];
            ExpectSound(brand, layout, options);
            EXPECT_TRUE(sequences.insert(Sequence(layout)).second) << "proposal " << i + 1;
            if (i > 0) {
                EXPECT_LE(layout.LapCm(), result.Layouts[i - 1].LapCm()) << "longest first";
            }
        }
    }
}

TEST_F(Generator, TheSmallestOvalFitsItsOwnBoardAndNothingSmaller) {
    L_BRAND& brand = Brand("HO64FLAT");
    // Eight 45-degree curves make a ring 52 cm across; 2 cm of margin each side
    // and a millimetre for rounding.
    SuggestOptions options = Quick(RectangleBoard(56.3, 56.3), UnlimitedBudget(brand));
    SuggestResult result = SuggestLayouts(brand, options);
    ASSERT_EQ(result.Layouts.size(), 1u);
    EXPECT_EQ(result.Layouts[0].Parts.size(), 8u);
    options.Table = RectangleBoard(50, 200);
    result = SuggestLayouts(brand, options);
    EXPECT_TRUE(result.Layouts.empty());
    EXPECT_NE(result.TooSmall.find("smaller than the smallest closed loop of HO64FLAT"),
              std::string::npos)
        << result.TooSmall;
}

TEST_F(Generator, LShapedRoomHoldsEveryProposal) {
    F_FREEHAND layer;
    RoomOutlineRequest request;
    request.Shape = RoomShape::LShaped;
    request.Measures = {"3", "2.4", "1.3", "1.1", "0", "0"};
    AddRoomOutline(layer, request, true);
    L_BRAND& brand = Brand("S132SPORT");
    const SuggestOptions options = Quick(RoomBoard(layer), UnlimitedBudget(brand));
    const SuggestResult result = SuggestLayouts(brand, options);
    ASSERT_FALSE(result.Layouts.empty());
    for (const SuggestedLayout& layout : result.Layouts)
        ExpectSound(brand, layout, options);
}

TEST_F(Generator, SameSeedSameProposalsAndTheSeedMatters) {
    L_BRAND& brand = Brand("F132FLEX");
    SuggestOptions options = Quick(RectangleBoard(260, 160), UnlimitedBudget(brand));
    const auto run = [&](uint64_t seed) {
        options.Seed = seed;
        std::vector<std::string> texts;
        for (const SuggestedLayout& layout : SuggestLayouts(brand, options).Layouts)
            texts.push_back(Sequence(layout) + std::to_string(layout.Start.X));
        return texts;
    };
    const std::vector<std::string> first = run(7);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(run(7), first);
    EXPECT_NE(run(8), first);
}

// S132SPORT sells one X piece for both roads, W124WIDE a crossing piece per road.
TEST_F(Generator, FigureEightsCrossOnTheCrossingOrGoOverABridge) {
    struct EightCase {
        const char* Brand;
        double Width, Height;
        bool Bridge;
        const char* FirstRoad;
        const char* SecondRoad;
    } cases[] = {
        {"S132SPORT", 240, 130, false, "X350A", "X350B"},
        {"S132SPORT", 240, 130, true, nullptr, nullptr},
        {"W124WIDE", 360, 240, false, "X518", "X518"},
    };
    for (const EightCase& c : cases) {
        SCOPED_TRACE(std::string(c.Brand) + (c.Bridge ? " bridge" : " crossing"));
        L_BRAND& brand = Brand(c.Brand);
        SuggestOptions options = Quick(RectangleBoard(c.Width, c.Height), UnlimitedBudget(brand));
        options.Crossing = !c.Bridge;
        options.Bridges = c.Bridge;
        const SuggestResult result = SuggestLayouts(brand, options);
        const auto eight = std::find_if(
            result.Layouts.begin(), result.Layouts.end(),
            [&](const SuggestedLayout& l) { return c.Bridge ? l.Bridge : l.Crossing; });
        ASSERT_NE(eight, result.Layouts.end());
        ExpectSound(brand, *eight, options);
        std::multiset<std::string> codes;
        int raised = 0;
        for (const T_PART& part : eight->Parts) {
            codes.insert(part.Def->Code);
            raised += part.Height > 0;
        }
        if (c.Bridge) {
            EXPECT_GT(raised, 0);
        } else {
            EXPECT_EQ(raised, 0);
            // Two passes through one crossing.
            if (std::string(c.FirstRoad) == c.SecondRoad) {
                EXPECT_EQ(codes.count(c.FirstRoad), 2u);
            } else {
                EXPECT_EQ(codes.count(c.FirstRoad), 1u);
                EXPECT_EQ(codes.count(c.SecondRoad), 1u);
            }
        }
    }
}

TEST_F(Generator, NothingInStockNothingProposed) {
    L_BRAND& brand = Brand("W124WIDE"); // the fixture stocks only S132SPORT
    const SuggestResult result =
        SuggestLayouts(brand, Quick(RectangleBoard(300, 200), Stock(brand)));
    EXPECT_TRUE(result.Layouts.empty());
    EXPECT_EQ(result.TooSmall, "");
}

TEST_F(Generator, MinimumLapAndCancelAreObeyed) {
    L_BRAND& brand = Brand("S132SPORT");
    SuggestOptions options = Quick(RectangleBoard(240, 120), UnlimitedBudget(brand));
    options.MinimumLapCm = 500;
    for (const SuggestedLayout& layout : SuggestLayouts(brand, options).Layouts)
        EXPECT_GE(layout.LapCm(), 500.0f);
    JobProgress progress;
    progress.CancelRequested = true;
    const SuggestResult cancelled = SuggestLayouts(brand, options, &progress);
    EXPECT_TRUE(cancelled.Cancelled);
    EXPECT_TRUE(cancelled.Layouts.empty());
}

TEST(PieceKit, GroupsPartsOfOneShapeAndKeepsSpecialsOutOfUnlimitedBudgets) {
    FillAngleTable();
    auto library = std::make_unique<L_DEFINITIONS>();
    LoadDefinitions(*library, VIRELDO_DATA);
    L_BRAND& brand = *library->FindBrand("S132SPORT");
    const PieceKit any = KitOf(brand, UnlimitedBudget(brand));
    for (const KitShape& shape : any.Shapes)
        for (const L_PARTDEF* part : shape.Parts)
            EXPECT_TRUE(part->Code[0] == 'S' || part->Code[0] == 'C') << part->Code;
    EXPECT_EQ(any.Crossing.FirstRoad->Code, "X350A");
    EXPECT_EQ(any.Crossing.SecondRoad->Code, "X350B");
    // Owned specials are used: a lane changer is a straight of its length.
    std::vector<int64_t> budget(brand.PartCount, 0);
    budget[brand.IndexOfPart(brand.FindCode("S350"))] = 2;
    budget[brand.IndexOfPart(brand.FindCode("SP350"))] = 1;
    budget[brand.IndexOfPart(brand.FindCode("LC525"))] = 1;
    const PieceKit owned = KitOf(brand, budget);
    ASSERT_EQ(owned.Shapes.size(), 2u);
    EXPECT_EQ(owned.Shapes[0].Def().Code, "LC525");
    EXPECT_EQ(owned.Shapes[1].Total, 3);
    EXPECT_FALSE(owned.Crossing.Usable());
}

} // namespace
