#pragma once

// Scroll position of a canvas in pixels; stored in the design and room files.
struct ViewOffset {
    float X = 0.0f;
    float Y = 0.0f;
};
