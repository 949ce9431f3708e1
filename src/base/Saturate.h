#pragma once
#include <cstdint>

// Where a float meets an integer: truncation toward zero that never
// overflows: NaN gives 0, values beyond the int32 range give its bounds.
// Inline: every drawn point goes through it.
inline int32_t TruncToInt32(double value) {
    if (value >= 2147483647.0)
        return INT32_MAX;
    if (value <= -2147483648.0)
        return INT32_MIN;
    return value == value ? static_cast<int32_t>(value) : 0;
}

// Pixel coordinates stop at this distance from the origin: far beyond any
// screen, page or export, and far enough inside int for the marks, borders
// and margins that drawing adds to a pixel.
constexpr int32_t PIXEL_LIMIT = 1 << 24;

// A world position mapped to a pixel: truncated toward zero, NaN gives 0,
// and positions beyond the limit give the limit.
inline int32_t TruncToPixel(double value) {
    if (value >= PIXEL_LIMIT)
        return PIXEL_LIMIT;
    if (value <= -PIXEL_LIMIT)
        return -PIXEL_LIMIT;
    return value == value ? static_cast<int32_t>(value) : 0;
}
