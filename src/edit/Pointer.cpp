#include "Pointer.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <cstdlib>

namespace {

// Without an application object (batch work) the usual platform value.
constexpr int DEFAULT_DRAG_DISTANCE = 10;

} // namespace

int DragDistance() {
    return QGuiApplication::instance() ? QGuiApplication::styleHints()->startDragDistance()
                                       : DEFAULT_DRAG_DISTANCE;
}

void PressLeft(A_APPL& appl, int x, int y) {
    EditState& edit = appl.Edit;
    edit.LeftDown = true;
    edit.PendingGesture = Gesture::None;
    edit.GestureStart = {x, y};
}

void ArmGesture(A_APPL& appl, Gesture gesture, T_TRACK* track, int part) {
    EditState& edit = appl.Edit;
    // The first handler of a press that arms a gesture keeps it.
    if (!edit.LeftDown || edit.PendingGesture != Gesture::None)
        return;
    edit.PendingGesture = gesture;
    edit.GestureTrack = track;
    edit.GesturePart = part;
}

Gesture GestureStartedBy(A_APPL& appl, int x, int y) {
    EditState& edit = appl.Edit;
    if (!edit.LeftDown || edit.PendingGesture == Gesture::None)
        return Gesture::None;
    const int moved = std::abs(x - edit.GestureStart.X) + std::abs(y - edit.GestureStart.Y);
    if (moved < DragDistance())
        return Gesture::None;
    const Gesture gesture = edit.PendingGesture;
    edit.PendingGesture = Gesture::None;
    // A key may have deleted the grabbed track or part since the press.
    const bool onTrack = gesture == Gesture::DragTrack || gesture == Gesture::JoinTrack;
    const T_TRACK* track = edit.GestureTrack;
    if (onTrack &&
        !(track && track->InUse && edit.GesturePart >= 0 && edit.GesturePart < track->PartCount))
        return Gesture::None;
    return gesture;
}

void ReleaseButtons(A_APPL& appl) {
    appl.Edit.LeftDown = false;
    appl.Edit.PendingGesture = Gesture::None;
}
