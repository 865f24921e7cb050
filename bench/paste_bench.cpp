// Paste Color on a 10 MB clipboard text: every line form, CR LF and LF endings, and lines that
// are no colour at all. Reports the time per text and the bytes per second.

#include "core/formats/paste_color.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace twl;

constexpr std::size_t kTextBytes = 10 * 1024 * 1024;

std::string MixedText() {
    const char* const lines[] = {
        "#336699\r\n",
        "#A3F\n",
        "$00996633\r\n",
        "0X00336699\r\n",
        "0x336699\n",
        "&H336699\r\n",
        "RGB(255, 128, 0)\r\n",
        "HSL(210,50,40)\n",
        "1a2b3c\r\n",
        "fc0\n",
        "rgb(1,2,3)\r\n",
        "#12345G\r\n",
        "just some words in a pasted paragraph, no colour here\r\n",
        "\r\n",
    };
    std::string text;
    text.reserve(kTextBytes + 64);
    std::uint32_t seed = 2024;
    while (text.size() < kTextBytes) {
        seed = seed * 1664525u + 1013904223u;
        text += lines[(seed >> 16) % std::size(lines)];
    }
    return text;
}

void BM_ParsePastedColors(benchmark::State& state) {
    static const std::string text = MixedText();
    std::size_t colors = 0;
    for (auto _ : state) {
        PastedColors pasted = ParsePastedColors(text);
        colors = pasted.colors.size();
        benchmark::DoNotOptimize(pasted.colors.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.counters["colors"] = static_cast<double>(colors);
}

BENCHMARK(BM_ParsePastedColors)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
