#include "edit/TrackCanvas.h"
#include "EditFixture.h"
#include "edit/TrackCommands.h"
#include "edit/Trackpopup.h"
#include "edit/ViewPan.h"
#include "render/PartRender.h"
#include "view/ViewMath.h"

#include <QLineEdit>
#include <QSlider>

// The design canvas driven with pointer events: selecting, dragging, the
// modes that place, copy, split, rotate and join tracks.
class TrackCanvasTest : public QObject {
    Q_OBJECT

  private slots:
    void clicksCycleThroughTheSelection() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 10);
        f.Click(QPoint(5, 5)); // nothing there: no selection
        QVERIFY(!f.Panel().SelectedTrack);
        const std::pair<int, int> cycle[] = {{4, 4}, {0, 9}, {4, 9}, {0, 4}, {4, 4}};
        for (const auto& [first, last] : cycle) {
            f.Click(f.At(track, 4));
            QCOMPARE(f.Panel().SelectedTrack, &track);
            QCOMPARE(f.Panel().SelectionFirst, first);
            QCOMPARE(f.Panel().SelectionLast, last);
        }
        QVERIFY(f.Action("DeleteTrackButton")->isEnabled());
        QCOMPARE(f.UndoCount(), 0); // selecting changes no design
    }

    // The drawing's press and the track's press share one repaint: on the
    // largest designs every repaint is felt.
    void aPressOnAPartPaintsTheCanvasOnce() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 10);
        int paints = 0;
        const std::function<void()> shown = f.Panel().WindowChanged;
        f.Panel().WindowChanged = [&] {
            ++paints;
            shown();
        };
        QTest::mousePress(f.Canvas(), Qt::LeftButton, {}, f.At(track, 4));
        QTest::mouseRelease(f.Canvas(), Qt::LeftButton, {}, f.At(track, 4));
        QCOMPARE(f.Panel().SelectedTrack, &track);
        QCOMPARE(paints, 1);
        f.Panel().WindowChanged = shown;
    }

    void clicksOutsideTheRangeGrowIt() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 10);
        f.Panel().SelectedTrack = &track;
        f.Panel().SelectionFirst = 3;
        f.Panel().SelectionLast = 5;
        const std::tuple<int, int, int> clicks[] = {{7, 3, 7}, {1, 1, 7}, {4, 1, 7}};
        for (const auto& [part, first, last] : clicks) {
            f.Click(f.At(track, part));
            QCOMPARE(f.Panel().SelectionFirst, first);
            QCOMPARE(f.Panel().SelectionLast, last);
        }
    }

    void draggingMovesTheTrackAndSelectsThePart() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 4);
        f.Repaint();
        const QPoint from = f.At(track, 2);
        f.Drag(from, from + QPoint(40, -20));
        const float zoom = f.Panel().Zoom;
        QCOMPARE(track.X, 40 / zoom);
        QCOMPARE(track.Y, -20 / zoom);
        QCOMPARE(f.Panel().SelectionFirst, 2);
        QCOMPARE(f.Panel().SelectionLast, 2);
        QCOMPARE(f.Mode(), EditMode::Select);
        QCOMPARE(f.UndoCount(), 1);
    }

    void aShortWiggleIsAClickNotADrag() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 4);
        const QPoint at = f.At(track, 1);
        QTest::mousePress(f.Canvas(), Qt::LeftButton, {}, at);
        QTest::mouseMove(f.Canvas(), at + QPoint(1, 1));
        QTest::mouseRelease(f.Canvas(), Qt::LeftButton, {}, at + QPoint(1, 1));
        QCOMPARE(track.X, 0.0f);
        QCOMPARE(f.UndoCount(), 0);
    }

    void draggingAGroupTrackMovesTheGroup() {
        EditFixture f;
        f.NewGroupedDesign(4);
        T_TRACK& first = f.Design().Tracks[0];
        T_TRACK& second = f.Design().Tracks[1];
        for (T_TRACK* track : {&first, &second})
            for (int i = 0; i < 3; ++i)
                track->InsertCopyAfter(nullptr, T_PART{0, 0, f.Part("S350")});
        f.Repaint();
        const float width = f.Design().Brand->DefaultWidth;
        const QPoint from = f.At(second, 1);
        f.Drag(from, from + QPoint(30, 60));
        const float zoom = f.Panel().Zoom;
        QCOMPARE(first.X, 30 / zoom);
        QCOMPARE(first.Y, 60 / zoom);
        QVERIFY(std::fabs(second.X - (first.X + width)) < 0.001f);
        QCOMPARE(second.Y, first.Y);
    }

    void escapePutsADraggedTrackBack() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 3, 10.0f, 20.0f);
        const QPoint from = f.At(track, 0);
        QTest::mousePress(f.Canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(f.Canvas(), from + QPoint(30, 0));
        QTest::mouseMove(f.Canvas(), from + QPoint(60, 0));
        QCOMPARE(f.Mode(), EditMode::DragTrack);
        QVERIFY(track.X != 10.0f);
        f.Trigger("CancelEditing");
        QCOMPARE(f.Mode(), EditMode::Select);
        QCOMPARE(track.X, 10.0f);
        QCOMPARE(track.Y, 20.0f);
        QTest::mouseRelease(f.Canvas(), Qt::LeftButton, {}, from + QPoint(60, 0));
        QCOMPARE(f.UndoCount(), 0);
    }

    void rotationFollowsThePointerHeight_data() {
        QTest::addColumn<int>("below"); // pixels below the track's start
        QTest::addColumn<int>("angle");
        QTest::newRow("45 above") << -45 << 900;
        QTest::newRow("5 below") << 5 << 700;
        QTest::newRow("2 below snaps to 180") << 2 << 720;
        QTest::newRow("87 below snaps to 90") << 87 << 360;
        QTest::newRow("178 below snaps to 0") << 178 << 0;
        QTest::newRow("far below") << 400 << 0;
        QTest::newRow("far above") << -400 << 0;
    }
    void rotationFollowsThePointerHeight() {
        QFETCH(int, below);
        QFETCH(int, angle);
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 2, 0.0f, 10.0f);
        f.Click(f.At(track, 0));
        f.Trigger("RotateTrackButton");
        QCOMPARE(f.Mode(), EditMode::RotateStart);
        const int level =
            static_cast<int>(track.Y * f.Panel().Zoom + f.Panel().Offset.Y + f.Panel().CentreY);
        QTest::mousePress(f.Canvas(), Qt::LeftButton, {}, QPoint(300, level));
        QTest::mouseMove(f.Canvas(), QPoint(300, level + below));
        QCOMPARE(track.Angle, angle);
        // The angle shows as it changes.
        QCOMPARE(f.Status(2), QString("Angle %1\u00B0").arg(angle * 0.25, 0, 'f', 2));
        QTest::mouseRelease(f.Canvas(), Qt::LeftButton, {}, QPoint(300, level + below));
        QCOMPARE(f.Mode(), EditMode::Select);
        QCOMPARE(f.UndoCount(), 1);
    }

    // Before the click the new track shows at the pointer: the empty track's
    // arrow, the copy, the part split off; leaving the mode takes it away.
    void theNewTrackShowsBeforeTheClick_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("Insert Track") << "InsertTrackMenu";
        QTest::newRow("Copy Track") << "CopyTrackButton";
        QTest::newRow("Split Track") << "SplitTrackButton";
    }
    void theNewTrackShowsBeforeTheClick() {
        QFETCH(QString, command);
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 3, -100, -100);
        f.Click(f.At(track, 1));
        f.Trigger(command.toLatin1().constData());
        const QPoint at(f.Panel().CentreX + 80, f.Panel().CentreY + 40);
        auto yellowNear = [&] {
            int count = 0;
            for (int y = at.y() - 5; y < at.y() + 60; ++y)
                for (int x = at.x() - 5; x < at.x() + 60; ++x)
                    count += (f.Panel().WindowImage.pixel(x, y) & 0xFFFFFF) == 0xFFFF00;
            return count;
        };
        f.Move(at);
        QVERIFY(yellowNear() > 50);
        QCOMPARE(f.Design().TrackCount(), 1); // nothing made yet
        f.Move(at + QPoint(100, 0));          // the preview follows, the old one goes
        QCOMPARE(yellowNear(), 0);
        f.Click(at, Qt::RightButton);
        QCOMPARE(f.Mode(), EditMode::Select);
        QCOMPARE(f.Panel().WindowImage, f.Panel().Bitmap.Pixels());
    }

    void insertTrackPlacesANewTrackOrRefuses() {
        EditFixture f;
        f.Trigger("InsertTrackMenu");
        QCOMPARE(f.Mode(), EditMode::InsertTrack);
        f.Click(QPoint(f.Panel().CentreX + 20, f.Panel().CentreY + 40));
        QCOMPARE(f.Design().TrackCount(), 2);
        T_TRACK* added = f.Panel().SelectedTrack;
        QCOMPARE(added, &f.Design().Tracks[1]);
        QCOMPARE(added->X, 20 / f.Panel().Zoom);
        QCOMPARE(added->Y, 40 / f.Panel().Zoom);
        QVERIFY(added->HoldsOnlyEmptyPart());
        QCOMPARE(f.Mode(), EditMode::Select);
        QCOMPARE(f.UndoCount(), 1);
        while (f.Design().AllocateTrack()) {
        }
        f.Trigger("InsertTrackButton");
        f.Click(QPoint(10, 10));
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("You cannot add any more tracks (max 32) !"));
        QCOMPARE(f.Mode(), EditMode::Select);
        QCOMPARE(f.UndoCount(), 1);
    }

    void copyTrackCopiesTheSelectedRange() {
        EditFixture f;
        T_TRACK& track = f.Lay(0, {"S350", "C2-450", "S175", "S088"});
        track.Parts[1].Status = PS_RIGHT;
        track.Parts[1].Height = 3;
        f.Panel().SelectedTrack = &track;
        f.Panel().SelectionFirst = 1;
        f.Panel().SelectionLast = 2;
        f.Trigger("CopyTrackButton");
        QCOMPARE(f.Mode(), EditMode::CopyTrack);
        f.Click(QPoint(f.Panel().CentreX - 100, f.Panel().CentreY));
        T_TRACK* copy = f.Panel().SelectedTrack;
        QVERIFY(copy != &track);
        QCOMPARE(copy->PartCount, 2);
        QCOMPARE(copy->Parts[0].Def, track.Parts[1].Def);
        QCOMPARE(copy->Parts[0].Status, uint8_t(PS_RIGHT));
        QCOMPARE(copy->Parts[0].Height, int8_t(3));
        QCOMPARE(copy->Parts[1].Def, track.Parts[2].Def);
        QCOMPARE(copy->Angle, 0);
        QCOMPARE(copy->X, -100 / f.Panel().Zoom);
        QCOMPARE(f.Panel().SelectionLast, 1);
        QCOMPARE(f.UndoCount(), 1);
    }

    void modesNeedingATrackDoNothingWithoutOne() {
        EditFixture f;
        f.Panel().SelectedTrack = nullptr;
        for (const char* command : {"CopyTrackButton", "SplitTrackButton", "RotateTrackButton"}) {
            f.Trigger(command);
            QCOMPARE(f.Mode(), EditMode::Select);
        }
        f.Trigger("JoinTrackButton");
        QCOMPARE(f.Mode(), EditMode::JoinTrackStart);
        f.Click(QPoint(5, 5), Qt::RightButton);
        QCOMPARE(f.Mode(), EditMode::Select);
    }

    void splitKeepsTheRemainingPiecesInPlace_data() {
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("head") << 0 << 0 << 2;
        QTest::newRow("middle") << 0 << 2 << 3;
        QTest::newRow("tail") << 0 << 3 << 5;
        QTest::newRow("head, anchor inside") << 1 << 0 << 2;
        QTest::newRow("middle, anchor after") << 5 << 2 << 3;
        QTest::newRow("tail, anchor inside") << 4 << 3 << 5;
    }
    void splitKeepsTheRemainingPiecesInPlace() {
        QFETCH(int, anchor);
        QFETCH(int, first);
        QFETCH(int, last);
        EditFixture f;
        T_TRACK& track = f.Lay(0, {"S350", "C2-450", "S175", "C2-450", "S350", "S088"}, 5, 7);
        track.Angle = 100;
        ReAnchor(track, anchor, f.Appl->Canvases.Placement);
        f.Repaint();
        const std::vector<Pose> before = f.WorldPoses(track);
        f.Panel().SelectedTrack = &track;
        f.Panel().SelectionFirst = first;
        f.Panel().SelectionLast = last;
        f.Trigger("SplitTrackButton");
        const QPoint press(f.Panel().CentreX + 50, f.Panel().CentreY + 60);
        f.Click(press);
        // Every part that did not move out keeps its place, in whichever track.
        T_TRACK* split = f.Panel().SelectedTrack;
        QCOMPARE(split->PartCount, last - first + 1);
        QCOMPARE(split->X, 50 / f.Panel().Zoom);
        QCOMPARE(split->Angle, before[first].Angle);
        int kept = 0;
        for (T_TRACK& piece : f.Design().Tracks) {
            if (!piece.InUse || &piece == split)
                continue;
            const std::vector<Pose> now = f.WorldPoses(piece);
            const int offset = &piece == &track && first != 0 ? 0 : last + 1;
            for (size_t k = 0; k < now.size(); ++k)
                QVERIFY2(SamePose(now[k], before[offset + k]), qPrintable(QString::number(k)));
            kept += piece.PartCount;
        }
        QCOMPARE(kept, 6 - (last - first + 1));
        QCOMPARE(f.Design().TrackCount(), first != 0 && last != 5 ? 3 : 2);
        QCOMPARE(f.UndoCount(), 1);
    }

    void aMiddleSplitWithoutTwoFreeSlotsChangesNothing() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 6);
        while (f.Design().TrackCount() < MAX_TRACKS - 1)
            f.Design().AllocateTrack();
        f.Panel().SelectedTrack = &track;
        f.Panel().SelectionFirst = 2;
        f.Panel().SelectionLast = 3;
        f.Trigger("SplitTrackButton");
        f.Click(QPoint(10, 10));
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("You cannot add any more tracks (max 32) !"));
        QCOMPARE(f.Design().TrackCount(), MAX_TRACKS - 1);
        QCOMPARE(track.PartCount, 6);
        QCOMPARE(f.Mode(), EditMode::Select);
    }

    void joinFollowsTheGrabbedEnd_data() {
        QTest::addColumn<bool>("grabFirst");
        QTest::addColumn<bool>("ontoFirst");
        QTest::addColumn<QString>("expected"); // the target's codes and sides afterwards
        QTest::newRow("last onto first") << false << true << "S175 C2-450R S350 S088";
        QTest::newRow("first onto first") << true << true << "C2-450L S175 S350 S088";
        QTest::newRow("first onto last") << true << false << "S350 S088 S175 C2-450R";
        QTest::newRow("last onto last") << false << false << "S350 S088 C2-450L S175";
    }
    void joinFollowsTheGrabbedEnd() {
        QFETCH(bool, grabFirst);
        QFETCH(bool, ontoFirst);
        QFETCH(QString, expected);
        EditFixture f;
        T_TRACK& target = f.Lay(0, {"S350", "S088"}, -60, 0);
        T_TRACK& source = f.Lay(1, {"S175", "C2-450"}, 60, 0);
        source.Parts[1].Status = PS_RIGHT;
        f.Repaint();
        const std::vector<Pose> targetBefore = f.WorldPoses(target);
        f.Trigger("JoinTrackButton");
        f.Drag(f.At(source, grabFirst ? 0 : 1), f.At(target, ontoFirst ? 0 : 1));
        QString codes;
        for (int i = 0; i < target.PartCount; ++i) {
            const T_PART& part = target.Parts[i];
            codes += QString::fromStdString(part.Def->Code);
            if (part.Def->Type == PT_Curve)
                codes += part.Status & PS_RIGHT ? "R" : "L";
            codes += i + 1 < target.PartCount ? " " : "";
        }
        QCOMPARE(codes, expected);
        QVERIFY(!source.InUse);
        const std::vector<Pose> targetAfter = f.WorldPoses(target);
        const int shift = ontoFirst ? 2 : 0;
        QVERIFY(SamePose(targetAfter[shift], targetBefore[0]));
        QCOMPARE(f.Mode(), EditMode::Select);
        QCOMPARE(f.UndoCount(), 1);
    }

    // A part tinted in Join mode belongs to the placement it was found in:
    // a new design lays the parts anew, and nothing of the old one is tinted
    // or painted when the pointer goes on.
    void aNewDesignForgetsTheJoinTarget() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 3);
        f.Panel().SelectedTrack = &f.LayStraights(1, 1, 150, 0);
        f.Trigger("JoinTrackButton");
        f.Move(f.At(track, 2));
        QVERIFY(DropTargetOf(*f.Appl));
        f.Trigger("SelectButton");
        NewDesignAnswer answer;
        answer.Ok = true;
        f.Dialogs->WizardAnswers.push_back(answer);
        f.Dialogs->Answers = {DialogAnswer::No};
        f.Trigger("NewMenu");
        QVERIFY(!DropTargetOf(*f.Appl));
        f.Trigger("JoinTrackButton");
        const QImage before = f.Canvas()->grab().toImage();
        f.Move(QPoint(7, 9));
        QCOMPARE(f.Canvas()->grab().toImage(), before);
    }

    void aJoinDroppedNowherePutsTheSourceBack() {
        EditFixture f;
        T_TRACK& source = f.LayStraights(0, 2, 10, 10);
        f.Trigger("JoinTrackButton");
        f.Drag(f.At(source, 1), QPoint(5, 5));
        QCOMPARE(source.X, 10.0f);
        QCOMPARE(source.Y, 10.0f);
        QVERIFY(source.InUse);
        QCOMPARE(f.UndoCount(), 1);
    }

    void aGroupTrackIsNoJoinSource() {
        EditFixture f;
        T_TRACK& track = f.LayStraights(0, 2);
        track.Group = true;
        f.Trigger("JoinTrackButton");
        f.Drag(f.At(track, 0), QPoint(5, 5));
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("You cannot use a multi-lane group as a source to join!"));
        QCOMPARE(f.Mode(), EditMode::JoinTrackStart);
    }

    // A target that cannot take the whole source takes none of it.
    void aTooFullTargetRefusesTheWholeJoin_data() {
        QTest::addColumn<int>("targetParts");
        QTest::newRow("full") << MAX_TRACK_PARTS;
        QTest::newRow("one short") << MAX_TRACK_PARTS - 1;
    }
    void aTooFullTargetRefusesTheWholeJoin() {
        QFETCH(int, targetParts);
        EditFixture f;
        T_TRACK& target = f.LayStraights(0, 0, -100, 0);
        for (int i = 0; i < targetParts - 1; ++i)
            target.InsertCopyAfter(nullptr, T_PART{0, 0, f.Part("S088")});
        target.InsertCopyBefore(nullptr, T_PART{0, 0, f.Part("S350")});
        T_TRACK& source = f.LayStraights(1, 2, 100, 0);
        f.Repaint();
        const int undo = f.UndoCount();
        f.Trigger("JoinTrackButton");
        f.Drag(f.At(source, 1), f.At(target, 0));
        QCOMPARE(f.Dialogs->Messages.back(),
                 std::string("You cannot add any more parts to this track (max 2000) !"));
        QVERIFY(source.InUse);
        QCOMPARE(source.PartCount, 2);
        QCOMPARE(target.PartCount, targetParts);
        QCOMPARE(source.X, 100.0f); // put back
        QCOMPARE(f.UndoCount(), undo);
        QCOMPARE(f.Mode(), EditMode::Select);
    }

    void rightPressShowsTheLaneLengths() {
        EditFixture f;
        T_TRACK& selected = f.LayStraights(0, 4);
        T_TRACK& other = f.LayStraights(1, 2, 0, 100);
        f.Panel().SelectedTrack = &selected;
        f.Panel().SelectionFirst = f.Panel().SelectionLast = 1;
        f.Repaint();
        QTest::mousePress(f.Canvas(), Qt::RightButton, {}, f.At(selected, 2));
        QCOMPARE(f.Mode(), EditMode::Popup);
        QVERIFY(f.Form->TrackPopup->isVisible());
        QCOMPARE(f.Form->TrackPopup->Travel1->text(), QString("0.35 m")); // the range only
        QTest::mouseRelease(f.Canvas(), Qt::RightButton, {}, f.At(selected, 2));
        QVERIFY(!f.Form->TrackPopup->isVisible());
        QCOMPARE(f.Mode(), EditMode::Select);
        f.Appl->Metric = false;
        QTest::mousePress(f.Canvas(), Qt::RightButton, {}, f.At(other, 0));
        QCOMPARE(f.Form->TrackPopup->Travel2->text(), QString("2.30 ft")); // 70 cm
        QTest::mouseRelease(f.Canvas(), Qt::RightButton, {}, f.At(other, 0));
    }

    // The hint names the part and where the check and the track list find
    // it: tracks in use counted from 1 (slot 1 is free), parts from 1.
    void hoverHintNamesThePart() {
        EditFixture f;
        QVERIFY(f.Design().Tracks[0].InUse);
        T_TRACK& track = f.Lay(2, {"S350", "C2-450"}, 100, 0);
        track.Parts[1].Status = PS_LEFT;
        track.Parts[1].Height = -1;
        f.Repaint();
        f.Move(f.At(track, 0));
        QCOMPARE(f.Canvas()->toolTip(), QString("S350 - Straight, standard - 0  - track 2 part 1"));
        f.Move(f.At(track, 1));
        QCOMPARE(f.Canvas()->toolTip(), QString("C2-450 - Curve R2 45° - -1 L - track 2 part 2"));
        f.Move(QPoint(3, 3));
        QCOMPARE(f.Canvas()->toolTip(), QString());
    }

    void moveModeDragsTheView() {
        EditFixture f;
        f.Trigger("MoveButton");
        QCOMPARE(f.Mode(), EditMode::MoveStart);
        QCOMPARE(f.Status(0), QString("Move Start"));
        QTest::mousePress(f.Canvas(), Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(f.Mode(), EditMode::Move);
        QTest::mouseMove(f.Canvas(), QPoint(130, 90));
        QTest::mouseRelease(f.Canvas(), Qt::LeftButton, {}, QPoint(130, 90));
        QCOMPARE(f.Panel().Offset.X, 30.0f);
        QCOMPARE(f.Panel().Offset.Y, -10.0f);
        QCOMPARE(f.Mode(), EditMode::MoveStart);
        f.Click(QPoint(5, 5), Qt::RightButton);
        QCOMPARE(f.Mode(), EditMode::Select);
    }

    void wheelZoomsAboutThePointer() {
        EditFixture f;
        const QPoint at(f.Panel().CentreX + 120, f.Panel().CentreY - 40);
        const WorldPoint before = ScreenToWorld(f.Panel(), at.x(), at.y());
        const float zoom = f.Panel().Zoom;
        QWheelEvent wheel(at, f.Canvas()->mapToGlobal(at), QPoint(), QPoint(0, WHEEL_NOTCH),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.Canvas(), &wheel);
        QCOMPARE(f.Panel().Zoom, zoom * WHEEL_ZOOM_STEP);
        const WorldPoint after = ScreenToWorld(f.Panel(), at.x(), at.y());
        QVERIFY(std::fabs(after.X - before.X) < 0.01f && std::fabs(after.Y - before.Y) < 0.01f);
        QCOMPARE(f.Form->ZoomFactor->text(), QString::fromStdString(FormatZoom(f.Panel().Zoom)));
        QCOMPARE(f.Form->ZoomBar->value(), 31);           // 2.5 is nearest to 0.2 + 31 x 0.075
        QCOMPARE(f.Panel().Zoom, zoom * WHEEL_ZOOM_STEP); // the slider did not set it
    }

    static void Wheel(EditFixture& f, QPoint delta, Qt::KeyboardModifiers modifiers = {}) {
        const QPoint at(f.Panel().CentreX, f.Panel().CentreY);
        QWheelEvent wheel(at, f.Canvas()->mapToGlobal(at), QPoint(), delta, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.Canvas(), &wheel);
    }

    // The wheel reaches the zooms a user can type, far past the slider's ends;
    // the slider waits at its end and the field tells the zoom.
    void wheelZoomsFromAHallToCloseWork() {
        EditFixture f;
        for (int i = 0; i < 40; ++i)
            Wheel(f, QPoint(0, WHEEL_NOTCH));
        QCOMPARE(f.Panel().Zoom, WHEEL_ZOOM_MAX);
        QCOMPARE(f.Form->ZoomBar->value(), ZOOM_BAR_MAX);
        QCOMPARE(f.Form->ZoomFactor->text(), QString(" 50.0000"));
        for (int i = 0; i < 80; ++i)
            Wheel(f, QPoint(0, -WHEEL_NOTCH));
        QCOMPARE(f.Panel().Zoom, WHEEL_ZOOM_MIN);
        QCOMPARE(f.Form->ZoomBar->value(), ZOOM_BAR_MIN);
    }

    // A sideways turn and Shift with the wheel pan across; only the plain
    // wheel zooms.
    void sidewaysWheelPans_data() {
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<bool>("shift");
        QTest::newRow("tilted wheel") << QPoint(-WHEEL_NOTCH, 0) << false;
        QTest::newRow("Shift and the wheel") << QPoint(0, -WHEEL_NOTCH) << true;
    }
    void sidewaysWheelPans() {
        QFETCH(QPoint, delta);
        QFETCH(bool, shift);
        EditFixture f;
        const float zoom = f.Panel().Zoom;
        Wheel(f, delta, shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(f.Panel().Zoom, zoom);
        QVERIFY(f.Panel().Offset.X < 0.0f);
        QCOMPARE(f.Panel().Offset.Y, 0.0f);
    }

    // Raised parts cast a shadow down and right by their height, sunk parts
    // show darker; only while Show Heights is on, and only on the screen.
    void heightsShowOnTheCanvas() {
        EditFixture f;
        T_TRACK& track = f.Lay(0, {"S350", "S350", "S350"});
        track.Parts[1].Height = 2;
        track.Parts[2].Height = -1;
        f.Repaint();
        auto pixels = [&] { return f.Panel().Bitmap.Pixels(); };
        const BoundingBox raised = PartBox(*f.Placed(track.Parts[1]), f.Panel().View);
        const QPoint beside(raised.MaxX + 3, (raised.MinY + raised.MaxY) / 2);
        const T_PLACED& sunkPart = *f.Placed(track.Parts[2]);
        const PixelPoint sunk = PartFrame(sunkPart.StartPose(), f.Panel().Zoom).At(1.5f, 17.5f);
        QVERIFY(f.Panel().ShowHeights);
        const QImage on = pixels();
        f.Trigger("ShowHeightsMenu");
        QVERIFY(!f.Panel().ShowHeights);
        const QImage off = pixels();
        QCOMPARE(off.pixel(beside) & 0xFFFFFF, 0xFFFFFFu);
        QVERIFY(qGray(on.pixel(beside)) < 230);
        QVERIFY(qGray(on.pixel(sunk.X, sunk.Y)) < qGray(off.pixel(sunk.X, sunk.Y)) - 10);
        // The printout and the tool draw as they always did.
        QImage printed(400, 300, QImage::Format_ARGB32_Premultiplied), again = printed;
        for (QImage* image : {&printed, &again}) {
            f.Panel().ShowHeights = image == &printed;
            f.Repaint();
            image->fill(Qt::white);
            QPainter painter(image);
            PaintAtScale(f.Appl->Canvases, painter, {2.0f, 200, 20, false, 2});
        }
        QCOMPARE(printed, again);
    }

    void middleButtonPans() {
        EditFixture f;
        QTest::mousePress(f.Canvas(), Qt::MiddleButton, {}, QPoint(200, 200));
        QTest::mouseMove(f.Canvas(), QPoint(150, 260));
        QTest::mouseRelease(f.Canvas(), Qt::MiddleButton, {}, QPoint(150, 260));
        QCOMPARE(f.Panel().Offset.X, -50.0f);
        QCOMPARE(f.Panel().Offset.Y, 60.0f);
        QCOMPARE(f.Mode(), EditMode::Select);
        QCOMPARE(f.UndoCount(), 0);
    }
};

QTEST_MAIN(TrackCanvasTest)
#include "TrackCanvasTest.moc"
