#include "PrintAtScale.h"

#include "JobRunner.h"
#include "app/Appl.h"
#include "app/ExportCommands.h"
#include "i18n/Translate.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const int SCALES[] = {1, 2, 3, 4, 5, 10, 20, 25, 50};
constexpr int PREVIEW_DPI = 72;
constexpr double UNITS_PER_INCH = EXPORT_UNITS_DPI;

} // namespace

TPrintAtScaleDialog::TPrintAtScaleDialog(CanvasSet& canvases, TrueScaleStyle style, QWidget* parent)
    : QDialog(parent), Extent(LayoutExtent(canvases)), ScaleBox(new QComboBox(this)),
      PaperBox(new QComboBox(this)), StyleBox(new QComboBox(this)), PagesLabel(new QLabel(this)) {
    setObjectName("PrintAtScaleDialog");
    setWindowTitle(Texts::tr("Print at Scale"));
    for (int scale : SCALES)
        ScaleBox->addItem(QStringLiteral("1:%1").arg(scale), scale);
    for (const PaperChoice& paper : TILE_PAPERS)
        PaperBox->addItem(paper.Name, static_cast<int>(paper.Id));
    StyleBox->addItem(Texts::tr("Template: outlines, lane lines, codes and numbers"),
                      static_cast<int>(TrueScaleStyle::Template));
    StyleBox->addItem(Texts::tr("As on screen"), static_cast<int>(TrueScaleStyle::Screen));
    StyleBox->setCurrentIndex(style == TrueScaleStyle::Template ? 0 : 1);
    ScaleBox->setObjectName("ScaleBox");
    PaperBox->setObjectName("PaperBox");
    StyleBox->setObjectName("StyleBox");
    PagesLabel->setObjectName("PagesLabel");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(Texts::tr("Pre&view..."));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(Texts::tr("&Scale:"), ScaleBox);
    form->addRow(Texts::tr("&Paper:"), PaperBox);
    form->addRow(Texts::tr("S&tyle:"), StyleBox);
    form->addRow(Texts::tr("Pages:"), PagesLabel);
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

TrueScaleStyle TPrintAtScaleDialog::Style() const {
    return static_cast<TrueScaleStyle>(StyleBox->currentData().toInt());
}

int TPrintAtScaleDialog::Pages() const {
    const float mmPerCm = PaperMmPerCm(ScaleDenominator());
    return TileLayout(Extent.Width() * mmPerCm, Extent.Height() * mmPerCm, Paper()).Pages();
}

void TPrintAtScaleDialog::ShowPageCount() {
    const float mmPerCm = PaperMmPerCm(ScaleDenominator());
    const PageTiles tiles =
        TileLayout(Extent.Width() * mmPerCm, Extent.Height() * mmPerCm, Paper());
    PagesLabel->setText(Texts::tr("%1 x %2 = %3 pages (%4), and an overview page")
                            .arg(tiles.Columns)
                            .arg(tiles.Rows)
                            .arg(tiles.Columns * tiles.Rows)
                            .arg(tiles.Landscape ? Texts::tr("landscape") : Texts::tr("portrait")));
}

TTilePreviewDialog::TTilePreviewDialog(A_APPL& appl, std::unique_ptr<StandaloneCanvases> layout,
                                       int scale, QPageSize::PageSizeId paper, TrueScaleStyle style,
                                       QPrinter& printer, QWidget* parent)
    : QDialog(parent), ApplRef(appl), Layout(std::move(layout)),
      Document(std::make_unique<TiledDocument>(Layout->Set, scale, paper, style)), Printer(printer),
      PageView(new QLabel(this)), PageBox(new QSpinBox(this)) {
    setObjectName("TilePreviewDialog");
    setWindowTitle(Texts::tr("Print at 1:%1").arg(scale));
    PageView->setObjectName("PageView");
    PageView->setAlignment(Qt::AlignCenter);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(PageView);
    scroll->setWidgetResizable(true);
    PageBox->setObjectName("PageBox");
    PageBox->setRange(1, Document->Pages());
    auto* previous = new QPushButton(Texts::tr("&Previous"), this);
    auto* next = new QPushButton(Texts::tr("&Next"), this);
    auto* print = new QPushButton(Texts::tr("P&rint..."), this);
    print->setObjectName("PrintButton");
    auto* close = new QPushButton(Texts::tr("Close"), this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(previous);
    bar->addWidget(new QLabel(Texts::tr("Page"), this));
    bar->addWidget(PageBox);
    bar->addWidget(new QLabel(Texts::tr("of %1 (1 is the overview)").arg(Pages()), this));
    bar->addWidget(next);
    bar->addStretch();
    bar->addWidget(print);
    bar->addWidget(close);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addLayout(bar);
    layoutBox->addWidget(scroll, 1);
    connect(PageBox, &QSpinBox::valueChanged, this, [this](int page) { ShowPage(page - 1); });
    connect(previous, &QPushButton::clicked, this, [this] { PageBox->stepBy(-1); });
    connect(next, &QPushButton::clicked, this, [this] { PageBox->stepBy(1); });
    connect(print, &QPushButton::clicked, this, [this] {
        if (PrintAll())
            accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 900);
    ShowPage(0);
}

TTilePreviewDialog::~TTilePreviewDialog() = default;

void TTilePreviewDialog::ShowPage(int page) {
    const QPageLayout layout = Document->PageLayout();
    const QSize size = layout.fullRectPixels(PREVIEW_DPI).size();
    Shown = QImage(size, QImage::Format_ARGB32_Premultiplied);
    Shown.fill(Qt::white);
    QPainter painter(&Shown);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(PREVIEW_DPI / UNITS_PER_INCH, PREVIEW_DPI / UNITS_PER_INCH);
    Document->PaintPage(painter, std::clamp(page, 0, Pages() - 1));
    painter.end();
    PageView->setPixmap(QPixmap::fromImage(Shown));
}

bool TTilePreviewDialog::PrintAll() {
    if (!ApplRef.Dialogs().Print(Printer))
        return false;
    const JobResult result = RunWithProgress(
        this, Texts::tr("Printing"), Texts::tr("pages"),
        [this](JobProgress& progress) { return PrintTiles(*Document, Printer, progress); });
    if (result == JobResult::Failed)
        ShowAppError(ApplRef, Texts::Mark("The pages could not be printed."));
    return result == JobResult::Done;
}

bool PrintTiles(TiledDocument& document, QPrinter& printer, JobProgress& progress) {
    const QString target = printer.outputFileName();
    if (target.isEmpty())
        return PaintTiles(document, printer, &progress, [&] { printer.abort(); });
    // Printed to a file: written beside it and put in place only when whole,
    // so a cancelled or failed job leaves the file the user had, or none.
    const std::string file = target.toLocal8Bit().toStdString();
    const std::string partial = PartialFileName(file);
    printer.setOutputFileName(QString::fromLocal8Bit(partial.c_str()));
    const bool printed = PaintTiles(document, printer, &progress);
    printer.setOutputFileName(target);
    return CommitPartial(partial, file, printed);
}

void PrintAtScale(A_APPL& appl, QPrinter& printer, QWidget* parent) {
    TPrintAtScaleDialog ask(appl.Canvases, appl.OutputStyle, parent);
    if (ask.exec() != QDialog::Accepted)
        return;
    appl.OutputStyle = ask.Style();
    if (ask.Pages() > MANY_PAGES &&
        appl.Dialogs().YesNo(Texts::Fill(Texts::Mark("This prints %1 pages. Go on?"),
                                         {std::to_string(ask.Pages())})) != DialogAnswer::Yes)
        return;
    printer.setDocName(DesignTitle(appl.Canvases));
    TTilePreviewDialog preview(appl, CopyCanvases(appl.Canvases), ask.ScaleDenominator(),
                               ask.Paper(), ask.Style(), printer, parent);
    preview.exec();
}
