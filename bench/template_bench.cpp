// Expanding a template per colour: one holding every placeholder, the sixteen and the CSS
// notations' with the colour name (over the shipped 140 names), beside the same template of the
// sixteen alone. The ratio tells what the CSS values cost a copy or a value line.

#include "core/formats/color_formats.h"
#include "core/formats/color_names.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

using namespace twl;

const std::string kSixteen = "{r} {g} {b} {h} {s} {l} {rh}{gh}{bh} {hsvh} {hsvs} {hsvv} {cc} {cm} "
                             "{cy} {ck}";
const std::string kEvery = kSixteen +
                           " {okl} {oka} {okb} {okc} {okh} {labl} {laba} {labb} {lchc} {lchh} "
                           "{hwbh} {hwbw} {hwbb} {name}";

const ColorNames& Names() {
    static const ColorNames names(std::string(TWL_SHIPPED_DATA) + "/namedcolors.txt");
    return names;
}

void Expand(benchmark::State& state, const std::string& templ) {
    std::uint32_t color = 0x123456;
    std::size_t bytes = 0;
    for (auto _ : state) {
        color = (color * 1664525u + 1013904223u) & 0xFFFFFFu;
        const std::string text = ExpandTemplate(static_cast<TColor>(color), templ, &Names());
        bytes += text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes) / static_cast<double>(state.iterations());
}

void BM_SixteenPlaceholders(benchmark::State& state) {
    Expand(state, kSixteen);
}
void BM_EveryPlaceholder(benchmark::State& state) {
    Expand(state, kEvery);
}
BENCHMARK(BM_SixteenPlaceholders);
BENCHMARK(BM_EveryPlaceholder);

} // namespace

BENCHMARK_MAIN();
