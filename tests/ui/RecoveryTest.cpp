#include "app/Recovery.h"
#include "MainFixture.h"
#include "app/Caption.h"
#include "app/DesignCommands.h"
#include "base/RecoveryStore.h"

#include <QtTest>

// Crash recovery as a user meets it: a copy of the unsaved design, offered
// back at the next start after the program ended without cleaning up.
class RecoveryTest : public QObject {
    Q_OBJECT

    // A program that opened the design and added a part, its copy on disc.
    static void EditAndKeep(MainFixture& f, const std::string& file) {
        StartRecovery(*f.Appl);
        OpenDesign(*f.Appl, file);
        T_DESIGN& design = f.Design();
        design.Tracks[0].InsertCopyAfter(nullptr, T_PART{0, 0, design.Brand->FindCode("S175")});
        design.SetModified(true);
        KeepRecoveryCopies(*f.Appl);
        FlushRecoveryCopies(*f.Appl);
    }
    // The program ends the way a crash ends it: its copies stay.
    static void Crash(MainFixture& f) { f.Appl->Recovery.reset(); }
    static std::vector<RecoveryCopy> Orphans(MainFixture& f) {
        return RecoveryStore::Orphans(f.Appl->RecoveryDir);
    }

  private slots:
    void aSaveOrACleanEndRemovesTheCopy() {
        MainFixture f;
        EditAndKeep(f, f.DesignFile("oval.tr3"));
        QDir folder(QString::fromStdString(f.Appl->RecoveryDir));
        QCOMPARE(folder.entryList({"*.design"}, QDir::Files).size(), 1);
        QVERIFY(SaveCommand(*f.Appl));
        FlushRecoveryCopies(*f.Appl);
        QCOMPARE(folder.entryList({"*.design"}, QDir::Files).size(), 0);
        f.Design().SetModified(true);
        KeepRecoveryCopies(*f.Appl);
        FlushRecoveryCopies(*f.Appl);
        QCOMPARE(folder.entryList({"*.design"}, QDir::Files).size(), 1);
        StopRecovery(*f.Appl);
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden).size(), 0);
    }

    // Recover brings the design back changed, under its name; the first save
    // asks where to put it. The copy is then this program's own.
    void aCrashedDesignComesBack() {
        MainFixture crashed;
        const std::string file = crashed.DesignFile("oval.tr3");
        const std::string saved = ReadFile(file);
        EditAndKeep(crashed, file);
        Crash(crashed);
        MainFixture next;
        next.Appl->RecoveryDir = crashed.Appl->RecoveryDir;
        StartRecovery(*next.Appl);
        next.Dialogs->RecoveryAnswers = {RecoveryChoice::Recover};
        QVERIFY(OfferRecovery(*next.Appl));
        QVERIFY(next.Dialogs->Messages.back().find(file) != std::string::npos);
        QCOMPARE(next.Design().Tracks[0].PartCount, 3);
        QCOMPARE(next.Design().FileName, file);
        QVERIFY(next.Design().IsModified());
        QVERIFY(Orphans(next).empty()); // recovered: no longer offered
        const size_t asked = next.Dialogs->FileDialogs.size();
        next.Dialogs->FileNames = {next.Dir.File("recovered.tr3")};
        QVERIFY(SaveCommand(*next.Appl));
        QCOMPARE(next.Dialogs->FileDialogs.size(), asked + 1);
        QCOMPARE(ReadFile(file), saved); // the file the user had stays as it was
        QCOMPARE(next.Design().FileName, next.Dir.File("recovered.tr3"));
        StopRecovery(*next.Appl);
    }

    void aCrashedRoomComesBack() {
        MainFixture crashed;
        StartRecovery(*crashed.Appl);
        C_ROOM& room = crashed.Appl->Room;
        room.RoomFileName = crashed.Dir.File("den.rm3");
        F_SHAPE* wall = room.Layer.AddShape();
        wall->AddPoint(0, 0);
        wall->AddPoint(300, 0);
        room.Layer.Changed = true;
        KeepRecoveryCopies(*crashed.Appl);
        FlushRecoveryCopies(*crashed.Appl);
        Crash(crashed);
        MainFixture next;
        next.Appl->RecoveryDir = crashed.Appl->RecoveryDir;
        next.Dialogs->RecoveryAnswers = {RecoveryChoice::Recover};
        QVERIFY(!OfferRecovery(*next.Appl)); // no design came back
        const C_ROOM& back = next.Appl->Room;
        QCOMPARE(back.Layer.ShapeCount, 1);
        QCOMPARE(back.Layer.Shapes[0].PointCount, 2);
        QCOMPARE(back.RoomFileName, crashed.Dir.File("den.rm3"));
        QVERIFY(back.Layer.Changed);
        QVERIFY(Orphans(next).empty());
    }

    void laterAsksAgainAndDiscardForgets() {
        MainFixture crashed;
        EditAndKeep(crashed, crashed.DesignFile("oval.tr3"));
        Crash(crashed);
        MainFixture next;
        next.Appl->RecoveryDir = crashed.Appl->RecoveryDir;
        next.Dialogs->RecoveryAnswers = {RecoveryChoice::Later, RecoveryChoice::Discard};
        QVERIFY(!OfferRecovery(*next.Appl));
        QCOMPARE(Orphans(next).size(), size_t(1));
        QCOMPARE(next.Design().FileName, std::string(UNTITLED_DESIGN));
        QVERIFY(!OfferRecovery(*next.Appl));
        QVERIFY(Orphans(next).empty());
        const size_t questions = next.Dialogs->Messages.size();
        QVERIFY(!OfferRecovery(*next.Appl)); // nothing left: nothing asked
        QCOMPARE(next.Dialogs->Messages.size(), questions);
    }

    // Two programs at once: neither offers nor deletes the other's copies.
    void twoRunningProgramsKeepApart() {
        MainFixture first;
        EditAndKeep(first, first.DesignFile("a.tr3"));
        MainFixture second;
        second.Appl->RecoveryDir = first.Appl->RecoveryDir;
        EditAndKeep(second, second.DesignFile("b.tr3"));
        QVERIFY(!OfferRecovery(*second.Appl));
        StopRecovery(*second.Appl);
        QDir folder(QString::fromStdString(first.Appl->RecoveryDir));
        QCOMPARE(folder.entryList({"*.design"}, QDir::Files).size(), 1); // the first's
        StopRecovery(*first.Appl);
    }
};

QTEST_MAIN(RecoveryTest)
#include "RecoveryTest.moc"
