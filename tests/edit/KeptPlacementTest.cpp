#include "EditFixture.h"
#include "app/ViewCommands.h"

#include <functional>

// The design canvas keeps its placement between repaints while nothing it
// was laid from changes; after every kind of edit it is what laying the
// design afresh gives.
class KeptPlacementTest : public QObject {
    Q_OBJECT

  private slots:
    void everyEditLeavesAFreshPlacement() {
        EditFixture f;
        T_TRACK& a = f.Lay(0, {"S350", "C2-450", "S175", "C2-450", "S088"}, -80, 0);
        T_TRACK& b = f.Lay(1, {"S175", "C2-450"}, 90, 40);
        f.Repaint();
        const std::string file = f.DesignFile("other.tr3", 5);
        const std::vector<std::pair<const char*, std::function<void()>>> edits = {
            {"drag", [&] { f.Drag(f.At(b, 0), f.At(b, 0) + QPoint(30, 17)); }},
            {"rotate", [&] { f.Select(a, 0, 4), f.Trigger("RotateEastButton"); }},
            {"raise", [&] { f.Select(a, 1, 2), f.Trigger("RaiseTrackButton"); }},
            {"lower", [&] { f.Select(a, 0, 0), f.Trigger("LowerTrackButton"); }},
            {"mirror", [&] { f.Select(a, 1, 1), f.Trigger("MirrorButton"); }},
            {"delete", [&] { f.Select(a, 4, 4), f.Trigger("DeleteSectionButton"); }},
            {"split",
             [&] {
                 f.Select(a, 2, 3);
                 f.Trigger("SplitTrackButton");
                 f.Click(QPoint(f.Panel().CentreX + 40, f.Panel().CentreY + 90));
             }},
            {"select another track",
             [&] {
                 f.Select(a, 0, 0);
                 f.Panel().SelectedTrack = &b; // the same range of another track
             }},
            {"join",
             [&] {
                 f.Trigger("JoinTrackButton");
                 f.Drag(f.At(b, 0), f.At(a, 0));
             }},
            {"insert track",
             [&] {
                 f.Trigger("InsertTrackButton");
                 f.Click(QPoint(f.Panel().CentreX - 200, f.Panel().CentreY - 150));
             }},
            {"undo", [&] { f.Trigger("UndoItemMenu"); }},
            {"undo again", [&] { f.Trigger("UndoItemMenu"); }},
            {"redo", [&] { f.Trigger("RedoItemMenu"); }},
            {"select", [&] { f.Click(f.At(a, 1)); }},
            {"zoom", [&] { ZoomEntered(*f.Appl, f.Panel(), "3"); }},
            {"part shape",
             [&] {
                 // The definitions editor changes a shape in place.
                 f.Part("S350")->StraightLength += 5;
             }},
            {"open",
             [&] {
                 f.Dialogs->FileNames.push_back(file);
                 f.Trigger("OpenDesignButton");
             }},
        };
        for (const auto& [name, edit] : edits) {
            edit();
            QCOMPARE(QString::fromStdString(KeptPlacementDiffers(f.Appl->Canvases)), QString());
            f.Repaint();
            QVERIFY2(f.Appl->Canvases.Placement.Key != 0, name);
            QCOMPARE(QString::fromStdString(KeptPlacementDiffers(f.Appl->Canvases)), QString());
        }
    }

    // A repaint of an unchanged design keeps the entries; any change lays them anew.
    void onlyAChangeLaysTheDesignAnew() {
        EditFixture f;
        T_TRACK& track = f.Lay(0, {"S350", "C2-450"});
        f.Repaint();
        T_PLACEMENT& placement = f.Appl->Canvases.Placement;
        const unsigned long long builds = placement.Builds;
        f.Repaint();
        QCOMPARE(placement.Builds, builds);
        // Selecting only recolours: the same build, the colours of a fresh one.
        f.Select(track, 1, 1);
        QCOMPARE(placement.Builds, builds);
        QCOMPARE(QString::fromStdString(KeptPlacementDiffers(f.Appl->Canvases)), QString());
        const T_PLACED* selected = f.Placed(track.Parts[1]);
        QVERIFY(selected && selected->FillColor == f.Panel().View.SelectedColor);
        QVERIFY(f.Placed(track.Parts[0])->FillColor != f.Panel().View.SelectedColor);
        track.Parts[1].Status ^= PS_LEFT | PS_RIGHT;
        f.Repaint();
        QVERIFY(placement.Builds != builds);
        // A highlight changes entries in place: the next repaint lays them anew.
        const unsigned long long highlighted = placement.Builds;
        HighlightDropTarget(*f.Appl, placement.Entries[0], RGB_RED);
        f.Repaint();
        QVERIFY(placement.Builds != highlighted);
        QCOMPARE(QString::fromStdString(KeptPlacementDiffers(f.Appl->Canvases)), QString());
    }

    // Another zoom or scroll maps the kept world poses to pixels: no new
    // build, and exactly the pixels of a fresh one.
    void aZoomOrScrollOnlyMapsTheKeptPlacement() {
        EditFixture f;
        T_TRACK& track = f.Lay(0, {"S350", "C2-450", "S175", "C1-225", "S088"}, -30, 20);
        f.Repaint();
        T_PLACEMENT& placement = f.Appl->Canvases.Placement;
        const unsigned long long builds = placement.Builds;
        const float before = f.Placed(track.Parts[2])->X;
        const std::vector<std::pair<const char*, std::function<void()>>> views = {
            {"zoom", [&] { ZoomEntered(*f.Appl, f.Panel(), "3.3"); }},
            {"scroll", [&] { f.Panel().Offset.X += 37.25f, f.Panel().Offset.Y -= 11.5f; }},
            {"zoom out", [&] { ZoomEntered(*f.Appl, f.Panel(), "0.7"); }},
        };
        for (const auto& [name, change] : views) {
            change();
            f.Repaint();
            QVERIFY2(placement.Builds == builds, name);
            QCOMPARE(QString::fromStdString(KeptPlacementDiffers(f.Appl->Canvases)), QString());
        }
        QVERIFY(f.Placed(track.Parts[2])->X != before);
        track.Parts[3].Status ^= PS_LEFT | PS_RIGHT;
        f.Repaint();
        QVERIFY(placement.Builds != builds);
    }

    // A track dragged as a whole moves its kept entries; a turn lays anew.
    void aDraggedTrackMovesItsKeptEntries() {
        EditFixture f;
        f.Lay(0, {"S350", "C2-450", "S175"}, -80, 0);
        T_TRACK& b = f.Lay(1, {"S175", "C2-450", "C1-225"}, 90, 40);
        f.Repaint();
        T_PLACEMENT& placement = f.Appl->Canvases.Placement;
        const unsigned long long builds = placement.Builds;
        f.Drag(f.At(b, 0), f.At(b, 0) + QPoint(31, -13));
        QCOMPARE(placement.Builds, builds);
        QCOMPARE(QString::fromStdString(KeptPlacementDiffers(f.Appl->Canvases)), QString());
        b.Angle = NormalizeAngle(b.Angle + 60);
        f.Repaint();
        QVERIFY(placement.Builds != builds);
        QCOMPARE(QString::fromStdString(KeptPlacementDiffers(f.Appl->Canvases)), QString());
    }
};

QTEST_MAIN(KeptPlacementTest)
#include "KeptPlacementTest.moc"
