#pragma once
// The arithmetic of the magnified picture: how large one screen pixel is drawn, how much of the
// screen is shown, in which grid cell the pointer's pixel lands, and which screen rectangle a
// tick has to read.

#include "core/base/geometry.h"

#include <cstdint>
#include <optional>

namespace twl {

struct MagnifierGeometry {
    std::int64_t step = 2;   // image pixels per screen pixel, and the grid spacing: 2 x zoom
    int halfWidth = 0;       // hx: W / (4 x zoom), rounded, halves to even
    int halfHeight = 0;      // hy: H / (4 x zoom), likewise
    std::int64_t center = 0; // c: (H div step) div 2, the grid cell that shows the pointer
};

// For an image of width x height pixels. A zoom level of 0 or less is taken as 1.
MagnifierGeometry ComputeMagnifierGeometry(int width, int height, int zoomLevel);

// The screen pixels shown: 2hx x 2hy of them, the point at column hx, row hy.
Rect MagnifierSourceRect(Point point, const MagnifierGeometry& geometry);

// How far the sample reaches from its point: 0, 1, 2 for sampling modes 0, 1, 2 (one pixel,
// 3x3, 5x5); nothing for any other mode, which neither samples nor frames.
std::optional<int> SamplingRadius(int samplingMode);

// The pixels one sample at `point` reads; empty for a mode that does not sample.
Rect SamplerRect(Point point, int samplingMode);

// The one rectangle a tick reads: the magnifier's source and the sample around the same point.
Rect TickRegion(Point point, int imageWidth, int imageHeight, int zoomLevel, int samplingMode);

// Side of the square magnified image: 145 for Normal (0), 289 for Big (1), nothing otherwise.
std::optional<int> MagnifierImageSide(int magnifierSize);

} // namespace twl
