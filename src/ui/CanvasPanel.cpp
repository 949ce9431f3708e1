#include "CanvasPanel.h"

#include "view/Panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

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
}

void TCanvasPanel::resizeEvent(QResizeEvent* event) {
    PanelRef.SetSize(event->size().width(), event->size().height());
    if (Resized)
        Resized();
}

void TCanvasPanel::mouseMoveEvent(QMouseEvent* event) {
    if (PointerMoved)
        PointerMoved(event->position().toPoint().x(), event->position().toPoint().y());
}
