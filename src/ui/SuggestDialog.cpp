#include "SuggestDialog.h"

#include "app/Appl.h"
#include "app/DesignCommands.h"
#include "i18n/Translate.h"
#include "render/LayoutThumbnail.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int POLL_MS = 100;
constexpr int PROGRESS_STEPS = 1000;
const QSize THUMBNAIL(220, 140);

QDoubleSpinBox* NumberBox(QWidget* parent, const char* name, double low, double high, double value,
                          const char* suffix) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(low, high);
    box->setDecimals(0);
    box->setValue(value);
    box->setSuffix(suffix);
    return box;
}

QSpinBox* CountingBox(QWidget* parent, const char* name, int low, int high, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

} // namespace

TSuggestForm::TSuggestForm(A_APPL& appl, QWidget* parent) : QDialog(parent), Appl(appl) {
    setObjectName("SuggestForm");
    setWindowTitle(Texts::tr("Suggest Layouts"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(BuildForm());
    auto* right = new QVBoxLayout;
    Proposals = new QListWidget(this);
    Proposals->setObjectName("ProposalList");
    Proposals->setViewMode(QListView::IconMode);
    Proposals->setIconSize(THUMBNAIL);
    Proposals->setResizeMode(QListView::Adjust);
    Proposals->setMovement(QListView::Static);
    Proposals->setSpacing(6);
    Proposals->setMinimumSize(3 * (THUMBNAIL.width() + 20), 2 * (THUMBNAIL.height() + 50));
    right->addWidget(Proposals, 1);
    Status = new QLabel(Texts::tr("Choose the board and the track, then Suggest."), this);
    Status->setObjectName("SuggestStatus");
    Status->setWordWrap(true);
    right->addWidget(Status);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    OpenButton = new QPushButton(Texts::tr("&Open"), this);
    OpenButton->setObjectName("OpenProposalButton");
    OpenButton->setEnabled(false);
    auto* close = new QPushButton(Texts::tr("Close"), this);
    buttons->addWidget(OpenButton);
    buttons->addWidget(close);
    right->addLayout(buttons);
    layout->addLayout(right, 1);
    connect(close, &QPushButton::clicked, this, &TSuggestForm::reject);
    connect(OpenButton, &QPushButton::clicked, this,
            [this] { OpenProposal(Proposals->currentRow()); });
    connect(Proposals, &QListWidget::currentRowChanged, this,
            [this](int row) { OpenButton->setEnabled(row >= 0 && !Searching()); });
    connect(Proposals, &QListWidget::itemDoubleClicked, this,
            [this] { OpenProposal(Proposals->currentRow()); });
    ShowSearching(false);
    Poll = new QTimer(this);
    Poll->setInterval(POLL_MS);
    connect(Poll, &QTimer::timeout, this, [this] {
        const long long total = Job.Total.load();
        Progress->setValue(total > 0 ? static_cast<int>(Job.Done.load() * PROGRESS_STEPS / total)
                                     : 0);
    });
}

QWidget* TSuggestForm::BuildForm() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    auto* board = new QGroupBox(Texts::tr("Where"), panel);
    auto* boardForm = new QFormLayout(board);
    BoardChoice = new QRadioButton(Texts::tr("A &board"), board);
    BoardChoice->setObjectName("BoardChoice");
    BoardChoice->setChecked(true);
    RoomChoice = new QRadioButton(Texts::tr("The &room"), board);
    RoomChoice->setObjectName("RoomChoice");
    WidthBox = NumberBox(board, "BoardWidth", 20, 10000, 240, " cm");
    HeightBox = NumberBox(board, "BoardHeight", 20, 10000, 120, " cm");
    boardForm->addRow(BoardChoice);
    boardForm->addRow(Texts::tr("&Width:"), WidthBox);
    boardForm->addRow(Texts::tr("&Height:"), HeightBox);
    boardForm->addRow(RoomChoice);
    column->addWidget(board);
    connect(BoardChoice, &QRadioButton::toggled, this, [this](bool on) {
        WidthBox->setEnabled(on);
        HeightBox->setEnabled(on);
    });

    auto* track = new QGroupBox(Texts::tr("Track"), panel);
    auto* trackForm = new QFormLayout(track);
    InStockBox = new QCheckBox(Texts::tr("Only parts in &stock"), track);
    InStockBox->setObjectName("InStockOnly");
    MinimumLapBox = NumberBox(track, "MinimumLap", 0, 100000, 0, " cm");
    CrossingBox = new QCheckBox(Texts::tr("Allow a &crossing (figure-eight)"), track);
    CrossingBox->setObjectName("AllowCrossing");
    BridgesBox = new QCheckBox(Texts::tr("Allow &bridges"), track);
    BridgesBox->setObjectName("AllowBridges");
    trackForm->addRow(InStockBox);
    trackForm->addRow(Texts::tr("Shortest &lap:"), MinimumLapBox);
    trackForm->addRow(CrossingBox);
    trackForm->addRow(BridgesBox);
    column->addWidget(track);

    auto* search = new QGroupBox(Texts::tr("Search"), panel);
    auto* searchForm = new QFormLayout(search);
    CountBox = CountingBox(search, "ProposalCount", 1, 24, 8);
    SeedBox = CountingBox(search, "Seed", 0, 999999, 1);
    TimeLimitBox = NumberBox(search, "TimeLimit", 1, 600, 10, " s");
    searchForm->addRow(Texts::tr("&Proposals:"), CountBox);
    searchForm->addRow(Texts::tr("S&eed:"), SeedBox);
    searchForm->addRow(Texts::tr("&Time limit:"), TimeLimitBox);
    column->addWidget(search);

    SuggestButton = new QPushButton(Texts::tr("S&uggest"), panel);
    SuggestButton->setObjectName("SuggestButton");
    SuggestButton->setDefault(true);
    CancelButton = new QPushButton(Texts::tr("Cancel"), panel);
    CancelButton->setObjectName("CancelSearchButton");
    Progress = new QProgressBar(panel);
    Progress->setObjectName("SuggestProgress");
    Progress->setRange(0, PROGRESS_STEPS);
    column->addWidget(SuggestButton);
    column->addWidget(Progress);
    column->addWidget(CancelButton);
    column->addStretch();
    connect(SuggestButton, &QPushButton::clicked, this, &TSuggestForm::Suggest);
    connect(CancelButton, &QPushButton::clicked, this, [this] { Job.CancelRequested = true; });
    return panel;
}

TSuggestForm::~TSuggestForm() {
    StopSearch();
}

// The room and the crossing as they are now: the user may have drawn a room
// or changed the brand since the last time.
void TSuggestForm::showEvent(QShowEvent* event) {
    const bool room = RoomHasOutline(Appl);
    RoomChoice->setEnabled(room);
    if (!room)
        BoardChoice->setChecked(true);
    if (Appl.Design.Design.Brand != SuggestedFor) {
        Proposals->clear(); // of another track system
        Result = SuggestResult{};
    }
    CrossingBox->setEnabled(BrandHasCrossing(Appl));
    if (!CrossingBox->isEnabled())
        CrossingBox->setChecked(false);
    QDialog::showEvent(event);
}

void TSuggestForm::reject() {
    StopSearch();
    QDialog::reject();
}

SuggestRequest TSuggestForm::RequestOfForm() const {
    SuggestRequest request;
    request.UseRoom = RoomChoice->isChecked();
    request.WidthCm = WidthBox->value();
    request.HeightCm = HeightBox->value();
    request.InStockOnly = InStockBox->isChecked();
    request.MinimumLapCm = MinimumLapBox->value();
    request.Crossing = CrossingBox->isChecked();
    request.Bridges = BridgesBox->isChecked();
    request.Count = CountBox->value();
    request.Seed = static_cast<uint64_t>(SeedBox->value());
    request.TimeLimitSeconds = TimeLimitBox->value();
    return request;
}

void TSuggestForm::ShowSearching(bool searching) {
    SuggestButton->setEnabled(!searching);
    CancelButton->setEnabled(searching);
    Progress->setVisible(searching);
    OpenButton->setEnabled(!searching && Proposals->currentRow() >= 0);
}

bool TSuggestForm::Searching() const {
    return Worker != nullptr;
}

int TSuggestForm::ProposalCount() const {
    return Proposals->count();
}

void TSuggestForm::Suggest() {
    if (Searching())
        return;
    SuggestOptions options;
    std::string error;
    if (!OptionsForRequest(Appl, RequestOfForm(), options, error)) {
        QMessageBox::information(this, windowTitle(), Texts::Message(error));
        return;
    }
    Proposals->clear();
    Result = SuggestResult{};
    Job.Done = 0;
    Job.CancelRequested = false;
    Progress->setValue(0);
    Status->setText(Texts::tr("Searching..."));
    ShowSearching(true);
    SuggestedFor = Appl.Design.Design.Brand;
    Worker = QThread::create(
        [this, brand = SuggestedFor, options] { Result = SuggestLayouts(*brand, options, &Job); });
    connect(Worker, &QThread::finished, this, &TSuggestForm::Finished);
    Worker->start();
    Poll->start();
}

void TSuggestForm::Finished() {
    if (!Worker)
        return; // stopped already
    Poll->stop();
    Worker->wait();
    Worker->deleteLater();
    Worker = nullptr;
    ShowSearching(false);
    L_BRAND* brand = SuggestedFor;
    const char point = QLocale().decimalPoint().at(0).toLatin1();
    for (const SuggestedLayout& layout : Result.Layouts) {
        auto* item = new QListWidgetItem(
            QIcon(QPixmap::fromImage(LayoutThumbnail(*brand, layout, THUMBNAIL))),
            Texts::Message(ProposalCaption(Appl, layout, point)), Proposals);
        item->setTextAlignment(Qt::AlignHCenter);
    }
    QString text = !Result.TooSmall.empty() ? Texts::Message(Result.TooSmall)
                   : Result.Layouts.empty()
                       ? Texts::tr("No layout fits with these parts and options.")
                       : Texts::tr("%1 layouts from %2 candidates; the longest laps first.")
                             .arg(Result.Layouts.size())
                             .arg(Result.Candidates);
    if (Result.Cancelled)
        text += Texts::tr(" (cancelled)");
    Status->setText(text);
    if (!Result.Layouts.empty())
        Proposals->setCurrentRow(0);
}

void TSuggestForm::StopSearch() {
    if (!Worker)
        return;
    Job.CancelRequested = true;
    Worker->wait();
    Finished();
}

bool TSuggestForm::OpenProposal(int index) {
    if (Searching() || index < 0 || index >= static_cast<int>(Result.Layouts.size()))
        return false;
    if (!OpenSuggestedLayout(Appl, Result.Layouts[index]))
        return false;
    accept();
    return true;
}
