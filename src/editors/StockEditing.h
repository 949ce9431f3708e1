#pragma once
#include <cstdint>
#include <string>
#include <vector>

class A_APPL;

// One row of the inventory: a part of the design's brand.
struct StockRow {
    std::string Code;
    std::string Description;
    int Stock = 0;
    int Used = 0;
    int64_t Free = 0;
    // The second road of a crossing piece counts the first road's stock: its
    // code, else empty.
    std::string StockOf;
};

// The parts of the current design's brand with their stock and how many the
// design uses (recounted).
std::vector<StockRow> StockRows(A_APPL& appl);
// A typed stock for part index: the number it starts with (0 without one),
// stored and written to the stock table at once. Returns the part's free
// count; a table that cannot be written is reported.
int64_t SetStock(A_APPL& appl, int part, const std::string& text);
