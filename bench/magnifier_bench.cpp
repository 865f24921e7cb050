// One tick of the Eye Dropper without the screen read: the magnified picture with grid and
// frame, and the 5x5 mean, at the Big size. Run with --benchmark_repetitions to see the median;
// the default below repeats nine times and reports mean, median and spread.

#include "core/sampling/color_sampler.h"
#include "core/sampling/magnifier_drawing.h"
#include "core/sampling/magnifier_geometry.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using namespace twl;

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr int kBigSide = 289;

PixelImage MakeScreen() {
    PixelImage screen;
    screen.Resize(kScreenWidth, kScreenHeight);
    std::uint32_t seed = 12345;
    for (std::uint32_t& pixel : screen.pixels) {
        seed = seed * 1664525u + 1013904223u;
        pixel = seed >> 8;
    }
    return screen;
}

// range(0): zoom level; range(1): 1 to include copying the block out of an in-memory screen.
void BM_MagnifierTick(benchmark::State& benchState) {
    static const PixelImage screen = MakeScreen();
    const Rect desktop{0, 0, kScreenWidth, kScreenHeight};
    MagnifierState state;
    state.zoomLevel = static_cast<int>(benchState.range(0));
    state.samplingMode = 2;
    state.showGrid = true;
    state.currentPoint = {900, 500};
    const bool readBlock = benchState.range(1) != 0;
    SourceBlock block;
    PixelImage image;
    const Rect region =
        TickRegion(state.currentPoint, kBigSide, kBigSide, state.zoomLevel, state.samplingMode);
    ReadSourceBlock(screen, {0, 0}, region, block);
    DrawMagnifiedImage(state, block, desktop, kBigSide, kBigSide, image);
    for (auto _ : benchState) {
        if (readBlock)
            ReadSourceBlock(screen, {0, 0}, region, block);
        DrawMagnifiedImage(state, block, desktop, kBigSide, kBigSide, image);
        std::optional<TColor> color = SampleColor(block, state.currentPoint, state.samplingMode);
        benchmark::DoNotOptimize(color);
        benchmark::DoNotOptimize(image.pixels.data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_MagnifierTick)
    ->ArgNames({"zoom", "read"})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
