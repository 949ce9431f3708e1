#include "MainFixture.h"
#include "app/DesignCommands.h"
#include "ui/PrintAtScale.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QtTest>

// "Export..." and "Print at Scale..." of the File menu.
class ExportUiTest : public QObject {
    Q_OBJECT

    static QByteArray Head(const std::string& file) {
        QFile f(QString::fromStdString(file));
        return f.open(QIODevice::ReadOnly) ? f.read(64) : QByteArray();
    }

  private slots:
    void emptyDesignHasNothingToExport() {
        MainFixture f;
        f.Trigger("ExportMenu");
        QCOMPARE(f.Dialogs->FileDialogs.size(), size_t(0));
        QCOMPARE(f.Dialogs->Messages.size(), size_t(1));
        QVERIFY(f.Dialogs->Messages[0].find("Nothing to export") == 0);
    }

    void extensionPicksTheFormat() {
        MainFixture f;
        OpenDesign(*f.Appl, f.DesignFile("two.tr3"));
        f.Dialogs->FileNames = {f.Dir.File("a.dxf"), f.Dir.File("b.PDF"), f.Dir.File("c")};
        for (int i = 0; i < 3; ++i)
            f.Trigger("ExportMenu");
        QVERIFY(f.Dialogs->Messages.empty());
        QVERIFY(Head(f.Dir.File("a.dxf")).contains("\nSECTION\n"));
        QVERIFY(Head(f.Dir.File("b.PDF")).startsWith("%PDF"));
        // A name without an extension becomes an SVG drawing.
        QVERIFY(Head(f.Dir.File("c.svg")).contains("<svg"));
        QCOMPARE(f.Appl->LastUsedPath, FolderOf(f.Dir.File("a.dxf")));
    }

    // 16 straights run 5.6 m: one PDF page that long no reader opens, so
    // the export offers A4 tiles and writes no single page.
    void aPageTooLargeForPdfReadersBecomesTiles_data() {
        QTest::addColumn<bool>("tiles");
        QTest::newRow("tiles") << true;
        QTest::newRow("nothing") << false;
    }
    void aPageTooLargeForPdfReadersBecomesTiles() {
        QFETCH(bool, tiles);
        MainFixture f;
        OpenDesign(*f.Appl, f.DesignFile("long.tr3", 16));
        const std::string target = f.Dir.File("long.pdf");
        f.Dialogs->FileNames = {target};
        f.Dialogs->Answers = {tiles ? DialogAnswer::Yes : DialogAnswer::No};
        f.Trigger("ExportMenu");
        QCOMPARE(f.Dialogs->Messages.size(), size_t(1)); // the question only
        QVERIFY(f.Dialogs->Messages[0].find("196 x 5640 mm") != std::string::npos);
        QCOMPARE(QFile::exists(QString::fromStdString(target)), tiles);
        if (tiles) {
            QFile pdf(QString::fromStdString(target));
            QVERIFY(pdf.open(QIODevice::ReadOnly));
            QVERIFY(pdf.readAll().count("/Type /Page\n") > 2); // the overview and the tiles
        }
    }

    void failedExportSaysSoAndLeavesNothing() {
        MainFixture f;
        OpenDesign(*f.Appl, f.DesignFile("two.tr3"));
        const std::string target = f.Dir.File("missing/folder/out.svg");
        f.Dialogs->FileNames = {target};
        f.Trigger("ExportMenu");
        QCOMPARE(f.Dialogs->Messages.size(), size_t(1));
        QVERIFY(f.Dialogs->Messages[0].find("Cannot write file") == 0);
        QVERIFY(!QFile::exists(QString::fromStdString(target)));
        QVERIFY(!QFile::exists(QString::fromStdString(target + ".partial")));
    }

    // Two straights run 70 cm down the page and 15.6 cm across: at 1:1 A4
    // needs three pages upright but four turned; A3 two; at 1:5 one page.
    void pageCountFollowsScaleAndPaper() {
        MainFixture f;
        OpenDesign(*f.Appl, f.DesignFile("two.tr3"));
        TPrintAtScaleDialog dialog(f.Appl->Canvases, nullptr);
        auto* pages = dialog.findChild<QLabel*>("PagesLabel");
        QCOMPARE(pages->text(), QString("1 x 3 = 3 pages (portrait), and an overview page"));
        dialog.findChild<QComboBox*>("ScaleBox")->setCurrentText("1:5");
        QCOMPARE(dialog.ScaleDenominator(), 5);
        QVERIFY(pages->text().startsWith("1 x 1 = 1 pages"));
        dialog.findChild<QComboBox*>("ScaleBox")->setCurrentText("1:1");
        dialog.findChild<QComboBox*>("PaperBox")->setCurrentText("A3");
        QCOMPARE(dialog.Paper(), QPageSize::A3);
        QVERIFY(pages->text().startsWith("1 x 2 = 2 pages"));
    }
};

QTEST_MAIN(ExportUiTest)
#include "ExportUiTest.moc"
