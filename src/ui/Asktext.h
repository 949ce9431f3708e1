#pragma once
#include <QDialog>
#include <QLineEdit>

// The text of a freehand text shape and its size; filled by the freehand editing.
class TAskTextForm : public QDialog {
    Q_OBJECT
  public:
    explicit TAskTextForm(QWidget* parent);
    QLineEdit* Text = nullptr;
    QLineEdit* Size = nullptr;
};
