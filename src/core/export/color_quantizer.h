#pragma once
// Colour reduction for palette-based image files. The colours here are 0x00RRGGBB; callers mask
// away the alpha byte of their pixels first.
//
// MedianCutPalette works on the picture's histogram: all colours start in one box, and the box
// with the largest squared error is cut in two, across its widest channel at the weighted median,
// until there are enough boxes or no box holds two colours. Each box gives the mean of its
// colours, weighted by how often each occurs.

#include <cstdint>
#include <vector>

namespace twl {

struct ColorCount {
    std::uint32_t color = 0; // 0x00RRGGBB
    std::uint64_t count = 0; // pixels of this colour
};

// The distinct colours of pixels (the alpha byte ignored), sorted by colour value, each with how
// often it occurs.
std::vector<ColorCount> CountColors(const std::vector<std::uint32_t>& pixels);

// At most maxColors colours (0x00RRGGBB) standing for the histogram. Empty when the histogram is
// empty or maxColors < 1. A count of 0 counts as 1.
std::vector<std::uint32_t> MedianCutPalette(std::vector<ColorCount> histogram, int maxColors);

// The squared distance between two 0x00RRGGBB colours in RGB space.
int ColorDistanceSquared(std::uint32_t a, std::uint32_t b);

// Position of the palette colour nearest to color by squared RGB distance, the first one on ties;
// -1 for an empty palette.
int NearestColorIndex(const std::vector<std::uint32_t>& palette, std::uint32_t color);

// NearestColorIndex for each of colors, with the same answers, but fast for many colors: the
// palette is sorted by green once, and each search walks outwards from the colour's green value
// until the green difference alone is farther than the best match.
std::vector<int> NearestColorIndices(const std::vector<std::uint32_t>& palette,
                                     const std::vector<std::uint32_t>& colors);

} // namespace twl
