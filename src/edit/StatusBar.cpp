#include "StatusBar.h"
#include "app/EditModes.h"
#include "i18n/Translate.h"

#include <QFontMetrics>

namespace {

// The widest text each of the first three panels shows: a mode caption (in
// the language the program speaks), a pointer position, a distance. The
// panels never change width with the text.
QString WidestText(int panel, const QFontMetrics& metrics) {
    if (panel == 1)
        return "(-99.9999, -99.9999) ft";
    if (panel == 2)
        return "999.9999 ft";
    QString widest;
    for (const char* caption : ModeCaptions())
        if (metrics.horizontalAdvance(Texts::tr(caption)) > metrics.horizontalAdvance(widest))
            widest = Texts::tr(caption);
    return widest;
}
constexpr int TEXT_MARGIN = 12;

} // namespace

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(true);
    for (int i = 0; i < 4; ++i) {
        Panels[i] = new QLabel(this);
        Panels[i]->setFrameShape(QFrame::StyledPanel);
        Panels[i]->setFrameShadow(QFrame::Sunken);
        if (i < 3) {
            const QFontMetrics metrics(Panels[i]->font());
            const int text = metrics.horizontalAdvance(WidestText(i, metrics));
            Panels[i]->setFixedWidth(std::max(PANEL_WIDTHS[i], text + TEXT_MARGIN));
        } else {
            Panels[i]->setMinimumWidth(PANEL_WIDTHS[i]);
            // A long hint takes a second line rather than being cut off.
            Panels[i]->setWordWrap(true);
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
