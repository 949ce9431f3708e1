#pragma once
#include "Definitions.h"

#include <cstdint>

// A crossing sold as one X piece is defined once per road: the first road's
// code ends in "A", the second road's is the same code ending in "B", both
// straights of one footprint. The second road runs through the pieces of the
// first: it has no stock of its own, and one piece takes one pass of each
// road, so a figure-eight needs one X piece, not two.

// The first road of a second road, else null.
const L_PARTDEF* FirstRoadOf(const L_BRAND& brand, const L_PARTDEF& def);
// The second road of a first road, else null.
const L_PARTDEF* SecondRoadOf(const L_BRAND& brand, const L_PARTDEF& def);

// Pieces a part can draw on: a second road counts the first road's stock.
int64_t StockOf(const L_BRAND& brand, const L_PARTDEF& def);
// That stock less the part's own uses (Used must be counted).
int64_t FreeOf(const L_BRAND& brand, const L_PARTDEF& def);
// Pieces to buy for the part's uses: a shared piece is bought for the road
// that passes it more often, under the first road's code; 0 for a second road.
int64_t MissingOf(const L_BRAND& brand, const L_PARTDEF& def);
