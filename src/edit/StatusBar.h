#pragma once
#include <QLabel>
#include <QStatusBar>
#include <array>

// The panels' widths at least: mode, position, distance, hint (the hint
// takes the rest).
constexpr int PANEL_WIDTHS[4] = {100, 110, 55, 50};

// The status bar of a canvas window: panel 0 the mode, 1 the pointer
// position, 2 the measured distance, 3 the hint.
class TStatusBar : public QStatusBar {
    Q_OBJECT
  public:
    explicit TStatusBar(QWidget* parent);
    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;
    int PanelWidth(int panel) const;

  private:
    std::array<QLabel*, 4> Panels{};
};
