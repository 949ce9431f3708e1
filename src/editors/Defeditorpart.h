#pragma once
#include <QWidget>
#include <vector>

class A_APPL;
class QAction;
class QLineEdit;
class QSlider;
class TCanvasPanel;
class TStatusBar;

// "Track Definitions Editor Part": the part under edit as it lies on the
// design, with its silkscreen drawn through the freehand editing.
class TDefEditorPartForm : public QWidget {
    Q_OBJECT
  public:
    // freehand: the main window's freehand commands, shown on this window's toolbar.
    TDefEditorPartForm(A_APPL& appl, const std::vector<QAction*>& freehand, QWidget* parent);
    void FormShow();

    TCanvasPanel* DefineCanvas = nullptr;
    QLineEdit* ZoomFactor = nullptr;
    QSlider* ZoomBar = nullptr;
    QLineEdit* InfoDefineGridX = nullptr;
    QLineEdit* InfoDefineGridY = nullptr;
    QLineEdit* FreePenWidth = nullptr;
    TStatusBar* StatusBar = nullptr;

  private:
    void ZoomBarChange(int position);
    void ZoomFactorAcceptText();
    void GridAcceptText(QLineEdit* field, bool xSpacing);
    void BuildToolbars(const std::vector<QAction*>& freehand);
    A_APPL& ApplRef;
};
