// Encoding pictures as GIF files in memory: a magnified picture at the Big size (8x cells of
// screen colours under a grey grid, more than 256 colours) and a photo-like gradient with noise
// (tens of thousands of colours), both through the reduction to 256 colours.

#include "core/export/gif_encoder.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

using namespace twl;

std::uint32_t NextRandom(std::uint32_t& seed) {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
}

std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return 0xFF000000u | (red & 0xFFu) << 16 | (green & 0xFFu) << 8 | (blue & 0xFFu);
}

PixelImage MagnifiedPicture() {
    constexpr int kSide = 289;
    constexpr int kCell = 8;
    PixelImage picture;
    picture.Resize(kSide, kSide);
    std::uint32_t seed = 12345;
    const int cells = kSide / kCell + 1;
    std::vector<std::uint32_t> cellColors(static_cast<std::size_t>(cells * cells));
    for (std::uint32_t& color : cellColors) {
        color = NextRandom(seed) | 0xFF000000u;
    }
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const bool grid = x % kCell == 0 || y % kCell == 0;
            picture.pixels[static_cast<std::size_t>(y * kSide + x)] =
                grid ? Rgb(128, 128, 128)
                     : cellColors[static_cast<std::size_t>((y / kCell) * cells + x / kCell)];
        }
    }
    return picture;
}

PixelImage PhotoGradient() {
    constexpr int kWidth = 600;
    constexpr int kHeight = 400;
    PixelImage picture;
    picture.Resize(kWidth, kHeight);
    std::uint32_t seed = 777;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t noise = NextRandom(seed) % 8;
            picture.pixels[static_cast<std::size_t>(y * kWidth + x)] =
                Rgb(static_cast<std::uint32_t>(x * 247 / kWidth) + noise,
                    static_cast<std::uint32_t>(y * 247 / kHeight) + (noise ^ 5),
                    static_cast<std::uint32_t>((x + y) * 247 / (kWidth + kHeight)) + (noise ^ 3));
        }
    }
    return picture;
}

void BM_EncodeGif(benchmark::State& state, PixelImage (*makePicture)()) {
    const PixelImage picture = makePicture();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto encoded = EncodeGif(picture);
        bytes = encoded ? encoded->size() : 0;
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

BENCHMARK_CAPTURE(BM_EncodeGif, magnified_289x289, MagnifiedPicture)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EncodeGif, photo_600x400, PhotoGradient)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
