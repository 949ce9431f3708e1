#include "Newwizard.h"
#include "edit/FixedSize.h"
#include "i18n/Translate.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

TNewDesignWizard::TNewDesignWizard(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Texts::tr("New Design Wizard"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Texts::tr("Track Definition Type:"), this));
    BrandBox = new QListWidget(this);
    // Long descriptions wrap instead of scrolling sideways.
    BrandBox->setWordWrap(true);
    BrandBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(BrandBox, 1);
    auto* lanes = new QGroupBox(Texts::tr("Number of lanes:"), this);
    auto* lanesLayout = new QVBoxLayout(lanes);
    TwoLane = new QRadioButton(Texts::tr("  2 Lane"), lanes);
    FourLane = new QRadioButton(Texts::tr("  4 Lane"), lanes);
    SixLane = new QRadioButton(Texts::tr("  6 Lane"), lanes);
    EightLane = new QRadioButton(Texts::tr("  8 Lane"), lanes);
    TenLane = new QRadioButton(Texts::tr("10 Lane"), lanes);
    for (QRadioButton* button : {TwoLane, FourLane, SixLane, EightLane, TenLane})
        lanesLayout->addWidget(button);
    layout->addWidget(lanes);
    auto* bottom = new QHBoxLayout;
    StartupCheckBox = new QCheckBox(Texts::tr("Open at startup"), this);
    OkButton = new QPushButton(Texts::tr("OK"), this);
    bottom->addWidget(StartupCheckBox);
    bottom->addStretch();
    bottom->addWidget(OkButton);
    layout->addLayout(bottom);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(BrandBox, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    FixSizeAtLeast(*this, {WIZARD_WIDTH, WIZARD_HEIGHT});
}

void TNewDesignWizard::Fill(const NewDesignRequest& request) {
    BrandBox->clear();
    int widest = 0;
    const QFontMetrics metrics(BrandBox->font());
    for (const std::string& brand : request.Brands) {
        const QString description = QString::fromLatin1(brand.c_str());
        auto* item = new QListWidgetItem(description, BrandBox);
        item->setToolTip(description);
        widest = std::max(widest, metrics.horizontalAdvance(description));
    }
    // As wide as the longest description, within reason; beyond that it wraps.
    const int room = widest + BRAND_BOX_MARGIN + BrandBox->verticalScrollBar()->sizeHint().width();
    FixSizeAtLeast(*this, {std::clamp(room, WIZARD_WIDTH, MAX_WIZARD_WIDTH), WIZARD_HEIGHT});
    BrandBox->setCurrentRow(request.Selected);
    TwoLane->setChecked(true);
    StartupCheckBox->setChecked(request.OpenAtStartup);
    OkButton->setDefault(true);
}

NewDesignAnswer TNewDesignWizard::Answer(bool ok) const {
    NewDesignAnswer answer;
    answer.Ok = ok && BrandBox->currentRow() >= 0;
    answer.Brand = BrandBox->currentRow();
    const QRadioButton* buttons[] = {TwoLane, FourLane, SixLane, EightLane, TenLane};
    for (int i = 0; i < 5; ++i)
        if (buttons[i]->isChecked())
            answer.Lanes = 2 * (i + 1);
    answer.OpenAtStartup = StartupCheckBox->isChecked();
    return answer;
}

NewDesignAnswer TNewDesignWizard::Ask(const NewDesignRequest& request) {
    Fill(request);
    return Answer(exec() == QDialog::Accepted);
}
