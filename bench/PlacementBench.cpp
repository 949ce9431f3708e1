#include "MaxDesign.h"
#include "geometry/Placement.h"

#include <benchmark/benchmark.h>

namespace {

// The design canvas view of a maximum design: 1280 x 800 at zoom 1.
P_VIEW CanvasView() {
    P_VIEW view;
    view.OriginX = 640;
    view.OriginY = 400;
    return view;
}

void Place(MaxDesign& max, T_PLACEMENT& placement, P_VIEW& view) {
    placement.Count = 0;
    PlaceDesign(placement, view, *max.Design, true);
}

// The exchange sort that defines the drawing order, as written.
void PlainExchangeSort(T_PLACEMENT& placement) {
    auto& entries = placement.Entries;
    for (int i = 0; i + 1 < placement.Count; ++i)
        for (int j = i + 1; j < placement.Count; ++j)
            if (entries[i].Part->Height > entries[j].Part->Height)
                std::swap(entries[i], entries[j]);
}

} // namespace

static void BM_PlaceMaxDesign(benchmark::State& state) {
    MaxDesign max;
    auto placement = NewPlacement();
    P_VIEW view = CanvasView();
    for (auto _ : state) {
        Place(max, *placement, view);
        benchmark::DoNotOptimize(placement->Count);
    }
    state.counters["placed"] = placement->Count;
}
BENCHMARK(BM_PlaceMaxDesign)->Unit(benchmark::kMillisecond);

// Sorts a freshly placed maximum design on every iteration.
static void SortBenchmark(benchmark::State& state, void (*sort)(T_PLACEMENT&)) {
    MaxDesign max;
    auto placement = NewPlacement();
    P_VIEW view = CanvasView();
    for (auto _ : state) {
        state.PauseTiming();
        Place(max, *placement, view);
        state.ResumeTiming();
        sort(*placement);
    }
}

static void BM_SortMaxDesignByHeight(benchmark::State& state) {
    SortBenchmark(state, SortPlacementByHeight);
}
BENCHMARK(BM_SortMaxDesignByHeight)->Unit(benchmark::kMillisecond);

static void BM_PlainExchangeSortMaxDesign(benchmark::State& state) {
    SortBenchmark(state, PlainExchangeSort);
}
BENCHMARK(BM_PlainExchangeSortMaxDesign)->Unit(benchmark::kMillisecond)->Iterations(1);

static void BM_FindTopmostPartMaxDesign(benchmark::State& state) {
    MaxDesign max;
    auto placement = NewPlacement();
    P_VIEW view = CanvasView();
    Place(max, *placement, view);
    SortPlacementByHeight(*placement);
    for (auto _ : state) {
        // A point where nothing lies: every entry is tested.
        benchmark::DoNotOptimize(FindTopmostPart(*placement, view, -90000.0f, -90000.0f));
    }
}
BENCHMARK(BM_FindTopmostPartMaxDesign)->Unit(benchmark::kMillisecond);
