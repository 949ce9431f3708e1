#pragma once
#include "render/TiledPdf.h"

#include <QDialog>
#include <QImage>
#include <QPageSize>
#include <memory>

class A_APPL;
class QComboBox;
class QLabel;
class QPrinter;
class QSpinBox;

// "Print at &Scale...": the scale, the paper and the style, with the number
// of pages they give, then the tiled pages in a preview that prints them.
class TPrintAtScaleDialog : public QDialog {
  public:
    TPrintAtScaleDialog(CanvasSet& canvases, TrueScaleStyle style, QWidget* parent);
    int ScaleDenominator() const;
    QPageSize::PageSizeId Paper() const;
    TrueScaleStyle Style() const;
    int Pages() const; // with the overview

  private:
    void ShowPageCount();
    const WorldExtent Extent; // measured once: every choice recounts the pages
    QComboBox* ScaleBox;
    QComboBox* PaperBox;
    QComboBox* StyleBox;
    QLabel* PagesLabel;
};

// The pages of a tiled print, each drawn when it is shown, however many
// there are; "Print..." prints them all beside the window.
class TTilePreviewDialog : public QDialog {
  public:
    TTilePreviewDialog(A_APPL& appl, std::unique_ptr<StandaloneCanvases> layout, int scale,
                       QPageSize::PageSizeId paper, TrueScaleStyle style, QPrinter& printer,
                       QWidget* parent);
    ~TTilePreviewDialog() override;
    void ShowPage(int page); // 0: the overview
    int Pages() const { return Document->Pages(); }
    // The shown page as it is drawn on the screen.
    const QImage& PageImage() const { return Shown; }
    // Prints every page; false when cancelled or not printed.
    bool PrintAll();

  private:
    A_APPL& ApplRef;
    std::unique_ptr<StandaloneCanvases> Layout; // a copy: printing runs beside the window
    std::unique_ptr<TiledDocument> Document;
    QPrinter& Printer;
    QImage Shown;
    QLabel* PageView;
    QSpinBox* PageBox;
};

// Prints every page of the document; a cancelled job is dropped by the
// printer, and one printed to a file leaves no file behind.
bool PrintTiles(TiledDocument& document, QPrinter& printer, JobProgress& progress);

// Pages beyond this many are printed only when the user says so.
constexpr int MANY_PAGES = 100;

// Asks for scale, paper and style, warns beyond MANY_PAGES pages and shows
// the preview; printer keeps its set-up.
void PrintAtScale(A_APPL& appl, QPrinter& printer, QWidget* parent);
