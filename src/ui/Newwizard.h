#pragma once
#include "app/Dialogs.h"

#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

// Asks for the brand and the number of lanes of a new design.
constexpr int WIZARD_WIDTH = 294;
constexpr int WIZARD_HEIGHT = 376;
constexpr int MAX_WIZARD_WIDTH = 640;
constexpr int BRAND_BOX_MARGIN = 48; // the dialog's and the list's borders and padding

class TNewDesignWizard : public QDialog {
    Q_OBJECT
  public:
    explicit TNewDesignWizard(QWidget* parent);
    // Fills the controls from the request, shows the wizard modally and
    // returns what the user chose.
    NewDesignAnswer Ask(const NewDesignRequest& request);
    void Fill(const NewDesignRequest& request);
    NewDesignAnswer Answer(bool ok) const;

    QListWidget* BrandBox = nullptr;
    QRadioButton* TwoLane = nullptr;
    QRadioButton* FourLane = nullptr;
    QRadioButton* SixLane = nullptr;
    QRadioButton* EightLane = nullptr;
    QRadioButton* TenLane = nullptr;
    QPushButton* OkButton = nullptr;
    QCheckBox* StartupCheckBox = nullptr;
};
