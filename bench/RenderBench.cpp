#include "MaxDesign.h"
#include "render/PaintThread.h"
#include "render/PartRender.h"
#include "render/Repaint.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int CANVAS_WIDTH = 1280;
constexpr int CANVAS_HEIGHT = 800;

// The design canvas with its start-up view options around a design.
struct Canvas : StandaloneCanvases {
    explicit Canvas(MaxDesign& source) {
        Design.Grid = Design.ShowPoints = true;
        Design.SetSize(CANVAS_WIDTH, CANVAS_HEIGHT);
        Design.Design = *source.Design;
    }
    void Fit() {
        RepaintPanel(Set);
        FitDesignInView(Set);
    }
};

void TypicalDesign(MaxDesign& design) {
    design.Freehand->ClearLayer();
    LayTypicalOvals(*design.Design);
}

enum Repaint { FULL, OUTLINE };

// Times one kind of repaint; argument 1 turns culling off and paints on the
// calling thread, the way the repaint would run without those measures;
// argument 2 draws small parts in full instead of as strokes.
void Measure(benchmark::State& state, Canvas& canvas, Repaint kind) {
    const bool plain = state.range(0) == 1;
    const bool fullSmallParts = state.range(0) == 2;
    SetCulling(!plain);
    SetPaintOnCallingThread(plain);
    SetSmallPartStrokes(!plain && !fullSmallParts);
    for (auto _ : state) {
        if (kind == FULL)
            RepaintPanel(canvas.Set);
        else
            RepaintOutlines(canvas.Set);
    }
    state.counters["parts"] = canvas.Placement->Count;
    state.SetLabel(plain            ? "calling thread, no culling"
                   : fullSmallParts ? "pool thread, culling, small parts in full"
                                    : "pool thread, culling, small parts as strokes");
    SetCulling(true);
    SetPaintOnCallingThread(false);
    SetSmallPartStrokes(true);
}

MaxDesign& Shared() {
    static MaxDesign design;
    return design;
}

} // namespace

static void BM_TypicalFull(benchmark::State& state) {
    static MaxDesign typical;
    TypicalDesign(typical);
    Canvas canvas(typical);
    canvas.Design.Zoom = 2;
    Measure(state, canvas, FULL);
}
BENCHMARK(BM_TypicalFull)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_TypicalOutline(benchmark::State& state) {
    static MaxDesign typical;
    TypicalDesign(typical);
    Canvas canvas(typical);
    canvas.Design.Zoom = 2;
    Measure(state, canvas, OUTLINE);
}
BENCHMARK(BM_TypicalOutline)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_MaxFitFull(benchmark::State& state) {
    Canvas canvas(Shared());
    canvas.Fit();
    Measure(state, canvas, FULL);
}
BENCHMARK(BM_MaxFitFull)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_MaxFitOutline(benchmark::State& state) {
    Canvas canvas(Shared());
    canvas.Fit();
    Measure(state, canvas, OUTLINE);
}
BENCHMARK(BM_MaxFitOutline)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_MaxFourTimesFitFull(benchmark::State& state) {
    Canvas canvas(Shared());
    canvas.Fit();
    canvas.Design.Zoom *= 4;
    canvas.Design.Offset = {canvas.Design.Offset.X * 4, canvas.Design.Offset.Y * 4};
    Measure(state, canvas, FULL);
}
BENCHMARK(BM_MaxFourTimesFitFull)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
