#include "MaxDesign.h"
#include "design/DesignFile.h"
#include "design/Undo.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

std::string BenchFile() {
    return (std::filesystem::temp_directory_path() / "vireldo-bench.tr3").string();
}

} // namespace

static void BM_SaveMaxDesign(benchmark::State& state) {
    MaxDesign max;
    max.Design->FileName = BenchFile();
    for (auto _ : state) {
        const std::string message = SaveDesign(*max.Design, ViewOffset{}, *max.Freehand);
        benchmark::DoNotOptimize(message);
    }
    std::filesystem::remove(BenchFile());
}
BENCHMARK(BM_SaveMaxDesign)->Unit(benchmark::kMillisecond);

static void BM_LoadMaxDesign(benchmark::State& state) {
    MaxDesign max;
    max.Design->FileName = BenchFile();
    SaveDesign(*max.Design, ViewOffset{}, *max.Freehand);
    ViewOffset offset;
    for (auto _ : state) {
        const std::string message = LoadDesign(*max.Design, *max.Library, offset, *max.Freehand);
        benchmark::DoNotOptimize(message);
    }
    state.counters["parts"] = max.Design->Tracks[31].PartCount;
    std::filesystem::remove(BenchFile());
}
BENCHMARK(BM_LoadMaxDesign)->Unit(benchmark::kMillisecond);

static void BM_PushUndoMaxDesign(benchmark::State& state) {
    MaxDesign max;
    auto history = std::make_unique<T_UNDO>(&max.EmptyDef);
    history->ResetUndo(*max.Design);
    for (auto _ : state) {
        history->PushUndo(*max.Design);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PushUndoMaxDesign)->Unit(benchmark::kMicrosecond);
