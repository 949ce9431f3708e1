#include "render/TiledPdf.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

// A4 is 210 x 297 mm: upright it prints 190 x 277 mm and advances 180 x 267.
struct TileCase {
    float Width, Height;
    int Columns, Rows;
    bool Landscape;
};

// A name made of the values: the struct's padding would make it differ from
// run to run.
void PrintTo(const TileCase& c, std::ostream* out) {
    *out << c.Width << "x" << c.Height;
}

class TileLayoutTest : public ::testing::TestWithParam<TileCase> {};

TEST_P(TileLayoutTest, GridCoversTheLayoutWithOverlap) {
    const TileCase& c = GetParam();
    const PageTiles tiles = TileLayout(c.Width, c.Height, QPageSize::A4);
    EXPECT_EQ(tiles.Columns, c.Columns);
    EXPECT_EQ(tiles.Rows, c.Rows);
    EXPECT_EQ(tiles.Landscape, c.Landscape);
    // The last tile reaches the layout's far edge; one fewer would not.
    const float printableX = tiles.StepXMm + TILE_OVERLAP_MM;
    const float printableY = tiles.StepYMm + TILE_OVERLAP_MM;
    EXPECT_GE((tiles.Columns - 1) * tiles.StepXMm + printableX, c.Width);
    EXPECT_GE((tiles.Rows - 1) * tiles.StepYMm + printableY, c.Height);
    if (tiles.Columns > 1) {
        EXPECT_LT((tiles.Columns - 2) * tiles.StepXMm + printableX, c.Width);
    }
    if (tiles.Rows > 1) {
        EXPECT_LT((tiles.Rows - 2) * tiles.StepYMm + printableY, c.Height);
    }
}

INSTANTIATE_TEST_SUITE_P(
    A4, TileLayoutTest,
    ::testing::Values(TileCase{100, 100, 1, 1, false},    // fits one page
                      TileCase{190, 277, 1, 1, false},    // exactly the printable area
                      TileCase{191, 277, 2, 1, false},    // a millimetre more needs a second
                      TileCase{277, 190, 1, 1, true},     // wide and short: turned
                      TileCase{3000, 1500, 17, 6, false}, // 102 pages upright, 108 turned
                      TileCase{1500, 3000, 6, 17, true},  // 108 upright, 102 turned
                      TileCase{0, 0, 1, 1, false}));

} // namespace
