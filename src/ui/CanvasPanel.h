#pragma once
#include <QWidget>
#include <functional>

struct P_PANEL;

// A paint panel: it shows its panel's window image and reports its size.
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

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    P_PANEL& PanelRef;
};
