#include "PrintAtScale.h"

#include "render/TiledPdf.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

const int SCALES[] = {1, 2, 3, 4, 5, 10, 20, 25, 50};

} // namespace

TPrintAtScaleDialog::TPrintAtScaleDialog(CanvasSet& canvases, QWidget* parent)
    : QDialog(parent), Extent(LayoutExtent(canvases)), ScaleBox(new QComboBox(this)),
      PaperBox(new QComboBox(this)), PagesLabel(new QLabel(this)) {
    setObjectName("PrintAtScaleDialog");
    setWindowTitle("Print at Scale");
    for (int scale : SCALES)
        ScaleBox->addItem(QStringLiteral("1:%1").arg(scale), scale);
    for (const PaperChoice& paper : TILE_PAPERS)
        PaperBox->addItem(paper.Name, static_cast<int>(paper.Id));
    ScaleBox->setObjectName("ScaleBox");
    PaperBox->setObjectName("PaperBox");
    PagesLabel->setObjectName("PagesLabel");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("Pre&view...");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow("&Scale:", ScaleBox);
    form->addRow("&Paper:", PaperBox);
    form->addRow("Pages:", PagesLabel);
    form->addRow(buttons);
    connect(ScaleBox, &QComboBox::currentIndexChanged, this, [this] { ShowPageCount(); });
    connect(PaperBox, &QComboBox::currentIndexChanged, this, [this] { ShowPageCount(); });
    ShowPageCount();
}

int TPrintAtScaleDialog::ScaleDenominator() const {
    return ScaleBox->currentData().toInt();
}

QPageSize::PageSizeId TPrintAtScaleDialog::Paper() const {
    return static_cast<QPageSize::PageSizeId>(PaperBox->currentData().toInt());
}

void TPrintAtScaleDialog::ShowPageCount() {
    const float mmPerCm = PaperMmPerCm(ScaleDenominator());
    const PageTiles tiles =
        TileLayout(Extent.Width() * mmPerCm, Extent.Height() * mmPerCm, Paper());
    PagesLabel->setText(QStringLiteral("%1 x %2 = %3 pages (%4), and an overview page")
                            .arg(tiles.Columns)
                            .arg(tiles.Rows)
                            .arg(tiles.Columns * tiles.Rows)
                            .arg(tiles.Landscape ? "landscape" : "portrait"));
}

void PrintAtScale(CanvasSet& canvases, QPrinter& printer, QWidget* parent) {
    TPrintAtScaleDialog ask(canvases, parent);
    if (ask.exec() != QDialog::Accepted)
        return;
    const int scale = ask.ScaleDenominator();
    const QPageSize::PageSizeId paper = ask.Paper();
    printer.setDocName(DesignTitle(canvases));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Print at 1:%1").arg(scale));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) {
                         PageTiles tiles;
                         PaintTiles(canvases, *target, scale, paper, tiles);
                     });
    preview.exec();
}
