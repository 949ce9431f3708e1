#include "GridRuler.h"

#include "Primitives.h"
#include "base/TextValues.h"
#include "toolkit/DrawCanvas.h"
#include "toolkit/RasterBitmap.h"
#include "view/Panel.h"

#include <cmath>

namespace {

constexpr float CM_PER_INCH = 2.54f;
constexpr float CM_PER_FOOT = 30.48f;
constexpr Rgb RULER_COLOR = 0xF0F0E6;
constexpr int RULER_SIZE = 12;
constexpr int LONG_TICK = 13;
constexpr int SHORT_TICK = 6;
// Spacings below this many pixels would fill the canvas rather than mark it.
constexpr float MIN_MARK_SPACING = 2.0f;

// Where the marks start: the offset less whole groups of ten spacings.
int Phase(float offset, float spacing) {
    return TruncToPixel(offset - std::trunc(offset / (10 * spacing)) * 10 * spacing);
}

void Dot(P_VIEW& view, int x, int y) {
    if (view.UseBitmap) {
        view.Bitmap->SetPixel(x, y, RGB_BLACK);
        return;
    }
    view.Canvas->SetPen(RGB_BLACK);
    view.Canvas->MoveTo(x, y);
    view.Canvas->LineTo(x + 1, y + 1);
}

void Band(P_VIEW& view, int left, int top, int right, int bottom) {
    if (view.UseBitmap) {
        view.Bitmap->FillRect(left, top, right, bottom, RULER_COLOR);
        return;
    }
    view.Canvas->SetPen(RULER_COLOR);
    view.Canvas->SetBrush(RULER_COLOR);
    view.Canvas->Rectangle(left, top, right, bottom);
}

// Ticks along one band: n each side of the centre, long every period ticks.
template <typename TickAt>
void Ticks(float extent, float offset, int centre, float spacing, int period, TickAt tickAt) {
    const int n = TruncToInt32(extent * 0.5f / spacing + 10);
    const int phase = Phase(offset, spacing);
    int counter = period - 1;
    for (int k = 0; k <= n; ++k) {
        if (++counter == period)
            counter = 0;
        const int length = counter == 0 ? LONG_TICK : SHORT_TICK;
        const int before = TruncToPixel(phase + centre - k * spacing);
        if (before > RULER_SIZE - 1)
            tickAt(before, length);
        tickAt(TruncToPixel(phase + centre + k * spacing), length);
    }
}

} // namespace

void DrawGrid(P_PANEL& panel, bool metric) {
    P_VIEW& view = panel.View;
    const float unit = metric ? 1.0f : CM_PER_INCH;
    const float gx = panel.GridX * panel.Zoom * unit;
    const float gy = panel.GridY * panel.Zoom * unit;
    if (gx >= MIN_MARK_SPACING && gy >= MIN_MARK_SPACING) {
        const int nx = TruncToInt32(panel.Width * 0.5f / gx + 10);
        const int ny = TruncToInt32(panel.Height * 0.5f / gy + 10);
        const int px = Phase(panel.Offset.X, gx), py = Phase(panel.Offset.Y, gy);
        for (int i = 0; i <= ny; ++i) {
            for (int j = 0; j <= nx; ++j) {
                const int left = TruncToPixel(panel.CentreX + px - j * gx);
                const int right = TruncToPixel(panel.CentreX + px + j * gx);
                const int up = TruncToPixel(panel.CentreY + py - i * gy);
                const int down = TruncToPixel(panel.CentreY + py + i * gy);
                Dot(view, left, up);
                Dot(view, right, up);
                Dot(view, left, down);
                Dot(view, right, down);
            }
        }
    }
    const int x = TruncToPixel(panel.CentreX + panel.Offset.X);
    const int y = TruncToPixel(panel.CentreY + panel.Offset.Y);
    StraightLine(view, {x, y - 2}, {x, y + 3}, RGB_RED);
    StraightLine(view, {x - 2, y}, {x + 3, y}, RGB_RED);
}

void DrawRuler(P_PANEL& panel, bool metric) {
    P_VIEW& view = panel.View;
    Band(view, RULER_SIZE, 0, panel.Width, RULER_SIZE);
    Band(view, 0, 0, RULER_SIZE, panel.Height);
    StraightLine(view, {RULER_SIZE, RULER_SIZE}, {panel.Width, RULER_SIZE}, RGB_BLACK);
    StraightLine(view, {RULER_SIZE, RULER_SIZE}, {RULER_SIZE, panel.Height}, RGB_BLACK);
    const float spacing = panel.Zoom * (metric ? 10.0f : CM_PER_FOOT);
    if (spacing < MIN_MARK_SPACING)
        return;
    const int period = metric ? 10 : 3;
    Ticks(static_cast<float>(panel.Height), panel.Offset.Y, panel.CentreY, spacing, period,
          [&](int y, int length) {
              StraightLine(view, {RULER_SIZE, y}, {RULER_SIZE - length, y}, RGB_BLACK);
          });
    Ticks(static_cast<float>(panel.Width), panel.Offset.X, panel.CentreX, spacing, period,
          [&](int x, int length) {
              StraightLine(view, {x, RULER_SIZE}, {x, RULER_SIZE - length}, RGB_BLACK);
          });
}
