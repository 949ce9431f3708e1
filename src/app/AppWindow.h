#pragma once
#include "base/JobProgress.h"
#include "report/TrackList.h"

#include <array>
#include <functional>
#include <string>

// The canvases whose pointer shape the editing modes set.
enum class CanvasId { Track, PartSelector, Room, Define };

enum class PointerShape {
    Arrow,
    Mover,     // "CRMOVER": moving the view
    Dragger,   // "CRDRAG": dragging a track or shape
    Cross,     // placing something
    Drag,      // the platform's drag shape
    SizeVer,   // rotating: up and down
    PointHand, // joining tracks
};

// The status bar that receives the texts of a mode: the main window's, or
// the one of the part drawing editor while it is the current panel.
enum class StatusBarId { Main, Define };

// What the application object asks of its windows. The main window
// implements it; without a window (tests of the plain functions) nothing shows.
class AppWindow {
  public:
    virtual ~AppWindow() = default;
    virtual void SetStatusText(StatusBarId bar, int panel, const std::string& text) = 0;
    virtual void SetPointer(CanvasId canvas, PointerShape shape) = 0;
    virtual void ReleasePointerCapture() = 0;
    virtual void CapturePointer(CanvasId canvas) = 0;
    // The track buttons and Quick Rotate; the two shape buttons.
    virtual void EnableTrackButtons(bool enabled) = 0;
    virtual void EnableShapeButtons(bool deleteShape, bool editText) = 0;
    virtual void EnableUndoRedo(bool undo, bool redo) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void ShowRecentFiles(const std::array<std::string, 4>& files) = 0;
    // The tool tip of a canvas; an empty text turns it off.
    virtual void SetHint(CanvasId canvas, const std::string& text) = 0;
    // The "Info" window with the two lane lengths, its corner at a screen point.
    virtual void ShowTrackPopup(int screenX, int screenY, const std::string& lane1,
                                const std::string& lane2) = 0;
    virtual void MoveTrackPopup(int screenX, int screenY) = 0;
    virtual void HideTrackPopup() = 0;
    // The zoom field and slider of a panel follow a zoom changed elsewhere.
    virtual void ShowPanelZoom(CanvasId canvas, float zoom) = 0;
    virtual void SetPaletteScrollMaximum(int maximum) = 0;
    // The Info page shows the track list; its section list as a table that
    // lays out only the rows in view.
    virtual void ShowInfoPage(TrackListPage page) = 0;
    // The user's web browser opens a local page.
    virtual void OpenInBrowser(const std::string& fileName) = 0;
    // A long job on a worker thread with the window's progress dialog; steps
    // names what it counts ("pages").
    virtual JobResult RunJob(const std::string& title, const std::string& steps,
                             const std::function<bool(JobProgress&)>& job) = 0;
};
