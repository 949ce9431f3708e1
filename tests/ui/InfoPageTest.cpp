#include "ui/InfoPage.h"
#include "../../bench/MaxDesign.h"
#include "MainFixture.h"
#include "app/ReportCommands.h"

#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QtTest>
#include <filesystem>

namespace {

// The cells of the "Track Section List" rows of a track list file, as text.
std::vector<QStringList> FileRows(const std::string& html) {
    const std::string row = "<TR bgcolor=#eeeeee>";
    const size_t start = html.find("Track Section List");
    const std::string table = html.substr(start, html.find("</TABLE>", start) - start);
    std::vector<QStringList> rows;
    for (size_t at = table.find(row); at != std::string::npos; at = table.find(row, at + 1)) {
        QStringList cells;
        const size_t end = std::min(table.find(row, at + 1), table.size());
        for (size_t td = table.find("<TD", at); td < end; td = table.find("<TD", td + 1)) {
            const size_t open = table.find('>', td) + 1;
            const std::string text = table.substr(open, table.find("</TD>", open) - open);
            cells << QString::fromLatin1(text.c_str())
                         .replace("&nbsp;", "")
                         .replace("&lt;", "<")
                         .replace("&gt;", ">")
                         .replace("&quot;", "\"")
                         .replace("&amp;", "&");
        }
        rows.push_back(cells);
    }
    return rows;
}

QStringList ModelRow(const QAbstractItemModel& model, int row) {
    QStringList cells;
    for (int column = 0; column < model.columnCount(); ++column)
        cells << model.index(row, column).data().toString();
    return cells;
}

} // namespace

// The Info page: the file written beside it and the page show the same rows
// and totals; the section list is a table however long the design.
class InfoPageTest : public QObject {
    Q_OBJECT

    static void LayTracks(MainFixture& f) {
        T_DESIGN& design = f.Design();
        T_TRACK& track = *design.AllocateTrack();
        const std::pair<const char*, uint8_t> parts[] = {{"S350", 0},
                                                         {"C2-450", PS_LEFT | PS_OUTER_BORDER},
                                                         {"LC525", 0},
                                                         {"C2-450", PS_RIGHT | PS_INNER_BORDER}};
        int8_t height = 0;
        for (const auto& [code, status] : parts)
            track.InsertCopyAfter(nullptr, T_PART{height++, status, design.Brand->FindCode(code)});
    }

  private slots:
    void aHiddenPageWaits() {
        MainFixture f;
        const std::string info = f.Appl->ProgramDir + "info.html";
        std::filesystem::remove(info);
        RefreshInfoPage(*f.Appl);
        QVERIFY(!std::filesystem::exists(info));
        f.Form->MainTab->setCurrentIndex(1);
        QVERIFY(std::filesystem::exists(info));
    }

    void thePageShowsTheRowsAndTotalsOfTheFile_data() {
        QTest::addColumn<bool>("metric");
        QTest::newRow("metres") << true;
        QTest::newRow("feet") << false;
    }
    void thePageShowsTheRowsAndTotalsOfTheFile() {
        QFETCH(bool, metric);
        MainFixture f;
        LayTracks(f);
        if (!metric)
            f.Trigger("MetricMenu");
        f.Form->MainTab->setCurrentIndex(1);
        const std::string html = ReadFile(f.Appl->ProgramDir + "info.html");
        const std::vector<QStringList> rows = FileRows(html);
        QCOMPARE(rows.size(), size_t(5)); // the first track's empty part, then four parts
        const QAbstractItemModel& model = *f.Form->InfoPage->List->model();
        QCOMPARE(model.rowCount(), 5);
        for (int r = 0; r < model.rowCount(); ++r)
            QCOMPARE(ModelRow(model, r), rows[size_t(r)]);
        QCOMPARE(rows[0][1], QString("Nothing"));
        QVERIFY(rows[4][8].endsWith(metric ? " m" : " ft"));

        const QString totals = f.Form->InfoPage->Totals->toPlainText();
        for (const char* title : {"Track Lengths", "Track Curve Count", "Design Size"})
            QVERIFY2(totals.contains(title), title);
        QVERIFY(totals.contains(rows[4][7])); // the second track's lane 1 total
        QVERIFY(f.Form->InfoPage->Sections->toPlainText().contains("Track Sections Info"));
    }

    // The page follows a change of the units while it shows.
    void theListFollowsTheUnits() {
        MainFixture f;
        LayTracks(f);
        f.Form->MainTab->setCurrentIndex(1);
        const QAbstractItemModel& model = *f.Form->InfoPage->List->model();
        QVERIFY(ModelRow(model, 1)[7].endsWith(" m"));
        f.Trigger("MetricMenu");
        QVERIFY(ModelRow(model, 1)[7].endsWith(" ft"));
    }

    // Every one of the largest design's parts is a row of the table.
    void theLargestDesignIsListedWhole() {
        MaxDesign source;
        MainFixture f;
        f.Design() = *source.Design;
        f.Form->MainTab->setCurrentIndex(1);
        const QAbstractItemModel& model = *f.Form->InfoPage->List->model();
        QCOMPARE(model.rowCount(), MAX_TRACKS * MAX_TRACK_PARTS);
        const QStringList last = ModelRow(model, model.rowCount() - 1);
        QCOMPARE(last[0], QString::number(MAX_TRACKS));
        QVERIFY(f.Form->InfoPage->Totals->toPlainText().contains(last[7]));
    }
};

QTEST_MAIN(InfoPageTest)
#include "InfoPageTest.moc"
