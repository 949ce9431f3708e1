#pragma once
#include "geometry/View.h"

#include <QColor>

// Our colours are 0xRRGGBB; alpha 255 is opaque.
inline QColor ToQColor(Rgb rgb, int alpha = 255) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF, alpha);
}

// A freehand shape stores the platform colour value 0x00BBGGRR.
inline Rgb RgbFromStored(int32_t stored) {
    const uint32_t value = static_cast<uint32_t>(stored);
    return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
}

// The value a freehand shape stores for a colour: its bytes the other way round.
inline int32_t StoredFromRgb(Rgb rgb) {
    return static_cast<int32_t>(RgbFromStored(static_cast<int32_t>(rgb)));
}
