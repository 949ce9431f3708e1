#pragma once
#include "Pointer.h"

#include <QWidget>
#include <functional>

struct P_PANEL;
class QPainter;

// A paint panel: it shows its panel's window image, reports its size and
// hands its pointer events, in canvas pixels, to the handlers it is given.
// Drawing happens in the panel's images, never in the paint event.
class TCanvasPanel : public QWidget {
    Q_OBJECT
  public:
    TCanvasPanel(P_PANEL& panel, QWidget* parent);
    P_PANEL& Panel() { return PanelRef; }
    // Called after a resize gave the panel its new size.
    std::function<void()> Resized;
    // Called on every pointer move over the panel, with canvas pixels.
    std::function<void(int, int)> PointerMoved;
    using PointerHandler = std::function<void(const PointerEvent&)>;
    PointerHandler MouseDown;
    PointerHandler MouseUp;
    PointerHandler MouseMove;
    PointerHandler DoubleClick;
    // Drawn over the window image on every paint, when set.
    std::function<void(QPainter&)> Overlay;
    // Wheel turns in eighths of a degree, and whether Shift was held.
    std::function<void(int deltaX, int deltaY, int x, int y, bool shift)> WheelTurned;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    P_PANEL& PanelRef;
    QPoint LastLeftTop; // in the window, as last laid out
};

// The pointer event of a Qt mouse event, in the coordinates of `widget`.
PointerEvent ToPointerEvent(const QMouseEvent& event, const QWidget& widget);
