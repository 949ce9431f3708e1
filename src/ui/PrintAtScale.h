#pragma once
#include "render/TrueScale.h"

#include <QDialog>
#include <QPageSize>

class QComboBox;
class QLabel;
class QPrinter;

// "Print at &Scale...": the scale and the paper, with the number of pages
// they give, then the tiled pages in a print preview that prints them.
class TPrintAtScaleDialog : public QDialog {
  public:
    TPrintAtScaleDialog(CanvasSet& canvases, QWidget* parent);
    int ScaleDenominator() const;
    QPageSize::PageSizeId Paper() const;

  private:
    void ShowPageCount();
    const WorldExtent Extent; // measured once: every choice recounts the pages
    QComboBox* ScaleBox;
    QComboBox* PaperBox;
    QLabel* PagesLabel;
};

// Asks for scale and paper and shows the preview; printer keeps its set-up.
void PrintAtScale(CanvasSet& canvases, QPrinter& printer, QWidget* parent);
