#include "defs/Definitions.h"
#include "defs/DefinitionsFile.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <memory>
#include <new>
#include <string>

// Every allocation of this program is counted, so a benchmark can report the
// peak of live heap bytes its step needed.
namespace {
std::atomic<int64_t> LiveBytes{0};
std::atomic<int64_t> PeakBytes{0};

void* Counted(void* block) {
    if (!block)
        throw std::bad_alloc();
    const int64_t live = LiveBytes += static_cast<int64_t>(malloc_usable_size(block));
    int64_t peak = PeakBytes.load();
    while (live > peak && !PeakBytes.compare_exchange_weak(peak, live)) {
    }
    return block;
}

// The replaced operator new hands out malloc's blocks, so free is their match.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void Uncounted(void* block) {
    LiveBytes -= static_cast<int64_t>(malloc_usable_size(block));
    std::free(block);
}
#pragma GCC diagnostic pop
} // namespace

void* operator new(std::size_t size) {
    return Counted(std::malloc(size ? size : 1));
}
void* operator new[](std::size_t size) {
    return Counted(std::malloc(size ? size : 1));
}
void operator delete(void* block) noexcept {
    if (block)
        Uncounted(block);
}
void operator delete[](void* block) noexcept {
    if (block)
        Uncounted(block);
}
void operator delete(void* block, std::size_t) noexcept {
    operator delete(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    operator delete[](block);
}

namespace {

// The most a definitions file holds: 32 brands of 256 straights, every part
// with a silkscreen section of no shapes.
std::string FullLibraryOfEmptySilkscreens() {
    std::string text = std::to_string(MAX_BRANDS) + "\n";
    for (int b = 0; b < MAX_BRANDS; ++b) {
        text += "B" + std::to_string(b) + "\nBrand\n2\n1\n1\n15.6\n" +
                std::to_string(MAX_PARTDEFS) + "\n";
        for (int p = 0; p < MAX_PARTDEFS; ++p)
            text += "S" + std::to_string(p) +
                    "\nStraight\n2\n0\n0\n0\n0\n7.8\n350\n350\n0\n"
                    "15.6\n350\n1\n0\n";
    }
    return text;
}

// Peak heap of reading that file into a fresh library (the library's own
// fixed storage included), in MB.
void BM_PeakMemoryLoadingEmptySilkscreens(benchmark::State& state) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vireldo-mem-bench";
    std::filesystem::create_directories(dir);
    const std::string text = FullLibraryOfEmptySilkscreens();
    std::FILE* file = std::fopen((dir / DEFINITIONS_FILE_NAME).c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    int32_t parts = 0;
    int64_t peak = 0;
    for (auto _ : state) {
        const int64_t before = LiveBytes;
        PeakBytes = before;
        auto library = std::make_unique<L_DEFINITIONS>();
        LoadDefinitions(*library, dir.string() + "/");
        parts = library->Count * library->Brands[library->Count - 1]->PartCount;
        peak = PeakBytes - before;
    }
    std::filesystem::remove_all(dir);
    state.counters["parts"] = parts;
    state.counters["file_KB"] = static_cast<double>(text.size()) / 1024.0;
    state.counters["peak_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
}
BENCHMARK(BM_PeakMemoryLoadingEmptySilkscreens)->Unit(benchmark::kMillisecond);

} // namespace
