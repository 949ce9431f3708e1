#pragma once
#include <cstdint>

// Where a float meets an integer: truncation toward zero that never
// overflows: NaN gives 0, values beyond [low, high] give the bound they pass.
// Inline: every drawn point goes through it.
inline int32_t TruncWithin(double value, int32_t low, int32_t high) {
    if (value >= high)
        return high;
    if (value <= low)
        return low;
    return value == value ? static_cast<int32_t>(value) : 0;
}
// The same within the whole int32 range.
inline int32_t TruncToInt32(double value) {
    return TruncWithin(value, INT32_MIN, INT32_MAX);
}

// Pixel coordinates stop at this distance from the origin: far beyond any
// screen, page or export, and far enough inside int for the marks, borders
// and margins that drawing adds to a pixel.
constexpr int32_t PIXEL_LIMIT = 1 << 24;

// A world position mapped to a pixel.
inline int32_t TruncToPixel(double value) {
    return TruncWithin(value, -PIXEL_LIMIT, PIXEL_LIMIT);
}
