#include "Asktext.h"
#include "edit/FixedSize.h"
#include "i18n/Translate.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {

constexpr int CLIENT_WIDTH = 415;
constexpr int CLIENT_HEIGHT = 36;
constexpr int TEXT_FIELD_WIDTH = 297;
constexpr int SIZE_FIELD_WIDTH = 33;
constexpr int MAX_TEXT = 128;

} // namespace

TAskTextForm::TAskTextForm(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(Texts::tr("Freehand Text"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    Text = new QLineEdit(this);
    Text->setObjectName("Text");
    Text->setFixedWidth(TEXT_FIELD_WIDTH);
    Text->setMaxLength(MAX_TEXT);
    Size = new QLineEdit("8", this);
    Size->setObjectName("Size");
    Size->setFixedWidth(SIZE_FIELD_WIDTH);
    OKButtonn = new QPushButton(Texts::tr("OK"), this);
    OKButtonn->setObjectName("OKButtonn");
    OKButtonn->setDefault(true);
    layout->addWidget(Text);
    layout->addWidget(Size);
    layout->addWidget(OKButtonn);
    connect(OKButtonn, &QPushButton::clicked, this, &QDialog::accept);
    FixSizeAtLeast(*this, {CLIENT_WIDTH, CLIENT_HEIGHT});
}
