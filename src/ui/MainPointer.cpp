#include "Main.h"
#include "app/Appl.h"
#include "edit/CanvasPanel.h"
#include "edit/PartSelector.h"
#include "edit/RoomCanvas.h"
#include "edit/TrackCanvas.h"
#include "edit/Trackpopup.h"
#include "edit/ViewPan.h"
#include "i18n/Translate.h"
#include "view/ViewMath.h"

#include <QCursor>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>
#include <QToolTip>
#include <cmath>

namespace {

// The palette keeps the pointer from its press on; while a part is dragged,
// what happens over the design canvas is the design canvas's.
bool OverCanvas(const TCanvasPanel* canvas, const PointerEvent& event, PointerEvent& mapped) {
    const QPoint local = canvas->mapFromGlobal(QPoint(event.ScreenX, event.ScreenY));
    if (!canvas->isVisible() || !canvas->rect().contains(local))
        return false;
    mapped = event;
    mapped.X = local.x();
    mapped.Y = local.y();
    return true;
}

} // namespace

void TMainForm::BindPointerHandlers() {
    A_APPL& appl = ApplRef;
    TrackCanvas->MouseDown = [&appl](const PointerEvent& e) { TrackCanvasMouseDown(appl, e); };
    TrackCanvas->MouseUp = [&appl](const PointerEvent& e) { TrackCanvasMouseUp(appl, e); };
    TrackCanvas->MouseMove = [&appl](const PointerEvent& e) { TrackCanvasMouseMove(appl, e); };
    RoomCanvas->MouseDown = [&appl](const PointerEvent& e) { RoomCanvasMouseDown(appl, e); };
    RoomCanvas->MouseUp = [&appl](const PointerEvent& e) { RoomCanvasMouseUp(appl, e); };
    RoomCanvas->MouseMove = [&appl](const PointerEvent& e) { RoomCanvasMouseMove(appl, e); };
    PartSelector->MouseDown = [&appl](const PointerEvent& e) {
        if (e.Button == PointerButton::Left)
            PartSelectorMouseDown(appl, e.X, e.Y);
    };
    PartSelector->MouseMove = [this, &appl](const PointerEvent& e) {
        PointerEvent onDesign;
        if (appl.Edit.Mode == EditMode::DragPart && OverCanvas(TrackCanvas, e, onDesign))
            TrackCanvasMouseMove(appl, onDesign);
        else
            PartSelectorMouseMove(appl, e.X, e.Y);
    };
    PartSelector->MouseUp = [this, &appl](const PointerEvent& e) {
        PointerEvent onDesign;
        if (appl.Edit.Mode == EditMode::DragPart && OverCanvas(TrackCanvas, e, onDesign))
            TrackCanvasMouseUp(appl, onDesign);
        else
            PartSelectorMouseUp(appl, e.X, e.Y);
    };
    PartSelector->DoubleClick = [&appl](const PointerEvent& e) {
        if (e.Button == PointerButton::Left)
            PartSelectorDblClick(appl, e.X, e.Y);
    };
    BindWheel(TrackCanvas, appl.Design);
    BindWheel(RoomCanvas, appl.Room);
}

void TMainForm::BindWheel(TCanvasPanel* canvas, P_PANEL& panel) {
    canvas->WheelTurned = [this, &panel](int dx, int dy, int x, int y, bool shift) {
        WheelTurned(ApplRef, panel, dx, dy, x, y, shift);
    };
}

void TMainForm::SetHint(CanvasId canvas, const std::string& text) {
    QWidget* widget = CanvasWidget(canvas);
    if (!widget)
        return;
    const QString hint = Texts::Message(text);
    if (widget->toolTip() == hint)
        return;
    widget->setToolTip(hint);
    if (hint.isEmpty())
        QToolTip::hideText();
    else if (widget->underMouse())
        QToolTip::showText(QCursor::pos(), hint, widget);
}

void TMainForm::ShowTrackPopup(int screenX, int screenY, const std::string& lane1,
                               const std::string& lane2) {
    TrackPopup->Travel1->setText(QString::fromLatin1(lane1.c_str()));
    TrackPopup->Travel2->setText(QString::fromLatin1(lane2.c_str()));
    TrackPopup->move(screenX, screenY);
    TrackPopup->show();
}

void TMainForm::MoveTrackPopup(int screenX, int screenY) {
    TrackPopup->move(screenX, screenY);
}

void TMainForm::HideTrackPopup() {
    TrackPopup->hide();
}

void TMainForm::ShowPanelZoom(CanvasId canvas, float zoom) {
    const bool room = canvas == CanvasId::Room;
    QSlider* slider = room ? RoomZoomBar : ZoomBar;
    ShowZoom(room ? RoomZoomFactor : ZoomFactor, zoom);
    // The slider shows the nearest position without setting its own zoom.
    const QSignalBlocker quiet(slider);
    slider->setValue(static_cast<int>(std::lround((zoom - ZoomFromBar(0)) / ZOOM_BAR_STEP)));
}

void TMainForm::SetPaletteScrollMaximum(int maximum) {
    PartSelectorScrollBar->setMaximum(maximum);
}
