#pragma once
#include <QDialog>
#include <QLineEdit>

class QPushButton;

// "Freehand Text": the text of a freehand text shape and its size in points.
// Only the close box or OK close it.
class TAskTextForm : public QDialog {
    Q_OBJECT
  public:
    explicit TAskTextForm(QWidget* parent);
    QLineEdit* Text = nullptr;
    QLineEdit* Size = nullptr;
    QPushButton* OKButtonn = nullptr;
};
