#include "MaxDesign.h"
#include "check/LoopCloser.h"
#include "render/RaceDraw.h"
#include "render/Repaint.h"
#include "sim/LapSimulation.h"
#include "sim/Race.h"
#include "view/ViewMath.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

MaxDesign& Shared() {
    static MaxDesign design;
    return design;
}

// The typical design of the editing benchmarks.
std::unique_ptr<T_DESIGN> Typical(MaxDesign& source) {
    auto design = std::make_unique<T_DESIGN>(&source.EmptyDef);
    design->SetDesignBrand(source.Design->Brand);
    LayTypicalOvals(*design);
    return design;
}

// The whole check of the largest design: closure, joins, lanes, overlaps, stock.
void BM_CheckLargestDesign(benchmark::State& state) {
    MaxDesign& design = Shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckDesign(*design.Design));
    state.counters["parts"] = MAX_TRACKS * MAX_TRACK_PARTS;
}
BENCHMARK(BM_CheckLargestDesign)->Unit(benchmark::kMillisecond)->UseRealTime();

// Beside it: a full repaint of the same design fitted into 1280 x 800.
void BM_RepaintLargestDesign(benchmark::State& state) {
    StandaloneCanvases canvases;
    canvases.Design.SetSize(1280, 800);
    canvases.Design.Design = *Shared().Design;
    RepaintPanel(canvases.Set);
    canvases.Design.Zoom = *FitZoom(canvases.Design, canvases.Design.View.Box);
    for (auto _ : state)
        RepaintPanel(canvases.Set);
}
BENCHMARK(BM_RepaintLargestDesign)->Unit(benchmark::kMillisecond)->UseRealTime();

// The refresh after one edit of the typical design: the whole check again.
void BM_CheckTypicalDesign(benchmark::State& state) {
    auto design = Typical(Shared());
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckDesign(*design));
}
BENCHMARK(BM_CheckTypicalDesign)->Unit(benchmark::kMillisecond)->UseRealTime();

// Closing an oval of the 1:32 system that lacks its last two curves, with
// up to four parts; beside it the sequences a blind enumeration would try.
void BM_CloseLoopFourParts(benchmark::State& state) {
    MaxDesign& source = Shared();
    auto design = std::make_unique<T_DESIGN>(&source.EmptyDef);
    design->SetDesignBrand(source.Design->Brand);
    T_TRACK& track = *design->AllocateTrack();
    L_PARTDEF* straight = design->Brand->FindCode("S350");
    L_PARTDEF* curve = design->Brand->FindCode("C2-900");
    for (L_PARTDEF* def : {straight, curve, curve, straight})
        track.InsertCopyAfter(nullptr, T_PART{0, def == curve ? PS_RIGHT : uint8_t(0), def});
    size_t found = 0;
    for (auto _ : state)
        found = ProposeClosings(*design, 0).size();
    const double pieces = static_cast<double>(PiecesOf(*design->Brand).size());
    state.counters["proposals"] = static_cast<double>(found);
    state.counters["blind_sequences"] =
        pieces + pieces * pieces + pieces * pieces * pieces + pieces * pieces * pieces * pieces;
}
BENCHMARK(BM_CloseLoopFourParts)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

// Lap times of every lane of the typical design and of the largest, reported
// beside the check of the largest above.
void BM_SimulateLaps(benchmark::State& state) {
    MaxDesign& source = Shared();
    std::unique_ptr<T_DESIGN> typical = state.range(0) == 0 ? Typical(source) : nullptr;
    T_DESIGN& design = typical ? *typical : *source.Design;
    const Car car = FindCarPreset("1:32")->Values;
    size_t closed = 0;
    for (auto _ : state) {
        const std::vector<TrackLaps> laps = SimulateDesign(design, car);
        closed = static_cast<size_t>(
            std::count_if(laps.begin(), laps.end(), [](const TrackLaps& t) { return t.Closed; }));
        benchmark::DoNotOptimize(laps.data());
    }
    state.counters["closed_tracks"] = static_cast<double>(closed);
}
BENCHMARK(BM_SimulateLaps)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// The largest design's tracks do not close; every lane of them is driven as
// a loop all the same, for the cost of 64,000 parts' laps.
void BM_SimulateLargestLanes(benchmark::State& state) {
    T_DESIGN& design = *Shared().Design;
    const Car car = FindCarPreset("1:32")->Values;
    for (auto _ : state)
        for (T_TRACK& track : design.Tracks)
            for (int lane = 0; track.InUse && lane < 2; ++lane)
                benchmark::DoNotOptimize(SimulateLane(LanePath(track, lane), car).LapTime);
    state.counters["parts"] = MAX_TRACKS * MAX_TRACK_PARTS;
}
BENCHMARK(BM_SimulateLargestLanes)->Unit(benchmark::kMillisecond)->UseRealTime();

namespace {

// The typical design at zoom 2 in 1280 x 800, painted once: the canvas image
// the race view draws over.
struct RaceCanvas : StandaloneCanvases {
    RaceCanvas() {
        Design.SetSize(1280, 800);
        Design.Design = *Typical(Shared());
        Design.Zoom = 2;
        RepaintPanel(Set);
    }
};

} // namespace

// One race-view frame: the cars move on by a 60th of a second, and only where
// they were and are is the canvas image put back and the cars drawn, as the
// window's paint does.
void BM_RaceFrame(benchmark::State& state) {
    RaceCanvas canvas;
    Race race;
    race.Start(canvas.Design.Design, FindCarPreset("1:32")->Values);
    std::vector<QColor> colours;
    for (const RaceCar& car : race.Entrants()) {
        QColor lanes[2];
        CarColours(*canvas.Placement, canvas.Design.Design.Tracks[car.Slot], lanes);
        colours.push_back(lanes[car.Lane]);
    }
    const CanvasMapping mapping{canvas.Design.OriginX(), canvas.Design.OriginY(), 2.0f};
    QImage window(1280, 800, QImage::Format_ARGB32_Premultiplied);
    RaceScene shown;
    double pixels = 0;
    for (auto _ : state) {
        race.Advance(1.0 / 60);
        RaceScene next = SceneOf(race, colours, mapping);
        const QRegion dirty = FrameRegion(shown, next, 2.0f, QFont());
        QPainter painter(&window);
        painter.setClipRegion(dirty);
        painter.drawImage(0, 0, canvas.Design.WindowImage);
        DrawRace(painter, next, 2.0f);
        shown = std::move(next);
        for (const QRect& rect : dirty)
            pixels += rect.width() * rect.height();
    }
    state.counters["cars"] = static_cast<double>(race.Entrants().size());
    state.counters["pixels_per_frame"] =
        benchmark::Counter(pixels, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RaceFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

// Beside it: the full repaint of the same canvas that a frame avoids.
void BM_RaceCanvasFullRepaint(benchmark::State& state) {
    RaceCanvas canvas;
    for (auto _ : state)
        RepaintPanel(canvas.Set);
}
BENCHMARK(BM_RaceCanvasFullRepaint)->Unit(benchmark::kMillisecond)->UseRealTime();
