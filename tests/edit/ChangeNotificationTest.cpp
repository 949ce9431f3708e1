#include "EditFixture.h"
#include "app/ViewCommands.h"
#include "defs/SharedPiece.h"
#include "ui/InfoPage.h"

#include <QTabWidget>
#include <QTableView>
#include <functional>

// Every edit, undo, redo, open and setting says what it changed, and the
// views follow from what they hear, not from the command.
class ChangeNotificationTest : public QObject {
    Q_OBJECT

    struct Case {
        const char* Name;
        std::function<void()> Edit;
        ChangeKind Kind;
        int Track = -1;
    };

  private slots:
    void everyEditSaysWhatItChanged() {
        EditFixture f;
        T_TRACK& a = f.Lay(0, {"S350", "C2-450", "S175", "C2-450", "S088"}, -80, 0);
        T_TRACK& b = f.Lay(1, {"S175", "C2-450"}, 90, 40);
        const std::string file = f.DesignFile("other.tr3", 5);
        std::vector<Change> heard;
        f.Appl->Changes.Listen([&](const Change& change) { heard.push_back(change); });
        const std::vector<Case> cases = {
            {"drag", [&] { f.Drag(f.At(b, 0), f.At(b, 0) + QPoint(30, 17)); }, ChangeKind::Track,
             1},
            {"raise", [&] { f.Select(a, 1, 2), f.Trigger("RaiseTrackButton"); }, ChangeKind::Track,
             0},
            {"mirror", [&] { f.Select(a, 1, 1), f.Trigger("MirrorButton"); }, ChangeKind::Track, 0},
            {"quick rotate", [&] { f.Trigger("RotateEastButton"); }, ChangeKind::Track, 0},
            {"border", [&] { f.Trigger("InnerBorder"); }, ChangeKind::Track, 0},
            {"delete", [&] { f.Select(a, 4, 4), f.Trigger("DeleteSectionButton"); },
             ChangeKind::Track, 0},
            {"insert track",
             [&] {
                 f.Trigger("InsertTrackButton");
                 f.Click(QPoint(f.Panel().CentreX - 200, f.Panel().CentreY - 150));
             },
             ChangeKind::Track, 2},
            {"split",
             [&] {
                 f.Select(a, 1, 2);
                 f.Trigger("SplitTrackButton");
                 f.Click(QPoint(f.Panel().CentreX + 40, f.Panel().CentreY + 90));
             },
             ChangeKind::Track, -1},
            {"join",
             [&] {
                 f.Trigger("JoinTrackButton");
                 f.Drag(f.At(b, 0), f.At(a, 0));
             },
             ChangeKind::Track, -1},
            {"undo", [&] { f.Trigger("UndoItemMenu"); }, ChangeKind::Design},
            {"redo", [&] { f.Trigger("RedoItemMenu"); }, ChangeKind::Design},
            {"units", [&] { f.Trigger("MetricMenu"); }, ChangeKind::View},
            {"palette codes", [&] { ToggleOption(*f.Appl, ViewOption::PaletteCodes); },
             ChangeKind::Palette},
            {"car",
             [&] {
                 f.Dialogs->CarAnswers = {CarPreset{"1:24", {1, 1, 1, 1}}};
                 f.Trigger("CarMenu");
             },
             ChangeKind::Car},
            {"open",
             [&] {
                 f.Dialogs->Answers.push_back(DialogAnswer::No); // not saved
                 f.Dialogs->FileNames.push_back(file);
                 f.Trigger("OpenDesignButton");
             },
             ChangeKind::Design},
            {"new", [&] { f.NewGroupedDesign(4); }, ChangeKind::Design},
        };
        for (const Case& c : cases) {
            heard.clear();
            c.Edit();
            QVERIFY2(!heard.empty(), c.Name);
            QVERIFY2(heard.back().Kind == c.Kind, c.Name);
            QVERIFY2(heard.back().Track == c.Track, c.Name);
        }
    }

    // An open announces the palette's brand before the design it shows.
    void anOpenRedrawsThePaletteForItsBrand() {
        EditFixture f;
        std::vector<ChangeKind> heard;
        f.Appl->Changes.Listen([&](const Change& change) { heard.push_back(change.Kind); });
        f.Dialogs->FileNames.push_back(f.DesignFile("other.tr3", 3));
        f.Trigger("OpenDesignButton");
        QCOMPARE(heard.front(), ChangeKind::Palette);
        QCOMPARE(heard.back(), ChangeKind::Design);
    }

    // The palette shows free counts only when it colours or hides what is
    // out of stock: then an added part redraws it.
    void thePaletteFollowsThePartsInUseWhenItShowsTheStock() {
        EditFixture f;
        T_TRACK& track = f.Lay(0, {"S350"});
        f.Panel().ShowOutOfStock = true;
        f.Panel().ColorOutOfStock = true;
        f.Appl->Changes.Announce({ChangeKind::Palette});
        const L_PARTDEF& def = *f.Part("S350");
        const int64_t free = FreeOf(*f.Design().Brand, def);
        track.InsertCopyAfter(nullptr, T_PART{0, 0, f.Part("S350")});
        f.Appl->Changes.Announce({ChangeKind::Track, 0});
        QCOMPARE(FreeOf(*f.Design().Brand, def), free - 1);
        // Neither colour nor hiding: the palette is left as it was.
        f.Panel().ColorOutOfStock = false;
        track.InsertCopyAfter(nullptr, T_PART{0, 0, f.Part("S350")});
        f.Appl->Changes.Announce({ChangeKind::Track, 0});
        QCOMPARE(FreeOf(*f.Design().Brand, def), free - 1);
    }

    // An undo while the Info page shows brings the page up to date.
    void theInfoPageFollowsAnUndoWhileItShows() {
        EditFixture f;
        T_TRACK& track = f.Lay(0, {"S350", "C2-450", "S175"});
        PushUndo(*f.Appl, {ChangeKind::Track, 0}); // laid as an edit of its own
        f.Select(track, 2, 2);
        f.Trigger("DeleteSectionButton");
        f.Form->MainTab->setCurrentIndex(1);
        const QAbstractItemModel& model = *f.Form->InfoPage->List->model();
        const int rows = model.rowCount();
        f.Trigger("UndoItemMenu");
        QCOMPARE(model.rowCount(), rows + 1);
    }

    // A listener that stopped hears nothing more; the others still do.
    void aStoppedListenerHearsNothing() {
        ChangeBoard board;
        int first = 0, second = 0;
        const int id = board.Listen([&](const Change&) { ++first; });
        board.Listen([&](const Change&) { ++second; });
        board.Announce({ChangeKind::Stock});
        board.StopListening(id);
        board.Announce({ChangeKind::Stock});
        QCOMPARE(first, 1);
        QCOMPARE(second, 2);
    }
};

QTEST_MAIN(ChangeNotificationTest)
#include "ChangeNotificationTest.moc"
