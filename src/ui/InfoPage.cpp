#include "InfoPage.h"

#include "SectionListModel.h"
#include "i18n/Translate.h"

#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

namespace {

constexpr int ROWS_MEASURED = 200; // rows the columns are fitted to
constexpr int ROW_PADDING = 4;
constexpr int CELL_PADDING = 12;
constexpr int SECTION_COLUMN = 2;
constexpr int LIST_MARGIN = 8;

QTextBrowser* Column(const char* name, QWidget* parent) {
    auto* browser = new QTextBrowser(parent);
    browser->setObjectName(name);
    browser->setOpenExternalLinks(true);
    return browser;
}

// The track list is Latin-1; its headings and labels in the window's language,
// longest first so that "Track Lengths" goes before "Track".
QString DocumentText(const std::string& html) {
    static const std::vector<const char*> words = [] {
        std::vector<const char*> sorted = TrackListWords();
        std::sort(sorted.begin(), sorted.end(),
                  [](const char* a, const char* b) { return std::strlen(a) > std::strlen(b); });
        return sorted;
    }();
    QString text = QString::fromLatin1(html.c_str());
    for (const char* word : words) {
        const QString translated = Texts::tr(word);
        if (translated == word)
            continue;
        for (const char* after : {"<", " "})
            text.replace(QString(">") + word + after, ">" + translated + after);
    }
    return text;
}

} // namespace

TInfoPage::TInfoPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    Sections = Column("InfoSections", splitter);

    auto* listColumn = new QWidget(splitter);
    auto* listLayout = new QVBoxLayout(listColumn);
    listLayout->setContentsMargins(0, 0, 0, 0);
    // Dressed as the track list's own tables: grey heading, light rows, 8 pt.
    listColumn->setStyleSheet("background: #f0f0e6");
    listLayout->setContentsMargins(LIST_MARGIN, LIST_MARGIN, LIST_MARGIN, LIST_MARGIN);
    auto* title = new QLabel(Texts::tr("Track Section List"), listColumn);
    title->setStyleSheet("background: #cccccc; font-weight: bold; font-size: 12pt; padding: 4px");
    listLayout->setSpacing(0);
    listLayout->addWidget(title);
    List = new QTableView(listColumn);
    List->setStyleSheet("QTableView { background: #eeeeee; alternate-background-color: #e4e4e4; "
                        "font-size: 8pt } QHeaderView::section { background: #cccccc; "
                        "border: none; padding: 2px; font-size: 8pt }");
    List->setShowGrid(false);
    List->setObjectName("InfoSectionList");
    Model = new TSectionListModel(List);
    List->setModel(Model);
    List->verticalHeader()->hide();
    // Fixed row heights and columns fitted to the first rows: nothing walks
    // all the rows.
    List->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    List->verticalHeader()->setDefaultSectionSize(List->fontMetrics().height() + ROW_PADDING);
    List->horizontalHeader()->setResizeContentsPrecision(ROWS_MEASURED);
    // The descriptions give way first, so that the lane lengths stay in view.
    List->horizontalHeader()->setSectionResizeMode(SECTION_COLUMN, QHeaderView::Stretch);
    List->setAlternatingRowColors(true);
    List->setSelectionBehavior(QAbstractItemView::SelectRows);
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listLayout->addWidget(List);

    Totals = Column("InfoTotals", splitter);
    splitter->addWidget(Sections);
    splitter->addWidget(listColumn);
    splitter->addWidget(Totals);
    splitter->setStretchFactor(0, 4);
    splitter->setStretchFactor(1, 5);
    splitter->setStretchFactor(2, 3);
    layout->addWidget(splitter);
}

void TInfoPage::Show(TrackListPage page) {
    Sections->setHtml(DocumentText(ColumnDocument(page, page.Sections)));
    Totals->setHtml(DocumentText(ColumnDocument(page, page.Totals)));
    Model->SetRows(std::move(page.Rows), page.Units);
    List->resizeColumnsToContents();
    // The lanes grow along the list: the first rows are not the widest.
    const int lane = List->fontMetrics().horizontalAdvance(Model->LongestLaneText());
    for (int column : {SECTION_COLUMNS - 2, SECTION_COLUMNS - 1})
        List->setColumnWidth(column, std::max(List->columnWidth(column), lane + CELL_PADDING));
}
