#include "core/sampling/magnifier_drawing.h"

#include "core/sampling/magnifier_geometry.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace twl {
namespace {

using Coord = std::int64_t;

std::uint32_t* RowOf(const PixelView& image, Coord y) {
    return image.pixels + y * image.stride;
}

// Right and bottom exclusive; clipped to the image.
void FillRect(const PixelView& image, Coord left, Coord top, Coord right, Coord bottom,
              std::uint32_t color) {
    left = std::max<Coord>(left, 0);
    top = std::max<Coord>(top, 0);
    right = std::min<Coord>(right, image.width);
    bottom = std::min<Coord>(bottom, image.height);
    if (right <= left || bottom <= top)
        return;
    for (Coord y = top; y < bottom; ++y) {
        std::uint32_t* row = RowOf(image, y);
        std::fill(row + left, row + right, color);
    }
}

// The edge pixels of the rectangle, one pixel wide, right and bottom exclusive.
void OutlineRect(const PixelView& image, Coord left, Coord top, Coord right, Coord bottom,
                 std::uint32_t color) {
    if (right <= left || bottom <= top)
        return;
    FillRect(image, left, top, right, top + 1, color);
    FillRect(image, left, bottom - 1, right, bottom, color);
    FillRect(image, left, top, left + 1, bottom, color);
    FillRect(image, right - 1, top, right, bottom, color);
}

std::uint32_t ImagePixel(std::uint32_t screenPixel) {
    return screenPixel == kOutsidePixel ? kImageSilver : (screenPixel | kOpaque);
}

// Spreads each source pixel over `step` image pixels: `count` values, those of source columns
// [inFirst, inEnd) from `from` on and silver for the others; the last value also fills the
// columns left over up to `width`.
template <Coord kStep>
void SpreadRow(const std::uint32_t* from, Coord inFirst, Coord inEnd, Coord count, Coord step,
               Coord width, std::uint32_t* out) {
    const Coord cellStep = kStep > 0 ? kStep : step;
    const auto value = [&](Coord column) {
        return column >= inFirst && column < inEnd ? ImagePixel(from[column - inFirst])
                                                   : kImageSilver;
    };
    std::uint32_t* cell = out;
    for (Coord column = 0; column + 1 < count; ++column, cell += cellStep) {
        const std::uint32_t pixel = value(column);
        if constexpr (kStep > 0) {
            for (Coord i = 0; i < kStep; ++i)
                cell[i] = pixel;
        } else {
            std::fill(cell, cell + step, pixel);
        }
    }
    std::fill(cell, out + width, value(count - 1));
}

// The enlarged pixels of one source row across the whole image row.
void EnlargeRow(const SourceBlock& block, const Rect& source, Coord sourceRow, Coord step,
                Coord width, std::uint32_t* out) {
    const Coord screenY = Coord{source.top} + sourceRow;
    const Rect& area = block.area;
    if (screenY < area.top || screenY - area.top >= area.height) {
        std::fill(out, out + width, kImageSilver);
        return;
    }
    // Source columns that reach the image, and those of them that lie inside the block.
    const Coord count = std::min<Coord>(source.width, (width + step - 1) / step);
    const Coord inFirst = std::clamp<Coord>(Coord{area.left} - source.left, 0, count);
    const Coord inEnd =
        std::clamp<Coord>(Coord{area.left} + area.width - source.left, inFirst, count);
    const std::uint32_t* from =
        inFirst < inEnd
            ? block.pixels.data() + static_cast<std::ptrdiff_t>(screenY - area.top) * area.width +
                  (Coord{source.left} + inFirst - area.left)
            : nullptr;
    switch (step) {
    case 2:
        return SpreadRow<2>(from, inFirst, inEnd, count, step, width, out);
    case 4:
        return SpreadRow<4>(from, inFirst, inEnd, count, step, width, out);
    case 6:
        return SpreadRow<6>(from, inFirst, inEnd, count, step, width, out);
    case 8:
        return SpreadRow<8>(from, inFirst, inEnd, count, step, width, out);
    default:
        return SpreadRow<0>(from, inFirst, inEnd, count, step, width, out);
    }
}

// The enlarged screen, silver over the halves that show what lies beyond the screen's edges
// when the point is on (or past) an edge, and the grid's black lines at 0, step, ..., n x step
// in both directions, n = height div step. Each image row is made once per source row and
// copied down for the rows that repeat it; a grid line is black from end to end.
void DrawRows(const SourceBlock& block, const Rect& source, Point point, const Rect& desktop,
              Coord step, bool grid, const PixelView& image) {
    const Coord width = image.width;
    const Coord height = image.height;
    const bool leftEdge = point.x <= desktop.left;
    const bool topEdge = point.y <= desktop.top;
    const bool rightEdge = point.x >= Coord{desktop.left} + desktop.width - 1;
    const bool bottomEdge = point.y >= Coord{desktop.top} + desktop.height - 1;
    const Coord silverRightFrom = std::min<Coord>(width / 2 + step + 1, width);
    const Coord lastLine = (height / step) * step;
    const Coord lastColumn = std::min<Coord>(lastLine, width - 1);
    const std::uint32_t* made = nullptr; // the last row made, and its source row (-1: silver)
    Coord madeSourceRow = -1;
    for (Coord y = 0; y < height; ++y) {
        std::uint32_t* row = RowOf(image, y);
        if (grid && y % step == 0 && y <= lastLine) {
            std::fill(row, row + width, kImageBlack);
            continue;
        }
        const bool silver = source.Empty() || (topEdge && y < height / 2) ||
                            (bottomEdge && y >= height / 2 + step + 1);
        const Coord sourceRow = silver ? -1 : std::min<Coord>(y / step, source.height - 1);
        if (made != nullptr && sourceRow == madeSourceRow) {
            std::memcpy(row, made, static_cast<std::size_t>(width) * sizeof(*row));
            continue;
        }
        if (silver) {
            std::fill(row, row + width, kImageSilver);
        } else {
            EnlargeRow(block, source, sourceRow, step, width, row);
            if (leftEdge)
                std::fill(row, row + width / 2, kImageSilver);
            if (rightEdge)
                std::fill(row + silverRightFrom, row + width, kImageSilver);
        }
        if (grid) {
            for (Coord x = 0; x <= lastColumn; x += step)
                row[x] = kImageBlack;
        }
        made = row;
        madeSourceRow = sourceRow;
    }
}

// Black and, inside it, white around the cells the sample reads; none for a mode that does not
// sample.
void DrawSampleFrame(const PixelView& image, const MagnifierGeometry& geometry, int samplingMode) {
    const std::optional<int> radius = SamplingRadius(samplingMode);
    if (!radius)
        return;
    const Coord first = (geometry.center - *radius) * geometry.step;      // A
    const Coord beyond = (geometry.center + *radius + 1) * geometry.step; // B
    OutlineRect(image, first - 2, first - 2, beyond + 3, beyond + 3, kImageBlack);
    OutlineRect(image, first - 1, first - 1, beyond + 2, beyond + 2, kImageWhite);
}

} // namespace

void DrawMagnifiedImage(MagnifierState& state, const SourceBlock& block, const Rect& desktop,
                        int width, int height, PixelImage& image) {
    image.Resize(width, height);
    DrawMagnifiedImage(state, block, desktop,
                       PixelView{image.pixels.data(), image.width, image.height, image.width});
}

void DrawMagnifiedImage(MagnifierState& state, const SourceBlock& block, const Rect& desktop,
                        const PixelView& image) {
    if (state.zoomLevel <= 0)
        state.zoomLevel = 1;
    if (image.width <= 0 || image.height <= 0)
        return;
    const MagnifierGeometry geometry =
        ComputeMagnifierGeometry(image.width, image.height, state.zoomLevel);
    DrawRows(block, MagnifierSourceRect(state.currentPoint, geometry), state.currentPoint, desktop,
             geometry.step, state.showGrid && state.zoomLevel != 1, image);
    DrawSampleFrame(image, geometry, state.samplingMode);
}

} // namespace twl
