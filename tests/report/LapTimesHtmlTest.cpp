#include "report/LapTimesHtml.h"
#include "design/TestLibrary.h"

#include <gtest/gtest.h>

namespace {

struct LapTimesFixture : ::testing::Test {
    TestLibrary Lib;
    std::unique_ptr<T_DESIGN> Design = Lib.NewDesign();

    LapTimesFixture() { FillAngleTable(); }
    void Lay(std::initializer_list<L_PARTDEF*> parts) {
        T_TRACK& track = *Design->AllocateTrack();
        for (L_PARTDEF* def : parts)
            *track.InsertAfter(nullptr) =
                T_PART{0, def->Type == PT_Curve ? uint8_t(PS_RIGHT) : uint8_t(0), def};
    }
};

} // namespace

// A table per closed track, with the car named, in the user's units and
// decimal separator; open tracks have none.
TEST_F(LapTimesFixture, ClosedTracksGetATableEach) {
    Lay({Lib.S, Lib.C});                             // track 1: open
    Lay({Lib.C, Lib.C, Lib.S, Lib.C, Lib.C, Lib.S}); // track 2: closed
    const std::vector<TrackLaps> laps = SimulateDesign(*Design, FindCarPreset("HO")->Values);
    ASSERT_EQ(laps.size(), 2u);
    TrackListUnits units;
    units.DecimalPoint = ',';
    const std::string html = LapTimesHtml(laps, "HO", units);
    EXPECT_EQ(html.find("Track 1"), std::string::npos);
    EXPECT_NE(html.find("<H3>Estimated lap times, car HO</H3>"), std::string::npos);
    const std::string label = "<TD style=\"white-space: nowrap\">";
    EXPECT_NE(html.find(label + "Track 2</TD><TD align=right>Lane 1</TD>"), std::string::npos);
    const char* const figure = "<TD align=right style=\"white-space: nowrap\">";
    const TrackLaps& track = laps[1];
    EXPECT_NE(html.find(label + "Lap time</TD>" +
                        (figure + FormatDecimals(track.Lanes[0].LapTime, 3, ',')) + " s</TD>" +
                        figure + FormatDecimals(track.Lanes[1].LapTime, 3, ',') + " s</TD>"),
              std::string::npos);
    EXPECT_NE(html.find(label + "Length</TD>" +
                        (figure + FormatLength(track.Lanes[0].Length, ',')) + " m</TD>"),
              std::string::npos);
    ASSERT_GT(track.Difference(), 0.0); // lane 2 is the outer lane of a right-hand oval
    EXPECT_NE(html.find(">+" + FormatDecimals(track.Difference(), 3, ',') + " s (+"),
              std::string::npos);
    units.Metric = false;
    EXPECT_NE(LapTimesHtml(laps, "HO", units).find(" ft/s</TD>"), std::string::npos);
    EXPECT_EQ(LapTimesHtml({laps[0]}, "HO", units), "");
}

// The car's name is the user's text: it cannot break the page.
TEST_F(LapTimesFixture, TheCarsNameIsEscaped) {
    Lay({Lib.C, Lib.C, Lib.C, Lib.C});
    const std::string html = LapTimesHtml(SimulateDesign(*Design, Car{}), "<b>", TrackListUnits{});
    EXPECT_NE(html.find("car &lt;b&gt;"), std::string::npos);
}
