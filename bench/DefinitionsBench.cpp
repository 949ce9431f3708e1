#include "base/TextWriter.h"
#include "defs/Definitions.h"
#include "defs/DefinitionsFile.h"

#include <benchmark/benchmark.h>
#include <memory>

// Start-up reads the shipped definitions once; this is its cost.
static void BM_LoadShippedDefinitions(benchmark::State& state) {
    auto library = std::make_unique<L_DEFINITIONS>();
    for (auto _ : state) {
        LoadDefinitions(*library, VIRELDO_DATA);
        benchmark::DoNotOptimize(library->Count);
    }
}
BENCHMARK(BM_LoadShippedDefinitions);

static void BM_WriteShippedDefinitions(benchmark::State& state) {
    auto library = std::make_unique<L_DEFINITIONS>();
    LoadDefinitions(*library, VIRELDO_DATA);
    for (auto _ : state) {
        TextWriter out;
        WriteDefinitions(*library, out);
        benchmark::DoNotOptimize(out.Content().size());
    }
}
BENCHMARK(BM_WriteShippedDefinitions);
