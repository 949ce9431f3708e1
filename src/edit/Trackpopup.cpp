#include "Trackpopup.h"
#include "i18n/Translate.h"

#include <QFormLayout>
#include <QLabel>

TTrackPopupForm::TTrackPopupForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowDoesNotAcceptFocus) {
    setWindowTitle(Texts::tr("Info"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QFormLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    for (QLineEdit** edit : {&Travel1, &Travel2}) {
        *edit = new QLineEdit(this);
        (*edit)->setReadOnly(true);
        (*edit)->setEnabled(false);
        (*edit)->setFixedWidth(76);
        QFont font("Arial");
        (*edit)->setFont(font);
    }
    layout->addRow(Texts::tr("Lane 1:"), Travel1);
    layout->addRow(Texts::tr("Lane 2:"), Travel2);
    setFixedSize(124, 47 + 8);
}
