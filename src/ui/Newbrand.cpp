#include "Newbrand.h"
#include "edit/FixedSize.h"
#include "i18n/Translate.h"

#include <QGridLayout>
#include <QLabel>

namespace {

constexpr int MAX_CODE_LENGTH = 16;

} // namespace

TDefineNewBrand::TDefineNewBrand(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setWindowTitle(Texts::tr("Ask Brand Code"));
    auto* layout = new QGridLayout(this);
    auto* label = new QLabel(Texts::tr("Brand code:"), this);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    Code = new QLineEdit(this);
    Code->setMaxLength(MAX_CODE_LENGTH);
    connect(Code, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int cursor = Code->cursorPosition();
        Code->setText(text.toUpper());
        Code->setCursorPosition(cursor);
    });
    OkButton = new QPushButton(Texts::tr("OK"), this);
    auto* cancel = new QPushButton(Texts::tr("Cancel"), this);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(label, 0, 0);
    layout->addWidget(Code, 0, 1, 1, 2);
    layout->addWidget(OkButton, 1, 1);
    layout->addWidget(cancel, 1, 2);
    FixSizeAtLeast(*this, {231, 70});
}

void TDefineNewBrand::showEvent(QShowEvent* event) {
    Code->clear();
    OkButton->setDefault(true);
    Code->setFocus();
    QDialog::showEvent(event);
}
