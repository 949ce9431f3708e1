#include "MainFixture.h"
#include "app/DesignCommands.h"
#include "edit/CanvasPanel.h"
#include "render/TrueScale.h"
#include "ui/JobRunner.h"
#include "ui/PrintAtScale.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QtTest>
#include <atomic>

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
        f.Dialogs->ListChoices = {0, 1}; // the styles of the PDF and the SVG
        for (int i = 0; i < 3; ++i)
            f.Trigger("ExportMenu");
        QVERIFY(f.Dialogs->Messages.empty());
        QVERIFY(Head(f.Dir.File("a.dxf")).contains("\nSECTION\n"));
        QVERIFY(Head(f.Dir.File("b.PDF")).startsWith("%PDF"));
        // A name without an extension becomes an SVG drawing.
        QVERIFY(Head(f.Dir.File("c.svg")).contains("<svg"));
        QCOMPARE(f.Appl->LastUsedPath, FolderOf(f.Dir.File("a.dxf")));
        QCOMPARE(f.Dialogs->ListsShown.size(), size_t(2)); // no style for the DXF
    }

    // The style is asked for each SVG or PDF, the last one offered first and
    // kept for the next start; a cancelled choice writes nothing.
    void theStyleIsAskedAndRemembered() {
        MainFixture f;
        OpenDesign(*f.Appl, f.DesignFile("two.tr3"));
        QCOMPARE(f.Appl->OutputStyle, TrueScaleStyle::Template);
        f.Dialogs->FileNames = {f.Dir.File("a.svg"), f.Dir.File("b.svg")};
        f.Dialogs->ListChoices = {1, -1};
        f.Trigger("ExportMenu");
        QCOMPARE(f.Dialogs->ListsSelected.back(), 0);
        QCOMPARE(f.Appl->OutputStyle, TrueScaleStyle::Screen);
        f.Trigger("ExportMenu");
        QCOMPARE(f.Dialogs->ListsSelected.back(), 1);
        QVERIFY(!QFile::exists(QString::fromStdString(f.Dir.File("b.svg"))));
        f.Restart();
        QCOMPARE(f.Appl->OutputStyle, TrueScaleStyle::Screen);
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
        f.Dialogs->ListChoices = {0};
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
        f.Dialogs->ListChoices = {0};
        f.Trigger("ExportMenu");
        QCOMPARE(f.Dialogs->Messages.size(), size_t(1));
        QVERIFY(f.Dialogs->Messages[0].find("Cannot write file") == 0);
        QVERIFY(!QFile::exists(QString::fromStdString(target)));
        QVERIFY(!QFile::exists(QString::fromStdString(target + ".partial")));
    }

    // A long job runs beside the window: after half a second its progress
    // shows with the steps done, the window's events go on meanwhile, and
    // Cancel stops the job.
    void aLongJobShowsItsProgressAndCanBeCancelled() {
        MainFixture f;
        f.Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.Form.get()));
        std::atomic<bool> stopped{false};
        QString shown;
        int paints = 0;
        f.Form->TrackCanvas->Overlay = [&](QPainter&) { ++paints; };
        QTimer::singleShot(PROGRESS_DELAY_MS + 300, [&] {
            f.Form->TrackCanvas->repaint(); // the window is not frozen
            auto* dialog = f.Form->findChild<QProgressDialog*>();
            if (dialog && dialog->isVisible()) {
                shown = dialog->labelText();
                dialog->findChild<QPushButton*>()->click();
            }
        });
        const JobResult result =
            RunWithProgress(f.Form.get(), "Slow job", "pages", [&](JobProgress& progress) {
                progress.Total = 100;
                for (int i = 0; i < 100; ++i) {
                    if (progress.Cancelled()) {
                        stopped = true;
                        return false;
                    }
                    progress.Step();
                    QThread::msleep(30);
                }
                return true;
            });
        QCOMPARE(result, JobResult::Cancelled);
        QVERIFY(stopped);
        QVERIFY2(shown.contains(" of 100 pages, about "), qPrintable(shown));
        QVERIFY(paints > 0);
    }

    void aShortJobShowsNoProgress() {
        MainFixture f;
        bool dialog = false;
        QTimer::singleShot(0, [&] { dialog = QApplication::activeModalWidget() != nullptr; });
        QCOMPARE(RunWithProgress(f.Form.get(), "Quick", "pages", [](JobProgress&) { return true; }),
                 JobResult::Done);
        QVERIFY(!dialog);
        QCOMPARE(ProgressText(3, 41, "pages", 3000), QString("3 of 41 pages, about 38 s left"));
    }

    // A cancelled export leaves no file, no partial file, whatever its kind.
    void aCancelledExportLeavesNoFile() {
        MainFixture f;
        OpenDesign(*f.Appl, f.DesignFile("two.tr3"));
        JobProgress cancelled;
        cancelled.CancelRequested = true;
        PageTiles tiles;
        for (const char* name : {"t.svg", "t.pdf", "tiles.pdf"}) {
            const std::string file = f.Dir.File(name);
            const bool written = std::string(name) == "tiles.pdf"
                                     ? ExportTiledPdf(f.Appl->Canvases, file, 1, QPageSize::A4,
                                                      tiles, TrueScaleStyle::Template, &cancelled)
                                     : ExportLayoutFile(f.Appl->Canvases, file, 1,
                                                        TrueScaleStyle::Template, &cancelled);
            QVERIFY(!written);
            QVERIFY(!QFile::exists(QString::fromStdString(file)));
            QVERIFY(!QFile::exists(QString::fromStdString(PartialFileName(file))));
        }
    }

    // Print at Scale offers the style, remembers it, and asks before it
    // prints more than a hundred pages.
    void printAtScaleAsksForTheStyleAndBeforeManyPages() {
        MainFixture f;
        OpenDesign(*f.Appl, f.DesignFile("two.tr3"));
        T_TRACK& far = *f.Design().AllocateTrack(); // 10 m away: hundreds of A4 pages
        far.X = far.Y = 1000;
        far.InsertCopyAfter(nullptr, T_PART{0, 0, f.Design().Brand->FindCode("S350")});
        f.Dialogs->Answers = {DialogAnswer::No};
        int pages = 0;
        QTimer::singleShot(0, [&] {
            auto* dialog = dynamic_cast<TPrintAtScaleDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto* style = dialog->findChild<QComboBox*>("StyleBox");
            style->setCurrentIndex(1);
            pages = dialog->Pages();
            dialog->accept();
        });
        f.Trigger("PrintAtScaleMenu");
        QVERIFY(pages > MANY_PAGES);
        QCOMPARE(f.Appl->OutputStyle, TrueScaleStyle::Screen);
        QCOMPARE(f.Dialogs->Messages.back(),
                 QStringLiteral("This prints %1 pages. Go on?").arg(pages).toStdString());
        TPrintAtScaleDialog again(f.Appl->Canvases, f.Appl->OutputStyle, nullptr);
        QCOMPARE(again.Style(), TrueScaleStyle::Screen);
    }

    // Printed to a file, a cancelled job leaves the file the user had; a
    // finished one replaces it.
    void aCancelledPrintLeavesTheFileAsItWas() {
        MainFixture f;
        OpenDesign(*f.Appl, f.DesignFile("two.tr3"));
        const QString file = QString::fromStdString(f.Dir.File("printed.pdf"));
        {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("the user's own file");
        }
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        const auto layout = CopyCanvases(f.Appl->Canvases);
        TiledDocument document(layout->Set, 1, QPageSize::A4, TrueScaleStyle::Template);
        JobProgress cancelled;
        cancelled.CancelRequested = true;
        QVERIFY(!PrintTiles(document, printer, cancelled));
        QFile kept(file);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("the user's own file"));
        kept.close();
        QVERIFY(!QFile::exists(file + ".partial"));
        QCOMPARE(printer.outputFileName(), file);
        JobProgress going;
        QVERIFY(PrintTiles(document, printer, going));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY(kept.readAll().startsWith("%PDF"));
        QCOMPARE(going.Done.load(), static_cast<long long>(document.Pages()));
    }

    // The preview draws the page it shows, and only that one.
    void thePreviewShowsEachPageWhenAskedFor() {
        MainFixture f;
        OpenDesign(*f.Appl, f.DesignFile("long.tr3", 16));
        QPrinter printer;
        TTilePreviewDialog preview(*f.Appl, CopyCanvases(f.Appl->Canvases), 1, QPageSize::A4,
                                   TrueScaleStyle::Template, printer, nullptr);
        QVERIFY(preview.Pages() > 10);
        auto inked = [&] {
            int count = 0;
            const QImage& page = preview.PageImage();
            for (int y = 0; y < page.height(); y += 2)
                for (int x = 0; x < page.width(); x += 2)
                    count += qGray(page.pixel(x, y)) < 200;
            return count;
        };
        QVERIFY(inked() > 100); // the overview
        preview.findChild<QSpinBox*>("PageBox")->setValue(3);
        QVERIFY(inked() > 50); // a tile: marks, labels, the track
        QCOMPARE(preview.PageImage().size(),
                 QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF())
                     .fullRectPixels(72)
                     .size());
    }

    // Two straights run 70 cm down the page and 15.6 cm across: at 1:1 A4
    // needs three pages upright but four turned; A3 two; at 1:5 one page.
    void pageCountFollowsScaleAndPaper() {
        MainFixture f;
        OpenDesign(*f.Appl, f.DesignFile("two.tr3"));
        TPrintAtScaleDialog dialog(f.Appl->Canvases, TrueScaleStyle::Template, nullptr);
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
