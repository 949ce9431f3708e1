#include "PartSelector.h"

#include "CanvasDraw.h"
#include "app/History.h"
#include "base/UiText.h"
#include "defs/SharedPiece.h"
#include "render/PartRender.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* TRACK_FULL =
    Texts::Mark("You cannot add any more parts to this track (max 2000) !");
constexpr int FIRST_COLUMN = 20;
// Rows are spaced as if the palette zoom were at least this.
constexpr float MIN_SPACING_ZOOM = 1.2f;

struct Layout {
    A_APPL& Appl;
    const L_BRAND& Brand;
    float SpacingZoom;
};

T_PLACED& AddCell(Layout& layout, const L_PARTDEF& def, int x, int y, uint8_t status) {
    C_PALETTE& palette = layout.Appl.Palette;
    T_PLACEMENT& cells = *palette.Entries;
    const int k = cells.Count++;
    cells.Grow(cells.Count);
    palette.Records[k] = T_PART{0, status, const_cast<L_PARTDEF*>(&def)};
    T_PLACED& cell = cells.Entries[k];
    cell = T_PLACED{};
    cell.X = static_cast<float>(x);
    cell.Y = static_cast<float>(y);
    cell.Part = &palette.Records[k];
    cell.FillColor = StockColour(layout.Appl, layout.Brand, def);
    return cell;
}

float CellBottom(Layout& layout, const T_PLACED& cell) {
    return PartBox(cell, layout.Appl.Palette.View).MaxY + 3 * layout.SpacingZoom;
}

bool IsCurve(const L_PARTDEF& def) {
    return def.Type == PT_Curve;
}

// The next part after i that gets a cell, or -1.
int NextAvailable(const Layout& layout, int i) {
    for (int j = i + 1; j < layout.Brand.PartCount; ++j)
        if (PartAvailable(layout.Appl, layout.Brand, layout.Brand.Parts[j]))
            return j;
    return -1;
}

// Rows of one part each: a curve twice (left-hand, right-hand), two other
// parts side by side, or one other part in the middle.
void LayOut(Layout& layout, int y) {
    const L_BRAND& brand = layout.Brand;
    const int x0 = FIRST_COLUMN;
    for (int i = 0; i < brand.PartCount; ++i) {
        int d = 30;
        if (IsCurve(brand.Parts[i])) {
            if (PartAvailable(layout.Appl, layout.Brand, brand.Parts[i]))
                AddCell(layout, brand.Parts[i], x0 + 70, y, PS_RIGHT);
            d = -10;
        }
        float rowBottom = -10000.0f;
        if (!IsCurve(brand.Parts[i]) && i != brand.PartCount - 1) {
            const int j = NextAvailable(layout, i);
            if (j >= 0 && !IsCurve(brand.Parts[j]) &&
                PartAvailable(layout.Appl, layout.Brand, brand.Parts[i])) {
                rowBottom = CellBottom(layout, AddCell(layout, brand.Parts[i], x0 + 5, y, 0));
                d = 60;
                i = j;
            }
        }
        const L_PARTDEF& def = brand.Parts[i];
        if (PartAvailable(layout.Appl, layout.Brand, def)) {
            const T_PLACED& cell = AddCell(layout, def, x0 + d, y, IsCurve(def) ? PS_LEFT : 0);
            y = static_cast<int>(std::trunc(std::max(rowBottom, CellBottom(layout, cell))));
        }
    }
    C_PALETTE& palette = layout.Appl.Palette;
    palette.ScrollMaximum = std::max(0, y + palette.ScrollPosition - palette.Height);
}

void CountUsed(A_APPL& appl, L_BRAND& brand) {
    for (int i = 0; i < brand.PartCount; ++i)
        brand.Parts[i].Used = 0;
    appl.Design.Design.CountUses();
}

