#include "EditFixture.h"

#include <QTabWidget>

// The track toolbar and Edit menu commands on the selected range.
class TrackCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void deleteSectionsKeepsTheAnchoredSideInPlace_data() {
        QTest::addColumn<int>("anchor");
        QTest::addColumn<bool>("headStays"); // else the tail stays
        QTest::newRow("anchor before the range") << 0 << true;
        QTest::newRow("anchor inside the range") << 3 << false;
    }
    void deleteSectionsKeepsTheAnchoredSideInPlace() {
        QFETCH(int, anchor);
        QFETCH(bool, headStays);
        EditFixture f;
        T_TRACK& track = f.Lay(0, {"S350", "C2-450", "S175", "S350", "S088", "C2-450", "S350",
                                   "S175", "C2-900", "S350"});
        ReAnchor(track, anchor, f.Appl->Canvases.Placement);
        const std::vector<Pose> before = f.WorldPoses(track);
        f.Select(track, 2, 4);
        f.Trigger("DeleteTrackSectionMenu");
        QCOMPARE(track.PartCount, 7);
        QCOMPARE(track.Parts[2].Def, f.Part("C2-450"));
        QCOMPARE(f.Panel().SelectionFirst, 2);
        QCOMPARE(f.Panel().SelectionLast, 2);
        const std::vector<Pose> after = f.WorldPoses(track);
        if (headStays)
            QVERIFY(SamePose(after[0], before[0]) && SamePose(after[1], before[1]));
        else
            QVERIFY(SamePose(after[2], before[5]) && SamePose(after[6], before[9]));
        QCOMPARE(f.UndoCount(), 1);
    }

    void deletingEveryPartLeavesTheEmptyPart() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 4);
        f.Select(track, 0, 3);
        f.Trigger("DeleteSectionButton");
        QVERIFY(track.HoldsOnlyEmptyPart());
        QCOMPARE(f.Panel().SelectedTrack, &track);
        QCOMPARE(f.Panel().SelectionFirst, 0);
    }

    void deleteSectionsOnlyOnTheDesignPage() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 4);
        f.Select(track, 0, 1);
        f.Form->MainTab->setCurrentIndex(2);
        f.Select(track, 0, 1);
        f.Trigger("DeleteTrackSectionMenu");
        QCOMPARE(track.PartCount, 4);
    }

    void anchoredPartStaysWhenPartsBeforeItGo() {
        EditFixture f;
        T_TRACK& track =
            f.Lay(0, {"S350", "C2-450", "S175", "C2-450", "S350", "S088", "S175", "C2-900"});
        const std::vector<Pose> before = f.WorldPoses(track);
        f.Select(track, 6, 7);
        f.Trigger("AnchorSectionButton");
        QCOMPARE(track.Anchor, 6);
        QCOMPARE(f.Panel().SelectionLast, 6);
        QVERIFY(SamePose(f.WorldPoses(track)[0], before[0])); // nothing moved
        f.Select(track, 0, 3);
        f.Trigger("DeleteSectionButton");
        const std::vector<Pose> after = f.WorldPoses(track);
        QVERIFY(SamePose(after[2], before[6]));
        QVERIFY(SamePose(after[3], before[7]));
        QCOMPARE(f.UndoCount(), 2);
    }

    void raiseAndLowerWrap() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 3);
        track.Parts[1].Height = 127;
        track.Parts[2].Height = -128;
        f.Select(track, 1, 1);
        f.Trigger("RaiseTrackButton");
        QCOMPARE(track.Parts[1].Height, int8_t(-128));
        QCOMPARE(track.Parts[0].Height, int8_t(0));
        f.Select(track, 2, 2);
        f.Trigger("LowerTrackButton");
        QCOMPARE(track.Parts[2].Height, int8_t(127));
        QCOMPARE(f.UndoCount(), 2);
    }

    void mirrorTurnsOnlyTheRange() {
        EditFixture f;
        T_TRACK& track = f.Lay(0, {"C2-450", "C2-450", "S350"});
        track.Parts[0].Status = track.Parts[1].Status = PS_LEFT;
        f.Select(track, 1, 2);
        f.Trigger("MirrorButton");
        QCOMPARE(track.Parts[0].Status, uint8_t(PS_LEFT));
        QCOMPARE(track.Parts[1].Status, uint8_t(PS_RIGHT));
        QCOMPARE(track.Parts[2].Status, uint8_t(0));
        f.Select(track, 2, 2); // a straight: nothing to see, still a step
        f.Trigger("MirrorButton");
        QCOMPARE(f.UndoCount(), 2);
    }

    void quickRotationsTurnTheGroupWithoutASnapshot_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("angle");
        QTest::newRow("north") << "RotateNorthButton" << 720;
        QTest::newRow("south") << "RotateSouthButton" << 0;
        QTest::newRow("west") << "RotateWestButton" << 360;
        QTest::newRow("east") << "RotateEastButton" << 1080;
    }
    void quickRotationsTurnTheGroupWithoutASnapshot() {
        QFETCH(QString, command);
        QFETCH(int, angle);
        EditFixture f;
        f.NewGroupedDesign(6);
        T_TRACK& second = f.Design().Tracks[1];
        f.Design().SetTrackAngle(&second, 100);
        PushUndo(*f.Appl, {ChangeKind::Track});
        f.Select(second, 0, 0);
        f.Trigger("RaiseTrackButton");
        f.Trigger(qPrintable(command));
        for (int k = 0; k < 3; ++k)
            QCOMPARE(f.Design().Tracks[k].Angle, angle);
        const float width = f.Design().Brand->DefaultWidth;
        const T_TRACK& first = f.Design().Tracks[0];
        QVERIFY(std::fabs(second.X - (first.X + width * Angles.Cos[angle])) < 0.001f);
        QCOMPARE(f.UndoCount(), 2);
        f.Trigger("UndoItemMenu"); // back before the raise, the turn with it
        QCOMPARE(f.Design().Tracks[1].Angle, 100);
        QCOMPARE(f.Design().Tracks[1].Parts[0].Height, int8_t(0));
    }

    void deleteTrack() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(1, 2);
        track.Group = true;
        f.Select(track, 0, 0);
        f.Trigger("DeleteTrackMenu");
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("You cannot delete a track which is member of a multi-lane group!"));
        QVERIFY(track.InUse);
        track.Group = false;
        f.Trigger("DeleteTrackButton");
        QVERIFY(!track.InUse);
        QVERIFY(!f.Panel().SelectedTrack);
        QVERIFY(!f.Action("DeleteTrackButton")->isEnabled());
        QCOMPARE(f.UndoCount(), 1);
    }

    void commandsWithoutASelectedTrackDoNothing() {
        EditFixture f;
        f.Panel().SelectedTrack = nullptr;
        for (const char* command :
             {"DeleteSectionButton", "AnchorSectionButton", "RaiseTrackButton", "LowerTrackButton",
              "MirrorButton", "RotateNorthButton", "DeleteTrackButton"})
            f.Trigger(command);
        QCOMPARE(f.UndoCount(), 0);
        QVERIFY(f.Dialogs->Messages.empty());
    }
};

QTEST_MAIN(TrackCommandsTest)
#include "TrackCommandsTest.moc"
