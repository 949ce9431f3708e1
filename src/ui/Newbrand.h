#pragma once
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

// "Ask Brand Code": the code of a new brand, in capitals, at most 16 letters.
class TDefineNewBrand : public QDialog {
    Q_OBJECT
  public:
    explicit TDefineNewBrand(QWidget* parent);
    QLineEdit* Code = nullptr;
    QPushButton* OkButton = nullptr;

  protected:
    void showEvent(QShowEvent* event) override; // FormShow
};
