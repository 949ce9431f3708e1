#include "EditFixture.h"
#include "editors/StockEditing.h"
#include "ui/LayoutCheckDock.h"

#include <QListWidget>

// The layout check dock and Close Loop in the window.
class LayoutCheckUiTest : public QObject {
    Q_OBJECT

    // An oval of the shipped 1:32 system without its last straight.
    static T_TRACK& OpenOval(EditFixture& f) {
        T_TRACK& track = f.Lay(0, {"C2-900", "C2-900", "S350", "C2-900", "C2-900"});
        for (int i : {0, 1, 3, 4})
            track.Parts[i].Status = PS_RIGHT;
        f.Repaint();
        PushUndo(*f.Appl, {ChangeKind::Track}); // laid as an edit of its own
        return track;
    }
    static QStringList Lines(EditFixture& f) {
        QStringList lines;
        for (int i = 0; i < f.Form->LayoutCheck->LayoutCheckList->count(); ++i)
            lines << f.Form->LayoutCheck->LayoutCheckList->item(i)->text();
        return lines;
    }

  private slots:
    void theDockListsAndFollowsEdits() {
        EditFixture f;
        OpenOval(f);
        f.Trigger("LayoutCheckMenu");
        QVERIFY(f.Form->LayoutCheck->isVisible());
        QVERIFY(Lines(f).first().startsWith("Track 1: open, gap 350.0 mm"));
        QVERIFY(Lines(f).contains("Buy 1 x S350"));
        // Going to the finding selects the track and centres its part 0.
        QTest::mouseClick(f.Form->LayoutCheck->LayoutCheckList->viewport(), Qt::LeftButton, {},
                          f.Form->LayoutCheck->LayoutCheckList
                              ->visualItemRect(f.Form->LayoutCheck->LayoutCheckList->item(0))
                              .center());
        QCOMPARE(f.Panel().SelectedTrack, &f.Design().Tracks[0]);
        QVERIFY(std::fabs(f.Panel().Offset.X) < 0.01f && std::fabs(f.Panel().Offset.Y) < 0.01f);
        // Closing the loop is one edit, undone in one step.
        const int undo = f.UndoCount();
        f.Dialogs->ListChoices = {0};
        f.Trigger("CloseLoopMenu");
        QCOMPARE(f.Dialogs->ListsShown.back().front().substr(0, 4), std::string("S350"));
        QCOMPARE(f.Design().Tracks[0].PartCount, 6);
        QVERIFY(Lines(f).first().startsWith("Track 1: closed"));
        QCOMPARE(f.UndoCount(), undo + 1);
        f.Trigger("UndoItemMenu");
        QCOMPARE(f.Design().Tracks[0].PartCount, 5);
        QVERIFY(Lines(f).first().startsWith("Track 1: open"));
    }

    // An oval with one straight too many: the dock says the end lies past
    // the start, and Close Loop takes the straight off as one edit.
    void aTrackTooLongIsShortenedAsOneEdit() {
        EditFixture f;
        T_TRACK& track = f.Lay(0, {"S350", "C2-900", "C2-900", "S350", "C2-900", "C2-900", "S350"});
        for (int i : {1, 2, 4, 5})
            track.Parts[i].Status = PS_RIGHT;
        f.Repaint();
        PushUndo(*f.Appl, {ChangeKind::Track});
        f.Trigger("LayoutCheckMenu");
        QVERIFY(Lines(f).first().contains("the end 350.0 mm past the start"));
        f.Panel().SelectedTrack = &track;
        const int undo = f.UndoCount();
        f.Dialogs->ListChoices = {0};
        f.Trigger("CloseLoopMenu");
        QCOMPARE(f.Dialogs->ListsShown.back().front().substr(0, 11), std::string("Remove S350"));
        QCOMPARE(track.PartCount, 6);
        QVERIFY(Lines(f).first().startsWith("Track 1: closed"));
        QCOMPARE(f.UndoCount(), undo + 1);
        f.Trigger("UndoItemMenu");
        QCOMPARE(f.Design().Tracks[0].PartCount, 7);
    }

    // The dock opening beside the canvas and closing again leaves the
    // drawing where it was on the screen.
    void theDockKeepsTheDrawingInPlace() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 2, -20, -20);
        auto onScreen = [&] {
            QApplication::processEvents();
            return f.Canvas()->mapToGlobal(f.At(track, 0));
        };
        const QPoint before = onScreen();
        const int width = f.Canvas()->width();
        f.Trigger("LayoutCheckMenu");
        QCOMPARE(onScreen(), before);
        QVERIFY(f.Canvas()->width() < width); // the dock took room from the canvas
        f.Trigger("LayoutCheckMenu");
        QCOMPARE(onScreen(), before);
        QCOMPARE(f.Canvas()->width(), width);
    }

    // A stock typed in the inventory shows in the shopping list at once.
    void theShoppingListFollowsTheStock() {
        EditFixture f;
        OpenOval(f);
        f.Trigger("LayoutCheckMenu");
        QVERIFY(Lines(f).contains("Buy 1 x S350"));
        QTimer::singleShot(0, [&f] {
            SetStock(*f.Appl, f.Design().Brand->IndexOfPart(f.Part("S350")), "1");
            if (QWidget* editor = QApplication::activeModalWidget())
                editor->close();
        });
        f.Trigger("StockEditorMenu");
        QVERIFY(!Lines(f).contains("Buy 1 x S350"));
        QVERIFY(Lines(f).contains("Buy 4 x C2-900"));
    }

    void aCancelledCloseChangesNothing() {
        EditFixture f;
        T_TRACK& track = OpenOval(f);
        f.Panel().SelectedTrack = &track;
        f.Trigger("CloseLoopMenu");
        QCOMPARE(track.PartCount, 5);
        QCOMPARE(f.Panel().WindowImage, f.Panel().Bitmap.Pixels()); // no preview left
        f.Panel().SelectedTrack = nullptr;
        f.Trigger("CloseLoopMenu");
        QCOMPARE(f.Dialogs->Messages.back(), std::string("Select the open track to close first."));
    }
};

QTEST_MAIN(LayoutCheckUiTest)
#include "LayoutCheckUiTest.moc"
