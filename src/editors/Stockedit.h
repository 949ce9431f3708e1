#pragma once
#include <QDialog>

class A_APPL;
class QTableWidget;

// "Inventory Editor": the parts of the design's brand with the stock the user
// owns, what the design uses and what is left. Every stock typed is stored.
class TStockEditorForm : public QDialog {
    Q_OBJECT
  public:
    TStockEditorForm(A_APPL& appl, QWidget* parent);
    // Fills the grid from the brand and the design, as every showing does.
    void FormShow();
    QTableWidget* InfoTrackSectionsGrid = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void InfoTrackSectionsGridSetEditText(int column, const QString& text, int row);
    A_APPL& ApplRef;
    bool Filling = false;
};
