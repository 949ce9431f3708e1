#include "MaxDesign.h"
#include "app/Appl.h"
#include "app/Recovery.h"
#include "edit/PartSelector.h"
#include "edit/TrackCanvas.h"
#include "edit/ViewPan.h"

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

// The scenarios of the editing benchmarks: the typical 500-part design at
// zoom 2 and at 1x (the reference of every ratio), the largest design fitted
// into the canvas, at 1x and at 4x (centred on the dragged track).
enum Scenario { TYPICAL = 0, LARGEST_FIT = 1, LARGEST_1X = 2, LARGEST_4X = 3, TYPICAL_1X = 4 };

struct Editing {
    std::unique_ptr<A_APPL> Appl = std::make_unique<A_APPL>(VIRELDO_DATA);

    explicit Editing(int64_t scenario) : Editing(scenario != TYPICAL && scenario != TYPICAL_1X) {
        if (scenario == LARGEST_1X || scenario == TYPICAL_1X)
            ZoomOnTrack(1.0f);
        else if (scenario == LARGEST_4X)
            ZoomOnTrack(4.0f);
    }
    explicit Editing(bool largest) {
        MaxDesign& source = Shared();
        LoadDefinitions(Appl->Library, VIRELDO_DATA);
        C_VIRELDO& design = Appl->Design;
        design.InitDesignController();
        design.Grid = design.ShowPoints = true;
        design.SetSize(CANVAS_WIDTH, CANVAS_HEIGHT);
        Appl->Palette.SetSize(PART_SELECTOR_WIDTH, 672);
        ListenForPaletteChanges(*Appl);
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
    // The zoom, with part 3 of the track in slot 0 in the canvas's middle.
    void ZoomOnTrack(float zoom) {
        C_VIRELDO& design = Appl->Design;
        design.Zoom = zoom;
        RepaintPanel(Appl->Canvases);
        const PointerEvent at = OnPart(3);
        design.Offset.X += CANVAS_WIDTH / 2.0f - at.X;
        design.Offset.Y += CANVAS_HEIGHT / 2.0f - at.Y;
        RepaintPanel(Appl->Canvases);
    }
    // A canvas point on part k of the track in slot 0.
    PointerEvent OnPart(int k) {
        const T_PLACEMENT& placement = Appl->Canvases.Placement;
        for (int i = 0; i < placement.Count; ++i)
            if (placement.Entries[i].Part == &Appl->Design.Design.Tracks[0].Parts[k]) {
                // Halfway between the middles of its start and end edges: on
                // the part, not on its edge.
                const T_PLACED& p = placement.Entries[i];
                const L_PARTDEF& def = *p.Part->Def;
                const float zoom = Appl->Design.Zoom;
                const float half =
                    (def.Type == PT_Curve ? def.CurveOuterRadius - def.CurveInnerRadius
                                          : def.StraightWidth) /
                    2;
                Pose end = p.StartPose();
                AdvancePose(*p.Part, end.X, end.Y, end.Angle, zoom);
                const PartFrame from(p.StartPose(), zoom), to(end, zoom);
                return {PointerButton::Left,
                        static_cast<int>((from.WorldX(half, 0) + to.WorldX(half, 0)) / 2),
                        static_cast<int>((from.WorldY(half, 0) + to.WorldY(half, 0)) / 2), 0, 0};
            }
        return {};
    }
};

// Every scenario of the canvas events.
void Scenarios(benchmark::internal::Benchmark* b) {
    for (int scenario : {TYPICAL, LARGEST_FIT, LARGEST_1X, LARGEST_4X, TYPICAL_1X})
        b->Arg(scenario);
}

void BM_FullRepaint(benchmark::State& state) {
    Editing editing(state.range(0));
    for (auto _ : state)
        RepaintPanel(editing.Appl->Canvases);
}
BENCHMARK(BM_FullRepaint)->Apply(Scenarios)->Unit(benchmark::kMillisecond)->UseRealTime();

// One pointer move of a track drag: the group moves, an outline repaint follows.
void BM_DragTrackStep(benchmark::State& state) {
    Editing editing(state.range(0));
    A_APPL& appl = *editing.Appl;
    PointerEvent event = editing.OnPart(3);
    TrackCanvasMouseDown(appl, event);
    event.X += 2 * DragDistance();
    TrackCanvasMouseMove(appl, event); // the drag starts
    if (appl.Edit.Mode != EditMode::DragTrack) {
        state.SkipWithError("the press missed the track: no drag");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        event.X += (++step % 2) ? 3 : -3;
        TrackCanvasMouseMove(appl, event);
    }
    TrackCanvasMouseUp(appl, event);
}
BENCHMARK(BM_DragTrackStep)->Apply(Scenarios)->Unit(benchmark::kMillisecond)->UseRealTime();

// A click that selects a part: hit test, selection, full repaint.
void BM_SelectClick(benchmark::State& state) {
    Editing editing(state.range(0));
    A_APPL& appl = *editing.Appl;
    const PointerEvent event = editing.OnPart(5);
    for (auto _ : state) {
        TrackCanvasMouseDown(appl, event);
        TrackCanvasMouseUp(appl, event);
    }
}
BENCHMARK(BM_SelectClick)->Apply(Scenarios)->Unit(benchmark::kMillisecond)->UseRealTime();

// One pointer move of a middle-button pan, and one wheel notch in and out.
void BM_PanStep(benchmark::State& state) {
    Editing editing(state.range(0));
    A_APPL& appl = *editing.Appl;
    BeginPan(appl, appl.Design, CANVAS_WIDTH / 2, CANVAS_HEIGHT / 2);
    int step = 0;
    for (auto _ : state)
        MovePan(appl, CANVAS_WIDTH / 2 + ((++step % 2) ? 4 : -4), CANVAS_HEIGHT / 2);
    EndPan(appl);
}
BENCHMARK(BM_PanStep)->Apply(Scenarios)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WheelZoom(benchmark::State& state) {
    Editing editing(state.range(0));
    A_APPL& appl = *editing.Appl;
    int step = 0;
    for (auto _ : state)
        WheelZoom(appl, appl.Design, (++step % 2) ? WHEEL_NOTCH : -WHEEL_NOTCH, CANVAS_WIDTH / 2,
                  CANVAS_HEIGHT / 2);
}
BENCHMARK(BM_WheelZoom)->Apply(Scenarios)->Unit(benchmark::kMillisecond)->UseRealTime();

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
