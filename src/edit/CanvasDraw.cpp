#include "CanvasDraw.h"

#include "render/PartRender.h"
#include "toolkit/DrawCanvas.h"

#include <QPainter>

void DrawOnBitmap(P_PANEL& panel, const T_PLACED& placed) {
    panel.Bitmap.BeginUpdate();
    DrawPlacedPart(placed, panel.View);
    panel.Bitmap.EndUpdate();
}

namespace {

template <typename Draw> void OnWindow(P_PANEL& panel, P_VIEW& view, bool exclusiveOr, Draw draw) {
    QPainter painter(&panel.WindowImage);
    DrawCanvas canvas(painter);
    canvas.SetXor(exclusiveOr);
    DrawCanvas* const previousCanvas = view.Canvas;
    const bool previousUseBitmap = view.UseBitmap;
    view.Canvas = &canvas;
    view.UseBitmap = false;
    draw();
    view.Canvas = previousCanvas;
    view.UseBitmap = previousUseBitmap;
    painter.end();
    if (panel.WindowChanged)
        panel.WindowChanged();
}

} // namespace

void DrawOnWindow(P_PANEL& panel, const T_PLACED& placed, P_VIEW& view, bool exclusiveOr) {
    OnWindow(panel, view, exclusiveOr, [&] { DrawPlacedPart(placed, view); });
}

void DrawPartsOnWindow(P_PANEL& panel, const std::vector<T_PLACED>& parts, P_VIEW& view) {
    OnWindow(panel, view, false, [&] {
        for (const T_PLACED& placed : parts)
            DrawPlacedPart(placed, view);
    });
}

void DrawCrossOnWindow(P_PANEL& panel, int x, int y, Rgb colour) {
    QPainter painter(&panel.WindowImage);
    painter.setPen(QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF));
    painter.drawLine(x, y - 3, x, y + 3);
    painter.drawLine(x - 3, y, x + 3, y);
    painter.end();
    if (panel.WindowChanged)
        panel.WindowChanged();
}
