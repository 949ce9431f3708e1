#include "Panel.h"

P_PANEL::P_PANEL() {
    View.Bitmap = &Bitmap;
    WindowImage.fill(Qt::white);
}

void P_PANEL::SetSize(int width, int height, qreal pixelRatio) {
    Width = width;
    Height = height;
    CentreX = width / 2;
    CentreY = height / 2;
    Bitmap.SetSize(width, height, pixelRatio);
}

void P_PANEL::Blit() {
    Bitmap.CopyTo(WindowImage);
    if (WindowChanged)
        WindowChanged();
}

void P_PANEL::PrepareView() {
    View.Scale = Zoom;
    View.OriginX = OriginX();
    View.OriginY = OriginY();
    View.Filled = Filled;
    View.ShowPartCodes = ShowPartCodes;
    View.ShowHeights = ShowHeights;
}
