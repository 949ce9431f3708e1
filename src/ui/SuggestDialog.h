#pragma once
#include "app/LayoutSuggestions.h"

#include <QDialog>
#include <memory>

class A_APPL;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QThread;
class QTimer;

// File > "Suggest Layouts...": the board and the options, a search on a
// worker thread with its progress and Cancel, the proposals as thumbnails;
// Open makes the chosen one the design. Kept between uses: it remembers what
// was asked.
class TSuggestForm : public QDialog {
  public:
    TSuggestForm(A_APPL& appl, QWidget* parent);
    ~TSuggestForm() override;

    void Suggest();
    bool Searching() const;
    int ProposalCount() const;
    // Opens proposal index (from 0); false when there is none or the user
    // kept the design.
    bool OpenProposal(int index);
    void showEvent(QShowEvent* event) override;
    void reject() override;

  private:
    A_APPL& Appl;
    QRadioButton* BoardChoice = nullptr;
    QRadioButton* RoomChoice = nullptr;
    QDoubleSpinBox* WidthBox = nullptr;
    QDoubleSpinBox* HeightBox = nullptr;
    QCheckBox* InStockBox = nullptr;
    QDoubleSpinBox* MinimumLapBox = nullptr;
    QCheckBox* CrossingBox = nullptr;
    QCheckBox* BridgesBox = nullptr;
    QSpinBox* CountBox = nullptr;
    QSpinBox* SeedBox = nullptr;
    QDoubleSpinBox* TimeLimitBox = nullptr;
    QPushButton* SuggestButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* OpenButton = nullptr;
    QProgressBar* Progress = nullptr;
    QLabel* Status = nullptr;
    QListWidget* Proposals = nullptr;
    QTimer* Poll = nullptr;
    JobProgress Job;
    QThread* Worker = nullptr;
    SuggestResult Result;
    L_BRAND* SuggestedFor = nullptr; // the brand of the proposals shown

    QWidget* BuildForm();
    SuggestRequest RequestOfForm() const;
    void Finished();
    void StopSearch();
    void ShowSearching(bool searching);
};
