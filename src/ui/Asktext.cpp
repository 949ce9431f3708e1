#include "Asktext.h"

#include <QDialogButtonBox>
#include <QFormLayout>

TAskTextForm::TAskTextForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Text");
    auto* layout = new QFormLayout(this);
    Text = new QLineEdit(this);
    Size = new QLineEdit(this);
    layout->addRow("Text:", Text);
    layout->addRow("Size:", Size);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}
