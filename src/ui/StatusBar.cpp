#include "StatusBar.h"

namespace {

constexpr int PANEL_WIDTHS[4] = {100, 110, 55, 50};

} // namespace

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(true);
    for (int i = 0; i < 4; ++i) {
        Panels[i] = new QLabel(this);
        Panels[i]->setMinimumWidth(PANEL_WIDTHS[i]);
        Panels[i]->setFrameShape(QFrame::StyledPanel);
        Panels[i]->setFrameShadow(QFrame::Sunken);
        // The hint takes whatever room is left.
        addWidget(Panels[i], i == 3 ? 1 : 0);
    }
}

void TStatusBar::SetPanelText(int panel, const QString& text) {
    if (panel >= 0 && panel < 4)
        Panels[panel]->setText(text);
}

QString TStatusBar::PanelText(int panel) const {
    return panel >= 0 && panel < 4 ? Panels[panel]->text() : QString();
}
