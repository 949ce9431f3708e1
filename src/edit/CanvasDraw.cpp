#include "CanvasDraw.h"

#include "render/PartRender.h"
#include "toolkit/DrawCanvas.h"

#include <QPainter>

void DrawOnBitmap(P_PANEL& panel, const T_PLACED& placed) {
    panel.Bitmap.BeginUpdate();
    DrawPlacedPart(placed, panel.View);
    panel.Bitmap.EndUpdate();
}

void DrawOnWindow(P_PANEL& panel, const T_PLACED& placed, P_VIEW& view, bool exclusiveOr) {
    QPainter painter(&panel.WindowImage);
    DrawCanvas canvas(painter);
    canvas.SetXor(exclusiveOr);
    DrawCanvas* const previousCanvas = view.Canvas;
    const bool previousUseBitmap = view.UseBitmap;
    view.Canvas = &canvas;
    view.UseBitmap = false;
    DrawPlacedPart(placed, view);
    view.Canvas = previousCanvas;
    view.UseBitmap = previousUseBitmap;
    painter.end();
    if (panel.WindowChanged)
        panel.WindowChanged();
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
