#include "StatusBar.h"

#include <QFontMetrics>

namespace {

// The widest text each of the first three panels shows: a mode caption, a
// pointer position, a distance. The panels never change width with the text.
const char* const WIDEST_TEXTS[3] = {"Start Rectangle Fill", "(-99.9999, -99.9999) ft",
                                     "999.9999 ft"};
constexpr int TEXT_MARGIN = 12;

} // namespace

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(true);
    for (int i = 0; i < 4; ++i) {
        Panels[i] = new QLabel(this);
        Panels[i]->setFrameShape(QFrame::StyledPanel);
        Panels[i]->setFrameShadow(QFrame::Sunken);
        if (i < 3) {
            const int text = QFontMetrics(Panels[i]->font()).horizontalAdvance(WIDEST_TEXTS[i]);
            Panels[i]->setFixedWidth(std::max(PANEL_WIDTHS[i], text + TEXT_MARGIN));
        } else {
            Panels[i]->setMinimumWidth(PANEL_WIDTHS[i]);
        }
        // The hint takes whatever room is left.
        addWidget(Panels[i], i == 3 ? 1 : 0);
    }
}

int TStatusBar::PanelWidth(int panel) const {
    return panel >= 0 && panel < 4 ? Panels[panel]->width() : 0;
}

void TStatusBar::SetPanelText(int panel, const QString& text) {
    if (panel >= 0 && panel < 4)
        Panels[panel]->setText(text);
}

QString TStatusBar::PanelText(int panel) const {
    return panel >= 0 && panel < 4 ? Panels[panel]->text() : QString();
}
