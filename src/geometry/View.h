#pragma once
#include "freehand/ViewTransform.h"

#include <cstdint>

struct F_SHAPE;
struct T_TRACK;
// Drawing targets, defined by the rendering: the window or printer canvas and
// the anti-aliased raster bitmap.
class DrawCanvas;
class RasterBitmap;

using Rgb = uint32_t; // 0xRRGGBB

constexpr Rgb RGB_BLACK = 0x000000;
constexpr Rgb RGB_WHITE = 0xFFFFFF;
constexpr Rgb RGB_RED = 0xFF0000;
constexpr Rgb RGB_GREEN = 0x00FF00;
constexpr Rgb RGB_BLUE = 0x0000FF;
constexpr Rgb RGB_YELLOW = 0xFFFF00;
constexpr Rgb RGB_SILVER = 0xC0C0C0;

// Pixel bounds of what was drawn; reset to an empty box that any point enlarges.
struct BoundingBox {
    static constexpr int RESET_MIN = 10000000;
    static constexpr int RESET_MAX = -10000000;
    int MinX = 0;
    int MinY = 0;
    int MaxX = 0;
    int MaxY = 0;

    void Reset() {
        MinX = MinY = RESET_MIN;
        MaxX = MaxY = RESET_MAX;
    }
    bool IsReset() const { return MinX == RESET_MIN && MaxX == RESET_MAX; }
    void Add(int x, int y) {
        MinX = x < MinX ? x : MinX;
        MinY = y < MinY ? y : MinY;
        MaxX = x > MaxX ? x : MaxX;
        MaxY = y > MaxY ? y : MaxY;
    }
    void Merge(const BoundingBox& box) {
        Add(box.MinX, box.MinY);
        Add(box.MaxX, box.MaxY);
    }
};

// The drawing context every drawing routine receives: the mapping, the flags
// of one repaint, the colours, the selection and the box of what was drawn.
struct P_VIEW : ViewTransform {
    bool ShowPoints = false;
    bool Filled = true;
    bool Printing = false;
    bool UseBitmap = false;
    DrawCanvas* Canvas = nullptr;
    RasterBitmap* Bitmap = nullptr;
    Rgb NormalColor = RGB_BLACK;
    Rgb FirstLaneColor = RGB_SILVER;
    Rgb SecondLaneColor = RGB_SILVER;
    Rgb SelectedColor = RGB_BLUE;
    const F_SHAPE* SelectedShape = nullptr;
    const T_TRACK* SelectedTrack = nullptr;
    int SelectionFirst = -1;
    int SelectionLast = -1;
    bool BlitWhenDone = true;
    bool MeasureOnly = false;
    bool CollectBounds = false;
    // Parts of a few pixels go to a batch of strokes, drawn by DrawSmallParts.
    bool BatchSmallParts = false;
    bool ShowPartCodes = false;
    bool ShowHeights = false; // on the screen's bitmap only
    BoundingBox Box;
    // The "Print Monochrome" setting; it applies while Printing is set.
    bool PrintMono = false;

    bool Monochrome() const { return Printing && PrintMono; }
};
