#include "Panel.h"

void P_PANEL::SetSize(int width, int height) {
    Width = width;
    Height = height;
    CentreX = width / 2;
    CentreY = height / 2;
}

void P_PANEL::PrepareView() {
    View.Scale = Zoom;
    View.OriginX = OriginX();
    View.OriginY = OriginY();
    View.Filled = Filled;
    View.ShowPartCodes = ShowPartCodes;
}
