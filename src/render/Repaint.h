#pragma once
#include "base/JobProgress.h"
#include "geometry/Placement.h"
#include "geometry/WorldLayout.h"
#include "view/Controllers.h"

#include <memory>
#include <string>

class QPaintDevice;
class QPainter;
class QRectF;

// The three canvases, the page's current one and the shared placement: what
// every repaint works on.
struct CanvasSet {
    C_VIRELDO& Design;
    C_ROOM& Room;
    C_DEFINE& Define;
    T_PLACEMENT& Placement;
    P_PANEL* Current = nullptr; // none on the Info page
    const bool& Metric;         // lengths in metric units (the application's setting)
};

// The three canvases on their own, without the application: for batch work
// and measurements. The design canvas is current and starts as the program's.
struct StandaloneCanvases {
    L_PARTDEF EmptyDef;
    C_VIRELDO Design{&EmptyDef};
    C_ROOM Room;
    C_DEFINE Define;
    std::unique_ptr<T_PLACEMENT> Placement = NewPlacement();
    bool Metric = true;
    CanvasSet Set{Design, Room, Define, *Placement, &Design, Metric};

    StandaloneCanvases() { Design.InitDesignController(); }
};

// A copy of what the outputs read: the design, its drawing, the room and the
// view options, for a job that runs while the user goes on editing.
std::unique_ptr<StandaloneCanvases> CopyCanvases(const CanvasSet& canvases);

// "" when the next repaint of the design canvas lays the design anew or the
// placement it would keep is what laying it afresh gives; else how it differs.
std::string KeptPlacementDiffers(CanvasSet& canvases);

// Repaints the current panel and copies it to the window.
void RepaintPanel(CanvasSet& canvases);
// The same without the copy: the window keeps what was drawn onto it.
void RepaintPanelNoBlit(CanvasSet& canvases);
// Surfaces outlined instead of filled, for every pointer move of a drag.
void RepaintOutlines(CanvasSet& canvases);
void RepaintOutlinesNoBlit(CanvasSet& canvases);
// Copies the current panel's bitmap to its window, erasing what was drawn there.
void BlitPanel(CanvasSet& canvases);

// Zooms and centres the design canvas on what its last paint drew, then
// repaints it; false (the view unchanged) when no track was drawn.
bool FitDesignInView(CanvasSet& canvases);

// Zooms and centres the room canvas on the room's outline and drawing, then
// repaints it; false (the view unchanged) when the room holds nothing.
bool FitRoomInView(CanvasSet& canvases);

// The design canvas in its order: grid, room, design drawing, tracks, ruler.
void PaintDesign(CanvasSet& canvases);
// The room canvas: grid, room outline, ruler.
void PaintRoom(CanvasSet& canvases);
// The part under edit, centred on the part-drawing canvas.
void PaintDefine(CanvasSet& canvases);

// Writes the design canvas's window pixels, one to one, as a GIF file.
bool SnapshotDesign(const C_VIRELDO& design, const std::string& fileName);

// Paints the design (room, drawing, tracks) onto a painter at a given scale:
// the world origin lands on (OriginX, OriginY) of the device.
struct ScaledPaint {
    float PixelsPerCm = 1.0f;
    float OriginX = 0.0f;
    float OriginY = 0.0f;
    bool Monochrome = false;
    int PenWidth = 2;
};
void PaintAtScale(CanvasSet& canvases, QPainter& painter, const ScaledPaint& paint);
// The same with the tracks taken from a layout placed once for many pages:
// only its parts that meet worldClip (cm) are drawn.
void PaintAtScale(CanvasSet& canvases, QPainter& painter, const ScaledPaint& paint,
                  const WorldLayout& layout, const QRectF& worldClip,
                  const JobProgress* cancel = nullptr);

// Prints what the design canvas shows onto a printer page (any paint device),
// scaled to the page. The caller names the print job.
void PrintDesign(CanvasSet& canvases, QPaintDevice& device, bool printMono);
