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
