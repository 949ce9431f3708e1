#include "MaxDesign.h"
#include "app/Appl.h"
#include "app/Notifications.h"
#include "app/Recovery.h"
#include "edit/PartSelector.h"
#include "edit/TrackCanvas.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr int CANVAS_WIDTH = 1280;
constexpr int CANVAS_HEIGHT = 800;

MaxDesign& Shared() {
    static MaxDesign design;
    return design;
}

// The application around the typical 500-part design at zoom 2, or the
// largest design fitted into the canvas.
struct Editing {
    std::unique_ptr<A_APPL> Appl = std::make_unique<A_APPL>(VIRELDO_DATA);

    explicit Editing(bool largest) {
        MaxDesign& source = Shared();
        LoadDefinitions(Appl->Library, VIRELDO_DATA);
        C_VIRELDO& design = Appl->Design;
        design.InitDesignController();
        design.Grid = design.ShowPoints = true;
        design.SetSize(CANVAS_WIDTH, CANVAS_HEIGHT);
        Appl->Palette.SetSize(PART_SELECTOR_WIDTH, 672);
        Appl->SetCurrentPanel(&design);
        design.Design = *source.Design;
        if (!largest)
            LayTypicalOvals(design.Design);
        design.Zoom = 2.0f;
        RepaintPanel(Appl->Canvases);
        if (largest)
            Fit();
        RepaintPanel(Appl->Canvases);
        DrawPartSelector(*Appl);
    }
    void Fit() { FitDesignInView(Appl->Canvases); }
    // A canvas point on part k of the track in slot 0.
    PointerEvent OnPart(int k) {
        const T_PLACEMENT& placement = Appl->Canvases.Placement;
        for (int i = 0; i < placement.Count; ++i)
            if (placement.Entries[i].Part == &Appl->Design.Design.Tracks[0].Parts[k]) {
                const T_PLACED& p = placement.Entries[i];
                Pose end = p.StartPose();
                AdvancePose(*p.Part, end.X, end.Y, end.Angle, Appl->Design.Zoom);
                return {PointerButton::Left, static_cast<int>((p.X + end.X) / 2),
                        static_cast<int>((p.Y + end.Y) / 2), 0, 0};
            }
        return {};
    }
};

void BM_FullRepaint(benchmark::State& state) {
    Editing editing(state.range(0) == 1);
    for (auto _ : state)
        RepaintPanel(editing.Appl->Canvases);
}
BENCHMARK(BM_FullRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// One pointer move of a track drag: the group moves, an outline repaint follows.
void BM_DragTrackStep(benchmark::State& state) {
    Editing editing(state.range(0) == 1);
    A_APPL& appl = *editing.Appl;
    PointerEvent event = editing.OnPart(3);
    TrackCanvasMouseDown(appl, event);
    event.X += 2 * DragDistance();
    TrackCanvasMouseMove(appl, event); // the drag starts
    int step = 0;
    for (auto _ : state) {
        event.X += (++step % 2) ? 3 : -3;
        TrackCanvasMouseMove(appl, event);
    }
    TrackCanvasMouseUp(appl, event);
}
BENCHMARK(BM_DragTrackStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A click that selects a part: hit test, selection, full repaint.
void BM_SelectClick(benchmark::State& state) {
    Editing editing(state.range(0) == 1);
    A_APPL& appl = *editing.Appl;
    const PointerEvent event = editing.OnPart(5);
    for (auto _ : state) {
        TrackCanvasMouseDown(appl, event);
        TrackCanvasMouseUp(appl, event);
    }
}
BENCHMARK(BM_SelectClick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A palette cell under the pointer.
QPointF CellPoint(A_APPL& appl, int entry) {
    const T_PLACED& cell = appl.Palette.Entries->Entries[entry];
    return {cell.X, cell.Y + 6};
}

// The dragged ghost follows the pointer over the palette by exclusive-or.
void BM_PaletteGhostMove(benchmark::State& state) {
    Editing editing(false);
    A_APPL& appl = *editing.Appl;
    const QPointF at = CellPoint(appl, 0);
    PartSelectorMouseMove(appl, static_cast<int>(at.x()), static_cast<int>(at.y()));
    PartSelectorMouseDown(appl, static_cast<int>(at.x()), static_cast<int>(at.y()));
    int x = static_cast<int>(at.x()), y = static_cast<int>(at.y()) + 2 * DragDistance();
    PartSelectorMouseMove(appl, x, y);
    int step = 0;
    for (auto _ : state)
        PartSelectorMouseMove(appl, x + (++step % 2) * 3, y);
}
BENCHMARK(BM_PaletteGhostMove)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Resting on a cell with a track selected: the last preview goes, the new one shows.
void BM_HoverWithPreview(benchmark::State& state) {
    Editing editing(false);
    A_APPL& appl = *editing.Appl;
    appl.Design.SelectedTrack = &appl.Design.Design.Tracks[0];
    appl.Design.SelectionFirst = appl.Design.SelectionLast = 40;
    const QPointF at = CellPoint(appl, 0);
    int step = 0;
    for (auto _ : state)
        PartSelectorMouseMove(appl, static_cast<int>(at.x()) + (++step % 2),
                              static_cast<int>(at.y()));
    if (!appl.Edit.PendingPreview)
        state.SkipWithError("no preview was drawn");
}
BENCHMARK(BM_HoverWithPreview)->Unit(benchmark::kMillisecond)->UseRealTime();

// The palette of the shipped brand with the most parts.
void BM_DrawPartSelector(benchmark::State& state) {
    Editing editing(false);
    A_APPL& appl = *editing.Appl;
    L_BRAND* largest = appl.Library.Brands[0];
    for (int b = 0; b < appl.Library.Count; ++b)
        if (appl.Library.Brands[b]->PartCount > largest->PartCount)
            largest = appl.Library.Brands[b];
    appl.Design.Design.Brand = largest;
    for (auto _ : state)
        DrawPartSelector(appl);
    state.counters["cells"] = appl.Palette.Entries->Count;
    state.SetLabel(largest->Name);
}
BENCHMARK(BM_DrawPartSelector)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

// The editing thread's share of a recovery copy of the typical 500-part
// design: the text of the changed design handed to the worker (the file is
// written beside it). Each round changes a part so that a copy is due.
void BM_RecoveryCopy(benchmark::State& state) {
    Editing editing(false);
    A_APPL& appl = *editing.Appl;
    char folder[] = "/tmp/vireldo-bench-XXXXXX";
    if (!::mkdtemp(folder))
        return;
    appl.RecoveryDir = folder;
    StartRecovery(appl);
    T_DESIGN& design = appl.Design.Design;
    int8_t height = 0;
    for (auto _ : state) {
        design.Tracks[0].Parts[0].Height = ++height;
        design.SetModified(true);
        KeepRecoveryCopies(appl);
        state.PauseTiming();
        FlushRecoveryCopies(appl); // the worker's time is not the editing's
        state.ResumeTiming();
    }
    StopRecovery(appl);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RecoveryCopy)->Unit(benchmark::kMicrosecond)->UseRealTime();
