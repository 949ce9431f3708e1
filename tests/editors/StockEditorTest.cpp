#include "../ui/MainFixture.h"
#include "defs/DefinitionsFile.h"
#include "defs/StockFile.h"
#include "editors/Stockedit.h"

#include <QTableWidget>
#include <QTimer>
#include <QtTest>

// The inventory editor over the shipped 1:32 system with a design using three S350.
class StockEditorTest : public QObject {
    Q_OBJECT

    struct Fixture : MainFixture {
        TStockEditorForm Editor{*Appl, nullptr};
        int S350 = -1; // its row

        Fixture() {
            T_TRACK& track = Design().Tracks[0];
            for (int i = 0; i < 3; ++i)
                track.InsertCopyAfter(nullptr, T_PART{0, 0, Design().Brand->FindCode("S350")});
            S350 =
                static_cast<int>(Design().Brand->FindCode("S350") - Design().Brand->Parts.data());
            Editor.FormShow();
        }
        QString Cell(int row, int column) {
            return Editor.InfoTrackSectionsGrid->item(row, column)->text();
        }
        void Type(int row, const QString& text) {
            Editor.InfoTrackSectionsGrid->item(row, 2)->setText(text);
        }
    };

  private slots:
    void showsStockUseAndWhatIsLeft() {
        Fixture f;
        QTableWidget* grid = f.Editor.InfoTrackSectionsGrid;
        QCOMPARE(grid->rowCount(), f.Design().Brand->PartCount);
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), QString(" Code"));
        QCOMPARE(f.Cell(f.S350, 0), QString("S350"));
        QCOMPARE(f.Cell(f.S350, 2), QString("0"));
        QCOMPARE(f.Cell(f.S350, 3), QString("3"));
        QCOMPARE(f.Cell(f.S350, 4), QString("-3"));
        QVERIFY(!(grid->item(f.S350, 3)->flags() & Qt::ItemIsEditable));
        QVERIFY(grid->item(f.S350, 2)->flags() & Qt::ItemIsEditable);
        f.Editor.FormShow(); // again: the same numbers
        QCOMPARE(f.Cell(f.S350, 4), QString("-3"));
    }

    void typedStockIsStoredAndWritten_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stock");
        QTest::newRow("a number") << "12" << 12;
        QTest::newRow("cleared") << "" << 0;
        QTest::newRow("no number") << "abc" << 0;
        QTest::newRow("leading digits") << " 7 pieces" << 7;
        QTest::newRow("negative") << "-2" << -2;
        QTest::newRow("lowest int") << "-2147483648" << INT32_MIN;
        QTest::newRow("beyond int") << "99999999999" << INT32_MAX;
    }
    void typedStockIsStoredAndWritten() {
        QFETCH(QString, typed);
        QFETCH(int, stock);
        Fixture f;
        f.Type(f.S350, typed);
        QCOMPARE(f.Design().Brand->Parts[f.S350].Stock, stock);
        QCOMPARE(f.Cell(f.S350, 4), QString::number(int64_t(stock) - 3));
        auto reread = std::make_unique<L_DEFINITIONS>();
        LoadDefinitions(*reread, f.Appl->ProgramDir);
        LoadStock(*reread, f.Appl->ProgramDir);
        QCOMPARE(reread->FindPart("S132SPORT", "S350")->Stock, stock);
    }

    void anUnwritableTableIsReported() {
        Fixture f;
        f.Appl->ProgramDir = f.Dir.File("missing") + "/";
        f.Type(f.S350, "4");
        QCOMPARE(f.Dialogs->Messages.back(),
                 "Cannot write file " + f.Appl->ProgramDir + "Stock.df3 !");
        QCOMPARE(f.Design().Brand->Parts[f.S350].Stock, 4); // kept for the next write
    }

    void closingRedrawsThePalette() {
        Fixture f;
        f.Design().Brand->Parts[f.S350].Stock = 5;
        f.Appl->Design.ColorOutOfStock = true;
        QTimer::singleShot(0, [&f] {
            if (QWidget* editor = QApplication::activeModalWidget())
                editor->close();
        });
        f.Trigger("StockEditorMenu");
        const T_PLACEMENT& cells = *f.Appl->Palette.Entries;
        bool grey = false;
        for (int i = 0; i < cells.Count; ++i)
            grey |= cells.Entries[i].Part->Def->Code == "S350" &&
                    cells.Entries[i].FillColor == 0x808080;
        QVERIFY(grey); // 3 used of 5: some free
    }
};

QTEST_MAIN(StockEditorTest)
#include "StockEditorTest.moc"
