#include "MaxDesign.h"
#include "render/DxfExport.h"
#include "render/TiledPdf.h"
#include "render/TrueScale.h"
#include "toolkit/GifWriter.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The largest design on the design canvas, fitted as "Save screen as .GIF" sees it.
struct Exported : StandaloneCanvases {
    QTemporaryDir Folder;
    explicit Exported(MaxDesign& source) {
        Design.SetSize(1280, 800);
        Design.Grid = Design.ShowPoints = true;
        Design.Design = *source.Design;
        Design.Freehand = *source.Freehand;
        RepaintPanel(Set);
        FitDesignInView(Set);
    }
    std::string File(const char* name) const { return Folder.filePath(name).toStdString(); }
};

MaxDesign& Shared() {
    static MaxDesign design;
    return design;
}

} // namespace

// The fit picture's colour reduction: more than 256 colours, so libimagequant.
static void BM_MaxFitGif(benchmark::State& state) {
    Exported work(Shared());
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteGif(work.Design.WindowImage, work.File("fit.gif")));
}
BENCHMARK(BM_MaxFitGif)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_MaxDxf(benchmark::State& state) {
    Exported work(Shared());
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportDxf(work.Set, work.File("max.dxf"), 1));
}
BENCHMARK(BM_MaxDxf)->Unit(benchmark::kMillisecond)->UseRealTime();

// Arg 0: the template style, 1: as on screen (today's picture).
TrueScaleStyle StyleOf(const benchmark::State& state) {
    return state.range(0) == 0 ? TrueScaleStyle::Template : TrueScaleStyle::Screen;
}

static void BM_MaxSvg(benchmark::State& state) {
    Exported work(Shared());
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportSvg(work.Set, work.File("max.svg"), 1, StyleOf(state)));
}
BENCHMARK(BM_MaxSvg)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// At 1:100 the 120 m by 40 m layout covers a few dozen A4 pages.
static void BM_MaxTiledPdf(benchmark::State& state) {
    Exported work(Shared());
    PageTiles tiles;
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportTiledPdf(work.Set, work.File("max.pdf"), 100, QPageSize::A4,
                                                tiles, StyleOf(state)));
    state.counters["pages"] = tiles.Pages();
}
BENCHMARK(BM_MaxTiledPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The typical 500-part design at 1:1: what a racer prints to build from.
static void BM_TypicalTiledPdf(benchmark::State& state) {
    Exported work(Shared());
    LayTypicalOvals(work.Design.Design);
    work.Design.Freehand.ClearLayer();
    PageTiles tiles;
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportTiledPdf(work.Set, work.File("typical.pdf"), 1,
                                                QPageSize::A4, tiles, StyleOf(state)));
    state.counters["pages"] = tiles.Pages();
}
BENCHMARK(BM_TypicalTiledPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