T_PLACED* CellAt(A_APPL& appl, int x, int y) {
    C_PALETTE& palette = appl.Palette;
    return FindTopmostPart(*palette.Entries, palette.View, static_cast<float>(x),
                           static_cast<float>(y));
}

void DrawCell(A_APPL& appl, int entry) {
    C_PALETTE& palette = appl.Palette;
    DrawOnBitmap(palette, palette.Entries->Entries[entry]);
    palette.Blit();
}

void SetHint(A_APPL& appl, CanvasId canvas, const std::string& text) {
    if (appl.Window)
        appl.Window->SetHint(canvas, text);
}

// The ghost is drawn by exclusive-or, so drawing it again where it was erases it.
void DrawGhost(A_APPL& appl) {
    EditState& edit = appl.Edit;
    P_PANEL& canvas =
        edit.GhostOn == GhostCanvas::Design ? static_cast<P_PANEL&>(appl.Design) : appl.Palette;
    P_VIEW& view = appl.Palette.View;
    const float scale = view.Scale;
    view.Scale = edit.GhostScale;
    // The inverted fill: exclusive-or over white then shows the part's own
    // colour (a black part would not show at all), and the lanes over it theirs.
    T_PLACED shown = edit.DragGhost;
    shown.FillColor ^= RGB_WHITE;
    const bool codes = view.ShowPartCodes;
    view.ShowPartCodes = false; // the ghost is the part alone
    DrawOnWindow(canvas, shown, view, true);
    view.ShowPartCodes = codes;
    view.Scale = scale;
}

void EraseGhost(A_APPL& appl) {
    if (appl.Edit.GhostOn != GhostCanvas::None)
        DrawGhost(appl);
    appl.Edit.GhostOn = GhostCanvas::None;
}

void ShowGhost(A_APPL& appl, GhostCanvas on, float scale) {
    appl.Edit.GhostOn = on;
    appl.Edit.GhostScale = scale;
    DrawGhost(appl);
}

void ErasePreview(A_APPL& appl) {
    if (!appl.Edit.PendingPreview)
        return;
    appl.Edit.PendingPreview = false;
    appl.Design.Blit();
}

const T_PLACED* PlacedEntryOf(const A_APPL& appl, const T_PART& part) {
    const T_PLACEMENT& placement = appl.Canvases.Placement;
    for (int i = 0; i < placement.Count; ++i)
        if (placement.Entries[i].Part == &part)
            return &placement.Entries[i];
    return nullptr;
}

// A part that runs into pose `into`: its start pose.
Pose RunningInto(const T_PART& part, QuarterDegrees into, float x, float y, float zoom) {
    QuarterDegrees a = NormalizeAngle(into - PartDelta(part).Angle);
    float dx = 0.0f, dy = 0.0f;
    QuarterDegrees angle = a;
    AdvancePose(part, dx, dy, angle, zoom);
    return {x - dx, y - dy, a};
}

Pose EndOf(const T_PLACED& placed, float zoom) {
    Pose end = placed.StartPose();
    AdvancePose(*placed.Part, end.X, end.Y, end.Angle, zoom);
    return end;
}

// A double-click adds at the front when the selection lies nearer the start.
bool AddsAtFront(const C_VIRELDO& design) {
    const int n = design.SelectedTrack->PartCount;
    return design.SelectionFirst < n - design.SelectionLast && n > 1;
}

// The yellow part where a double-click would add the hovered cell.
void ShowInsertPreview(A_APPL& appl, const T_PART& record) {
    C_VIRELDO& design = appl.Design;
    const T_TRACK& track = *design.SelectedTrack;
    const bool front = AddsAtFront(design);
    const T_PLACED* entry = PlacedEntryOf(appl, track.Parts[front ? 0 : track.PartCount - 1]);
    if (!entry)
        return;
    T_PLACED& preview = appl.InsertPreview;
    preview = T_PLACED{};
    preview.FillColor = RGB_YELLOW;
    preview.Part = const_cast<T_PART*>(&record);
    const Pose pose = front ? RunningInto(record, entry->Angle, entry->X, entry->Y, design.Zoom)
                            : EndOf(*entry, design.Zoom);
    preview.X = pose.X;
    preview.Y = pose.Y;
    preview.Angle = pose.Angle;
    appl.Edit.PendingPreview = true;
    // Drawn on the window only: the next move erases it with a copy of the bitmap.
    P_VIEW& view = design.View;
    const bool filled = view.Filled, codes = view.ShowPartCodes;
    view.Filled = true;
    view.ShowPartCodes = false;
    DrawOnWindow(design, preview, view, false);
    view.Filled = filled;
    view.ShowPartCodes = codes;
}

