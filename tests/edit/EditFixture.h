#pragma once
#include "../ui/MainFixture.h"
#include "app/History.h"
#include "edit/CanvasPanel.h"
#include "edit/PartSelector.h"

#include <QtTest>
#include <cmath>

// A point on the centre line of a placed part, `along` of its length in.
inline QPoint PointOn(const T_PLACED& placed, float scale, float along = 0.5f) {
    const L_PARTDEF& def = *placed.Part->Def;
    if (def.Type == PT_Curve) {
        const Arc arc = ArcOf(def, placed.Part->Status);
        const float r = (def.CurveInnerRadius + def.CurveOuterRadius) / 2;
        const int phi = static_cast<int>(def.CurveAngle * along);
        const PixelPoint p = PartFrame(placed.StartPose(), scale).At(arc.U(r, phi), Arc::V(r, phi));
        return QPoint(p.X, p.Y);
    }
    Pose end = placed.StartPose();
    AdvancePose(*placed.Part, end.X, end.Y, end.Angle, scale);
    return QPoint(static_cast<int>(std::lround(placed.X + (end.X - placed.X) * along)),
                  static_cast<int>(std::lround(placed.Y + (end.Y - placed.Y) * along)));
}

// Moves the pointer onto a point of a widget; a move to where the pointer
// already is would not reach the widget.
inline void MoveOnto(QWidget* widget, QPoint at) {
    QTest::mouseMove(widget, at + QPoint(1, 1));
    QTest::mouseMove(widget, at);
}

inline bool SamePose(const Pose& a, const Pose& b) {
    return std::fabs(a.X - b.X) < 0.01f && std::fabs(a.Y - b.Y) < 0.01f && a.Angle == b.Angle;
}

// A shown main window on the Design page with tracks laid from parts of the
// shipped 1:32 system, and pointer gestures in canvas pixels.
struct EditFixture : MainFixture {
    EditFixture() {
        Form->resize(1180, 780);
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
        Repaint();
    }

    TCanvasPanel* Canvas() { return Form->TrackCanvas; }
    TCanvasPanel* Palette() { return Form->PartSelector; }
    C_VIRELDO& Panel() { return Appl->Design; }
    L_PARTDEF* Part(const char* code) { return Design().Brand->FindCode(code); }
    void Repaint() { RepaintPanel(Appl->Canvases); }

    // Slot k made a track of the given parts, starting at world (x, y).
    T_TRACK& Lay(int slot, std::initializer_list<const char*> codes, float x = 0.0f,
                 float y = 0.0f) {
        T_TRACK& track = Design().Tracks[slot];
        track.Initialise(Design().EmptyDef());
        track.InUse = true;
        track.X = x;
        track.Y = y;
        for (const char* code : codes)
            track.InsertCopyAfter(nullptr, T_PART{0, 0, Part(code)});
        Repaint();
        return track;
    }
    T_TRACK& LayStraights(int slot, int n, float x = 0.0f, float y = 0.0f) {
        T_TRACK& track = Lay(slot, {}, x, y);
        for (int i = 0; i < n; ++i)
            track.InsertCopyAfter(nullptr, T_PART{0, 0, Part("S350")});
        Repaint();
        return track;
    }

    const T_PLACED* Placed(const T_PART& part) {
        const T_PLACEMENT& placement = Appl->Canvases.Placement;
        for (int i = 0; i < placement.Count; ++i)
            if (placement.Entries[i].Part == &part)
                return &placement.Entries[i];
        return nullptr;
    }
    // A canvas point on the centre line of part k, `along` of its length in.
    QPoint At(const T_TRACK& track, int k, float along = 0.5f) {
        const T_PLACED* placed = Placed(track.Parts[k]);
        return placed ? PointOn(*placed, Panel().Zoom, along) : QPoint();
    }
    // World start pose of every part of a track.
    std::vector<Pose> WorldPoses(T_TRACK& track) {
        auto placement = NewPlacement();
        PlaceTrack(*placement, P_VIEW{}, track);
        std::vector<Pose> poses;
        for (int i = 0; i < placement->Count; ++i)
            poses.push_back(placement->Entries[i].StartPose());
        return poses;
    }

    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(Canvas(), button, {}, at);
    }
    void Move(QPoint at) { MoveOnto(Canvas(), at); }
    // Press, leave the drag distance, go to `to`, release there.
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(Canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(Canvas(), from + QPoint(DragDistance() + 1, 0));
        QTest::mouseMove(Canvas(), to);
        QTest::mouseRelease(Canvas(), Qt::LeftButton, {}, to);
    }
    // A new design of grouped tracks from the wizard.
    void NewGroupedDesign(int lanes) {
        NewDesignAnswer answer;
        answer.Ok = true;
        answer.Lanes = lanes;
        Dialogs->WizardAnswers.push_back(answer);
        Trigger("NewMenu");
    }
    // The range first..last of a track becomes the selection, then a repaint.
    void Select(T_TRACK& track, int first, int last) {
        Panel().SelectedTrack = &track;
        Panel().SelectionFirst = first;
        Panel().SelectionLast = last;
        Repaint();
    }
    int UndoCount() { return Panel().History.UndoCount; }
    EditMode Mode() { return Appl->Edit.Mode; }
};
