#pragma once
#include <QDialog>
#include <array>

class A_APPL;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class TDefEditorPartForm;
struct PartFields;

// "Track Definitions Editor": brands and their parts, every field of a part,
// and the commands of its Edit, Options and Define menus. The part drawing
// window beside it shows the part under edit.
class TDefEditorForm : public QDialog {
    Q_OBJECT
  public:
    TDefEditorForm(A_APPL& appl, TDefEditorPartForm& partForm, QWidget* parent);

    QComboBox* DBrandBox = nullptr;
    QPushButton* DNewBrandButton = nullptr;
    QPushButton* DDeleteBrandButton = nullptr;
    QLineEdit* DBrandDescription = nullptr;
    QLineEdit* DDefaultWidth = nullptr;
    QLineEdit* DPartZoom = nullptr;
    std::array<QRadioButton*, 5> DLanes{}; // DTwoLane .. DTenLane
    QCheckBox* DMetric = nullptr;
    QTableWidget* DPartsGrid = nullptr;
    QPushButton* DNewPartButton = nullptr;
    QPushButton* DUpButton = nullptr;
    QPushButton* DDownButton = nullptr;
    QPushButton* DDeletePartButton = nullptr;
    std::array<QRadioButton*, 4> DTypes{}; // DCurve, DStraight, DInterface, DFreeform
    QCheckBox* DCrossTrack = nullptr;
    std::array<QGroupBox*, 4> TypeGroups{}; // by type: curve, straight, interface, freeform
    QAction* DefineGridMenu = nullptr;

    // The refresh steps: brand list, brand fields, parts grid, part fields.
    void RefreshBrandList();
    void RefreshBrand();
    void RefreshParts();
    void RefreshPart();
    // The grid row of the current part.
    int CurrentRow() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void BuildMenus();
    QGroupBox* BuildBrandGroup();
    QGroupBox* BuildPartsGroup();
    QWidget* BuildPartFields();
    QLineEdit* Field(const char* name, int maxLength);
    // The part field boxes, in the order of PartFields.
    void Fields(PartFields& fields, bool store);
    void StoreBrandFields();
    void StorePartFields();
    void BrandFieldChanged();
    void PartFieldChanged();
    void DBrandBoxChange(int index);
    void DPartsGridSelectCell(int row);
    void DPartsGridSetEditText(int row, int column);
    void AfterBrandChange();
    void PlacePartForm();
    void Repaint();

    A_APPL& ApplRef;
    TDefEditorPartForm& PartForm;
    bool Filling = false;
    std::array<QLineEdit*, 21> PartBoxes{};
};
