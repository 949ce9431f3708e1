#include "ViewPan.h"

#include "view/ViewMath.h"

#include <algorithm>
#include <cmath>

namespace {

// Pixels one wheel notch pans.
constexpr float WHEEL_PAN_PIXELS = 40.0f;

CanvasId CanvasOf(const A_APPL& appl, const P_PANEL& panel) {
    if (&panel == &appl.Design)
        return CanvasId::Track;
    return &panel == &appl.Room ? CanvasId::Room : CanvasId::Define;
}

} // namespace

void BeginViewDrag(A_APPL& appl, P_PANEL& panel, int x, int y) {
    EditState& edit = appl.Edit;
    SetEditMode(appl, EditMode::Move);
    edit.DragStart = {x, y};
    edit.DragOriginX = panel.Offset.X;
    edit.DragOriginY = panel.Offset.Y;
    RepaintOutlines(appl.Canvases);
}

void DragView(A_APPL& appl, P_PANEL& panel, int x, int y) {
    const EditState& edit = appl.Edit;
    panel.Offset.X = edit.DragOriginX - static_cast<float>(edit.DragStart.X - x);
    panel.Offset.Y = edit.DragOriginY - static_cast<float>(edit.DragStart.Y - y);
    RepaintOutlines(appl.Canvases);
}

void BeginPan(A_APPL& appl, P_PANEL& panel, int x, int y) {
    EditState& edit = appl.Edit;
    edit.PanPanel = &panel;
    edit.PanStart = {x, y};
    edit.PanOrigin = panel.Offset;
}

bool MovePan(A_APPL& appl, int x, int y) {
    const EditState& edit = appl.Edit;
    if (!edit.PanPanel)
        return false;
    edit.PanPanel->Offset.X = edit.PanOrigin.X - static_cast<float>(edit.PanStart.X - x);
    edit.PanPanel->Offset.Y = edit.PanOrigin.Y - static_cast<float>(edit.PanStart.Y - y);
    RepaintOutlines(appl.Canvases);
    return true;
}

bool EndPan(A_APPL& appl) {
    if (!appl.Edit.PanPanel)
        return false;
    appl.Edit.PanPanel = nullptr;
    RepaintPanel(appl.Canvases);
    return true;
}

void WheelZoom(A_APPL& appl, P_PANEL& panel, int delta, int x, int y) {
    if (delta == 0 || appl.Edit.PanPanel)
        return;
    const float wanted =
        panel.Zoom * std::pow(WHEEL_ZOOM_STEP, static_cast<float>(delta) / WHEEL_NOTCH);
    const float zoom = std::clamp(wanted, std::min(panel.Zoom, WHEEL_ZOOM_MIN),
                                  std::max(panel.Zoom, WHEEL_ZOOM_MAX));
    const WorldPoint under = ScreenToWorld(panel, static_cast<float>(x), static_cast<float>(y));
    panel.Zoom = zoom;
    panel.Offset.X = x - panel.CentreX - under.X * zoom;
    panel.Offset.Y = y - panel.CentreY - under.Y * zoom;
    appl.Edit.PendingPreview = false;
    RepaintPanel(appl.Canvases);
    if (appl.Window)
        appl.Window->ShowPanelZoom(CanvasOf(appl, panel), zoom);
}

void WheelPanAcross(A_APPL& appl, P_PANEL& panel, int delta) {
    if (delta == 0 || appl.Edit.PanPanel)
        return;
    panel.Offset.X += delta * WHEEL_PAN_PIXELS / WHEEL_NOTCH;
    appl.Edit.PendingPreview = false;
    RepaintPanel(appl.Canvases);
}

void WheelTurned(A_APPL& appl, P_PANEL& panel, int deltaX, int deltaY, int x, int y, bool shift) {
    if (shift) {
        WheelPanAcross(appl, panel, deltaY != 0 ? deltaY : deltaX);
        return;
    }
    WheelPanAcross(appl, panel, deltaX);
    WheelZoom(appl, panel, deltaY, x, y);
}
