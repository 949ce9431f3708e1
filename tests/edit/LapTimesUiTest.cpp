#include "EditFixture.h"
#include "app/ReportCommands.h"
#include "ui/CarDialog.h"
#include "ui/LayoutCheckDock.h"
#include "ui/RaceView.h"
#include "ui/SpeedTraceDock.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>

// Lap times in the window: the car, the Info page, the check, the speed
// trace and the race view.
class LapTimesUiTest : public QObject {
    Q_OBJECT

    static T_TRACK& Oval(EditFixture& f) {
        T_TRACK& track = f.Lay(0, {"C2-900", "C2-900", "S350", "C2-900", "C2-900", "S350"});
        for (int i : {0, 1, 3, 4})
            track.Parts[i].Status = PS_RIGHT;
        f.Repaint();
        PushUndo(*f.Appl, {ChangeKind::Track});
        return track;
    }
    static double Distance(QPointF p, PixelPoint a, PixelPoint b) {
        const double dx = b.X - a.X, dy = b.Y - a.Y, len2 = dx * dx + dy * dy;
        const double t =
            len2 > 0 ? std::clamp(((p.x() - a.X) * dx + (p.y() - a.Y) * dy) / len2, 0.0, 1.0) : 0;
        return std::hypot(p.x() - a.X - t * dx, p.y() - a.Y - t * dy);
    }
    // How far a car is from the nearest lane line the canvas draws in the car's colour.
    static double FromLaneOfItsColour(EditFixture& f, const CarMark& car) {
        const T_PLACEMENT& drawn = f.Appl->Canvases.Placement;
        double best = 1e9;
        PointBuffer line;
        for (int i = 0; i < drawn.Count; ++i) {
            const T_PLACED& placed = drawn.Entries[i];
            for (bool first : {true, false}) {
                if (ToQColor(first ? placed.FirstLaneColor : placed.SecondLaneColor) != car.Colour)
                    continue;
                (first ? FirstLane : SecondLane)(*placed.Part, placed.StartPose(), f.Panel().Zoom,
                                                 false, line);
                for (int k = 1; k < line.Count; ++k)
                    best = std::min(best, Distance(car.At, line.Points[k - 1], line.Points[k]));
            }
        }
        return best;
    }

  private slots:
    void theCarDialogShowsPresetsAndOwnValues() {
        TCarForm form(nullptr);
        form.SetCar(*FindCarPreset("HO"));
        QCOMPARE(form.TopSpeed->value(), FindCarPreset("HO")->Values.TopSpeed);
        form.Preset->setCurrentText("1:24");
        QCOMPARE(form.Lateral->value(), FindCarPreset("1:24")->Values.Lateral);
        QCOMPARE(form.ChosenCar().Name, std::string("1:24"));
        form.Braking->setValue(11.5);
        QCOMPARE(form.Preset->currentText(), QString("Custom"));
        QCOMPARE(form.ChosenCar().Values.Braking, 11.5);
        form.SetCar({"Custom", {6.25, 7, 8, 9}});
        QCOMPARE(form.Preset->currentText(), QString("Custom"));
        QCOMPARE(form.TopSpeed->value(), 6.25);
    }

    // The car chosen is kept in the settings, and every lap time follows it.
    void theCarIsKeptAndTheLapTimesFollowIt() {
        EditFixture f;
        Oval(f);
        f.Trigger("LayoutCheckMenu");
        const QString before = f.Form->LayoutCheck->LayoutCheckList->item(0)->text();
        QVERIFY(before.contains(", lap 2 +"));
        // A preset keeps its own values whatever the dialog held.
        f.Dialogs->CarAnswers = {CarPreset{"1:24", {1, 1, 1, 1}}};
        f.Trigger("CarMenu");
        QCOMPARE(f.Appl->RaceCar.Values.TopSpeed, FindCarPreset("1:24")->Values.TopSpeed);
        QCOMPARE(f.Dialogs->CarsAsked.back().Name, std::string("1:32"));
        QVERIFY(f.Form->LayoutCheck->LayoutCheckList->item(0)->text() != before);
        f.Dialogs->CarAnswers = {CarPreset{"Custom", {7.5, 8, 9, 10}}};
        f.Trigger("CarMenu");
        QVERIFY(TrackListHtml(InfoPageOfDesign(*f.Appl)).find("Estimated lap times, car Custom") !=
                std::string::npos);
        QVERIFY(TrackListOfDesign(*f.Appl).find("Estimated lap times") == std::string::npos);
        f.Restart();
        QCOMPARE(f.Appl->RaceCar.Name, std::string("Custom"));
        QCOMPARE(f.Appl->RaceCar.Values.Braking, 9.0);
        // Cancelling changes nothing.
        f.Trigger("CarMenu");
        QCOMPARE(f.Appl->RaceCar.Values.Lateral, 10.0);
    }