void Hover(A_APPL& appl, int x, int y) {
    ErasePreview(appl);
    EditState& edit = appl.Edit;
    T_PLACED* cell = CellAt(appl, x, y);
    if (!cell) {
        SetHint(appl, CanvasId::PartSelector, "");
        if (edit.HoveredEntry >= 0)
            DrawCell(appl, edit.HoveredEntry);
        edit.HoveredEntry = -1;
        return;
    }
    const L_PARTDEF& def = *cell->Part->Def;
    SetHint(appl, CanvasId::PartSelector,
            Texts::Fill(Texts::Mark("%1 - %2 - Free: %3"),
                        {def.Code, def.Description,
                         std::to_string(FreeOf(*appl.Design.Design.Brand, def))}));
    edit.HoveredEntry = static_cast<int>(cell - appl.Palette.Entries->Entries.data());
    if (appl.Design.SelectedTrack && appl.CurrentPanel() == &appl.Design)
        ShowInsertPreview(appl, *cell->Part);
}

void MoveGhost(A_APPL& appl, int x, int y) {
    EraseGhost(appl);
    RestoreDropTarget(appl); // the ghost left the design
    appl.Edit.DragGhost.X = static_cast<float>(x);
    appl.Edit.DragGhost.Y = static_cast<float>(y);
    ShowGhost(appl, GhostCanvas::PartSelector, appl.Edit.GhostScale);
}

void StartPaletteDrag(A_APPL& appl) {
    EditState& edit = appl.Edit;
    if (edit.HoveredEntry < 0)
        return;
    SetEditMode(appl, EditMode::DragPart);
    SetHint(appl, CanvasId::PartSelector, "");
    edit.DragGhost = appl.Palette.Entries->Entries[edit.HoveredEntry];
    edit.GhostPart = *edit.DragGhost.Part;
    edit.DragGhost.Part = &edit.GhostPart;
    edit.DropTargetEntry = -1;
    ShowGhost(appl, GhostCanvas::PartSelector, appl.Palette.View.Scale);
}

// Adds the ghost's part where it was dropped or double-clicked: the new part
// lies flat and becomes the selection.
void Added(A_APPL& appl, T_TRACK& track, T_PART* part) {
    if (!part) {
        ShowAppMessage(appl, TRACK_FULL);
        return;
    }
    part->Height = 0;
    track.Modified = true;
    C_VIRELDO& design = appl.Design;
    design.SelectedTrack = &track;
    design.SelectionFirst = design.SelectionLast = track.FindPart(part);
    appl.Edit.PendingPreview = false;
    RepaintPanel(appl.Canvases);
    UpdateEditButtons(appl);
    PushUndo(appl, TrackChange(design.Design, &track));
}

} // namespace

// The highlight is drawn on the window only, so that a copy of the bitmap
// takes it away exactly, also where it covered its neighbours.
void HighlightDropTarget(A_APPL& appl, T_PLACED& target, Rgb colour) {
    EditState& edit = appl.Edit;
    T_PLACEMENT& placement = appl.Canvases.Placement;
    edit.DropTargetEntry = static_cast<int>(&target - placement.Entries.data());
    edit.DropTargetBuild = placement.Builds;
    edit.DropTargetColor = target.FillColor;
    target.FillColor = colour;
    placement.Touched(); // until put back, a repaint lays the parts anew
    DrawOnWindow(appl.Design, target, appl.Design.View, false);
}

