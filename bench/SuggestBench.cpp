#include "defs/DefinitionsFile.h"
#include "defs/StockFile.h"
#include "generate/LayoutGenerator.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

// The stock of tests/fixtures/suggestdir: a typical S132SPORT starter set
// (a power straight, 5 standard and 2 half straights, 8 R2 and 4 R1 45-degree
// curves) and one extension pack (2 standard and 2 half straights, 4 R2
// curves, the crossroads).
struct Library {
    std::unique_ptr<L_DEFINITIONS> Definitions = std::make_unique<L_DEFINITIONS>();
    Library() {
        FillAngleTable();
        LoadDefinitions(*Definitions, VIRELDO_DATA);
        LoadStock(*Definitions, VIRELDO_SUGGEST_STOCK);
    }
};

Library& Shared() {
    static Library library;
    return library;
}

void Report(benchmark::State& state, const SuggestResult& result) {
    state.counters["layouts"] = static_cast<double>(result.Layouts.size());
    state.counters["candidates"] = static_cast<double>(result.Candidates);
    state.counters["longest_lap_cm"] = result.Layouts.empty() ? 0.0 : result.Layouts[0].LapCm();
}

// A starter set and an extension on a 240 x 120 board, figure-eights allowed.
void BM_SuggestStarterSet(benchmark::State& state) {
    L_BRAND& brand = *Shared().Definitions->FindBrand("S132SPORT");
    SuggestOptions options;
    options.Table = RectangleBoard(240, 120);
    for (int i = 0; i < brand.PartCount; ++i)
        options.Budget.push_back(brand.Parts[i].Stock);
    options.Crossing = true;
    SuggestResult result;
    for (auto _ : state)
        result = SuggestLayouts(brand, options);
    Report(state, result);
}
BENCHMARK(BM_SuggestStarterSet)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Any number of plain track on 360 x 180: the longest lap beside the
// board's perimeter.
void BM_SuggestUnlimited(benchmark::State& state) {
    L_BRAND& brand = *Shared().Definitions->FindBrand("S132SPORT");
    SuggestOptions options;
    options.Table = RectangleBoard(360, 180);
    options.Budget = UnlimitedBudget(brand);
    SuggestResult result;
    for (auto _ : state)
        result = SuggestLayouts(brand, options);
    Report(state, result);
    state.counters["board_perimeter_cm"] = 2 * (360 + 180);
}
BENCHMARK(BM_SuggestUnlimited)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
