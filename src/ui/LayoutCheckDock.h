#pragma once
#include "edit/LayoutCheckCommands.h"

#include <QDockWidget>

class A_APPL;
class QListWidget;
class QPainter;
class QPushButton;

// "Layout Check": the findings of the design, refreshed after every edit
// while the dock shows; a click goes to the finding. The open ends and
// overlaps are marked on the design canvas meanwhile.
class TLayoutCheckDock : public QDockWidget {
    Q_OBJECT
  public:
    TLayoutCheckDock(A_APPL& appl, QWidget* parent);
    void Refresh();
    // The marks over the design canvas, in a colour no part has.
    void DrawMarks(QPainter& painter) const;

    QListWidget* LayoutCheckList = nullptr;
    QPushButton* CloseLoopButton = nullptr;

  private:
    A_APPL& ApplRef;
    std::vector<FindingLine> Lines;
    std::vector<CheckMark> Marks;
};