T_PLACED* DropTargetOf(A_APPL& appl) {
    const EditState& edit = appl.Edit;
    T_PLACEMENT& placement = appl.Canvases.Placement;
    if (edit.DropTargetEntry < 0 || edit.DropTargetEntry >= placement.Count ||
        edit.DropTargetBuild != placement.Builds)
        return nullptr;
    return &placement.Entries[edit.DropTargetEntry];
}

// A target of an older build needs nothing put back: laying the parts anew
// gave every part its own fill, and the repaint that did it the window.
void RestoreDropTarget(A_APPL& appl) {
    EditState& edit = appl.Edit;
    if (T_PLACED* target = DropTargetOf(appl)) {
        target->FillColor = edit.DropTargetColor;
        appl.Design.Blit();
    }
    edit.DropTargetEntry = -1;
}

bool PartAvailable(const A_APPL& appl, const L_BRAND& brand, const L_PARTDEF& def) {
    return appl.Design.ShowOutOfStock || FreeOf(brand, def) > 0;
}

Rgb StockColour(const A_APPL& appl, const L_BRAND& brand, const L_PARTDEF& def) {
    const int64_t free = FreeOf(brand, def);
    if (!appl.Design.ColorOutOfStock || free == 0)
        return RGB_BLACK;
    return free < 0 ? STOCK_OVERUSED : STOCK_FREE;
}

void DrawPartSelector(A_APPL& appl) {
    C_PALETTE& palette = appl.Palette;
    palette.Entries->Count = 0;
    // The cells are laid out anew: an old index could name another part.
    if (appl.Edit.Mode != EditMode::DragPart)
        appl.Edit.HoveredEntry = -1;
    P_VIEW& view = palette.View;
    view.Filled = true;
    view.Printing = false;
    view.UseBitmap = true;
    view.ShowPartCodes = palette.ShowPartCodes;
    if (L_BRAND* brand = appl.Design.Design.Brand) {
        view.Scale = brand->PartSelectorZoom;
        CountUsed(appl, *brand);
        Layout layout{appl, *brand, std::max(brand->PartSelectorZoom, MIN_SPACING_ZOOM)};
        LayOut(layout, HINT_PANEL_HEIGHT + 5 - palette.ScrollPosition);
    }
    if (appl.Window)
        appl.Window->SetPaletteScrollMaximum(palette.ScrollMaximum);
    palette.Bitmap.BeginUpdate();
    palette.Bitmap.Clear(RGB_WHITE);
    for (int i = 0; i < palette.Entries->Count; ++i)
        DrawPlacedPart(palette.Entries->Entries[i], view);
    palette.Bitmap.EndUpdate();
    palette.Blit();
}

int ListenForPaletteChanges(A_APPL& appl) {
    return appl.Changes.Listen([&appl](const Change& change) {
        switch (change.Kind) {
        case ChangeKind::Palette:
        case ChangeKind::Stock:
            DrawPartSelector(appl);
            break;
        case ChangeKind::Design:
        case ChangeKind::Track:
            // Only the free counts follow the parts in use.
            if (appl.Design.ColorOutOfStock || !appl.Design.ShowOutOfStock)
                DrawPartSelector(appl);
            break;
        default:
            break;
        }
    });
}

void PartSelectorScrolled(A_APPL& appl, int position) {
    appl.Palette.ScrollPosition = position;
    DrawPartSelector(appl);
}

void PartSelectorMouseMove(A_APPL& appl, int x, int y) {
    if (GestureStartedBy(appl, x, y) == Gesture::DragPart)
        StartPaletteDrag(appl);
    if (appl.Edit.Mode == EditMode::DragPart)
        MoveGhost(appl, x, y);
    else
        Hover(appl, x, y);
}

