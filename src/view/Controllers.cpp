#include "Controllers.h"

C_VIRELDO::C_VIRELDO(L_PARTDEF* emptyDef) : Design(emptyDef), History(emptyDef) {
    View.UseBitmap = true;
    View.NormalColor = RGB_BLACK;
    View.SelectedColor = RGB_BLUE;
}

void C_VIRELDO::InitDesignController() {
    FillAngleTable();
    Ruler = true;
    Grid = false;
    ShowOutOfStock = true;
    ColorOutOfStock = true;
    GridX = GridY = DEFAULT_GRID_SPACING;
    Zoom = 1.0f;
    Offset = ViewOffset{};
    Design.ClearDesign();
    Freehand.ClearLayer();
    History.ResetUndo(Design);
}

void C_ROOM::Reset() {
    ResetRoom(*this);
    View.Angle = 0;
}
