#include "CanvasPanel.h"

#include "view/Panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>

namespace {

PointerButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return PointerButton::Left;
    case Qt::RightButton:
        return PointerButton::Right;
    case Qt::MiddleButton:
        return PointerButton::Middle;
    default:
        return PointerButton::None;
    }
}

void Forward(const TCanvasPanel::PointerHandler& handler, const QMouseEvent& event,
             const QWidget& widget) {
    if (handler)
        handler(ToPointerEvent(event, widget));
}

} // namespace

PointerEvent ToPointerEvent(const QMouseEvent& event, const QWidget& widget) {
    const QPoint global = event.globalPosition().toPoint();
    const QPoint local = widget.mapFromGlobal(global);
    return {ButtonOf(event.button()), local.x(), local.y(), global.x(), global.y()};
}

TCanvasPanel::TCanvasPanel(P_PANEL& panel, QWidget* parent) : QWidget(parent), PanelRef(panel) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(100, 100);
    panel.Control = this;
    panel.WindowChanged = [this] { update(); };
}

void TCanvasPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    painter.drawImage(0, 0, PanelRef.WindowImage);
    if (Overlay)
        Overlay(painter);
}

void TCanvasPanel::resizeEvent(QResizeEvent* event) {
    // A panel opening or closing beside the canvas (the Layout Check dock)
    // moves only its right edge: the drawing stays where it is on screen.
    const QPoint leftTop = mapTo(window(), QPoint(0, 0));
    const QSize old = event->oldSize();
    const bool rightEdgeOnly = isVisible() && old.isValid() && leftTop == LastLeftTop &&
                               old.height() == event->size().height();
    const int centreBefore = PanelRef.CentreX;
    PanelRef.SetSize(event->size().width(), event->size().height(), devicePixelRatioF());
    if (rightEdgeOnly)
        PanelRef.Offset.X -= static_cast<float>(PanelRef.CentreX - centreBefore);
    LastLeftTop = leftTop;
    if (Resized)
        Resized();
}

void TCanvasPanel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (PointerMoved && rect().contains(at))
        PointerMoved(at.x(), at.y());
    Forward(MouseMove, *event, *this);
}

void TCanvasPanel::mousePressEvent(QMouseEvent* event) {
    Forward(MouseDown, *event, *this);
}

void TCanvasPanel::mouseReleaseEvent(QMouseEvent* event) {
    // A track drag held the pointer; it ends with the button.
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    Forward(MouseUp, *event, *this);
}

void TCanvasPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (DoubleClick)
        Forward(DoubleClick, *event, *this);
    else
        mousePressEvent(event);
}

void TCanvasPanel::wheelEvent(QWheelEvent* event) {
    if (!WheelTurned)
        return;
    const QPoint at = event->position().toPoint();
    WheelTurned(event->angleDelta().x(), event->angleDelta().y(), at.x(), at.y(),
                event->modifiers() & Qt::ShiftModifier);
    event->accept();
}