void PartSelectorMouseDown(A_APPL& appl, int x, int y) {
    PressLeft(appl, x, y);
    if (const T_PLACED* cell = CellAt(appl, x, y)) {
        appl.Edit.HoveredEntry = static_cast<int>(cell - appl.Palette.Entries->Entries.data());
        ArmGesture(appl, Gesture::DragPart, nullptr, appl.Edit.HoveredEntry);
    }
}

void PartSelectorMouseUp(A_APPL& appl, int, int) {
    ReleaseButtons(appl);
    if (appl.Edit.HoveredEntry >= 0 && appl.Edit.HoveredEntry < appl.Palette.Entries->Count)
        DrawCell(appl, appl.Edit.HoveredEntry);
    if (appl.Edit.Mode == EditMode::DragPart)
        CancelPaletteDrag(appl);
}

void CancelPaletteDrag(A_APPL& appl) {
    SetEditMode(appl, EditMode::Select);
    EraseGhost(appl);
    RestoreDropTarget(appl);
    DrawPartSelector(appl);
}

void PartSelectorDblClick(A_APPL& appl, int x, int y) {
    C_VIRELDO& design = appl.Design;
    const T_PLACED* cell = CellAt(appl, x, y);
    if (!cell || !design.SelectedTrack || !design.SelectedTrack->InUse)
        return;
    T_TRACK& track = *design.SelectedTrack;
    const T_PART record = *cell->Part;
    Added(appl, track,
          AddsAtFront(design) ? track.InsertCopyBefore(nullptr, record)
                              : track.InsertCopyAfter(nullptr, record));
}

void PaletteDragOverDesign(A_APPL& appl, int x, int y) {
    EraseGhost(appl);
    RestoreDropTarget(appl);
    EditState& edit = appl.Edit;
    T_PLACED& ghost = edit.DragGhost;
    ghost.X = static_cast<float>(x);
    ghost.Y = static_cast<float>(y);
    C_VIRELDO& design = appl.Design;
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    if (T_PLACED* p = FindTopmostPart(appl.Canvases.Placement, design.View, fx, fy)) {
        HighlightDropTarget(appl, *p, RGB_RED);
        if (HitTestPart(*p, design.View, fx, fy) == HIT_FIRST_HALF) {
            // Before the first part the ghost ends at the pointer and runs
            // into the track; before any other it starts where that part does.
            if (design.Design.FindTrackOfPart(p->Part)->FindPart(p->Part) == 0) {
                const Pose start = RunningInto(*ghost.Part, p->Angle, fx, fy, design.Zoom);
                ghost.X = start.X;
                ghost.Y = start.Y;
                ghost.Angle = start.Angle;
            } else {
                ghost.Angle = p->Angle;
            }
        } else {
            ghost.Angle = EndOf(*p, design.Zoom).Angle;
        }
    }
    ShowGhost(appl, GhostCanvas::Design, design.Zoom);
}

void PaletteDropOnDesign(A_APPL& appl, int x, int y) {
    SetEditMode(appl, EditMode::Select);
    EraseGhost(appl);
    RestoreDropTarget(appl);
    DrawPartSelector(appl);
    C_VIRELDO& design = appl.Design;
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    T_PLACED* p = FindTopmostPart(appl.Canvases.Placement, design.View, fx, fy);
    if (!p)
        return;
    T_TRACK* track = design.Design.FindTrackOfPart(p->Part);
    const int half = HitTestPart(*p, design.View, fx, fy);
    if (!track || half == HIT_NONE)
        return;
    const T_PART& dropped = appl.Edit.GhostPart;
    if (!appl.InsertMode) {
        p->Part->Status = dropped.Status;
        p->Part->Def = dropped.Def;
        Added(appl, *track, p->Part);
        return;
    }
    Added(appl, *track,
          half == HIT_FIRST_HALF ? track->InsertCopyBefore(p->Part, dropped)
                                 : track->InsertCopyAfter(p->Part, dropped));
}