    void theSpeedTraceDrawsBothLanes() {
        EditFixture f;
        Oval(f);
        f.Trigger("SpeedTraceMenu");
        QCOMPARE(f.Form->SpeedTrace->TrackChoice->count(), 1);
        QCOMPARE(f.Form->SpeedTrace->TrackChoice->itemText(0), QString("Track 1, car 1:32"));
        const QImage chart = f.Form->SpeedTrace->Chart->grab().toImage();
        int red = 0, green = 0;
        for (int y = 0; y < chart.height(); ++y)
            for (int x = 0; x < chart.width(); ++x) {
                const QColor c = chart.pixelColor(x, y);
                red += c == QColor(Qt::red);
                green += c == QColor(Qt::green);
            }
        QVERIFY(red > 20 && green > 20);
        // An open design has no trace.
        f.Design().Tracks[0].DeleteRange(5, 5);
        f.Appl->Changes.Announce({ChangeKind::Track, 0});
        QCOMPARE(f.Form->SpeedTrace->TrackChoice->itemText(0), QString("No closed track"));
    }

    // The cars keep to the lane lines of their colour as the canvas draws
    // them, count their laps, and leave the design and its history alone.
    void theRaceRunsOnTheLanesAndChangesNothing() {
        EditFixture f;
        T_TRACK& track = Oval(f);
        f.Panel().Zoom = 3.0f;
        f.Repaint();
        const int undo = f.UndoCount();
        const bool modified = track.Modified;
        const std::vector<Pose> poses = f.WorldPoses(track);
        f.Trigger("RaceMenu");
        TRaceView& race = *f.Form->Racing;
        QVERIFY(race.Running());
        QVERIFY(f.Action("RaceMenu")->isChecked());
        QCOMPARE(race.Scene().Cars.size(), size_t(2));
        const double lap = race.Racing().Entrants()[0].Lap.LapTime;
        for (int step = 0; step < 12; ++step) {
            race.Tick(lap / 9);
            for (const CarMark& car : race.Scene().Cars)
                QVERIFY2(FromLaneOfItsColour(f, car) < 1.5, qPrintable(QString::number(step)));
        }
        QVERIFY(race.Scene().Board[0].startsWith("Track 1 lane 1: lap 2, last "));
        // An edit while the cars run starts them again on the new lanes.
        f.Appl->Changes.Announce({ChangeKind::Track, 0});
        QVERIFY(race.Running());
        QVERIFY(f.Action("RaceMenu")->isChecked());
        QCOMPARE(race.Racing().States()[0].Laps, 0);
        race.Tick(lap * 1.5);
        QCOMPARE(race.Racing().States()[0].Laps, 1);
        QCOMPARE(f.UndoCount(), undo);
        QCOMPARE(track.Modified, modified);
        const std::vector<Pose> after = f.WorldPoses(track);
        QVERIFY(std::equal(poses.begin(), poses.end(), after.begin(), after.end(), SamePose));
        f.Trigger("CancelEditing"); // Escape
        QVERIFY(!race.Running());
        QVERIFY(!f.Action("RaceMenu")->isChecked());
        QCOMPARE(f.UndoCount(), undo);
    }

    void withoutAClosedTrackNothingRaces() {
        EditFixture f;
        f.LayStraights(0, 3);
        f.Trigger("RaceMenu");
        QVERIFY(!f.Form->Racing->Running());
        QVERIFY(!f.Action("RaceMenu")->isChecked());
        QVERIFY(f.Dialogs->Messages.back().find("closed track") != std::string::npos);
    }
};

QTEST_MAIN(LapTimesUiTest)
#include "LapTimesUiTest.moc"
