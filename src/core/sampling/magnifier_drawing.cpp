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

// The screen pixels of one source row, converted, at the start of the image row: `count` of
// them from source column 0.
void ConvertSourceRow(const SourceBlock& block, const Rect& source, Coord sourceRow, Coord count,
                      std::uint32_t* out) {
    const Coord screenY = Coord{source.top} + sourceRow;
    const Rect& area = block.area;
    if (screenY < area.top || screenY - area.top >= area.height) {
        std::fill(out, out + count, kImageSilver);
        return;
    }
    // Source columns [inFirst, inEnd) lie inside the block.
    const Coord inFirst = std::clamp<Coord>(Coord{area.left} - source.left, 0, count);
    const Coord inEnd =
        std::clamp<Coord>(Coord{area.left} + area.width - source.left, inFirst, count);
    std::fill(out, out + inFirst, kImageSilver);
    const std::uint32_t* from =
        block.pixels.data() +
        static_cast<std::size_t>(screenY - area.top) * static_cast<std::size_t>(area.width) +
        static_cast<std::size_t>(Coord{source.left} + inFirst - area.left);
    for (Coord column = inFirst; column < inEnd; ++column, ++from)
        out[column] = ImagePixel(*from);
    std::fill(out + inEnd, out + count, kImageSilver);
}

// Builds each image row once per source row and copies it down for the rows that repeat it.
// A row is built in place: the converted source pixels first, then spread out from the right,
// so each one is read before its cell overwrites it.
void Enlarge(const SourceBlock& block, const Rect& source, Coord step, const PixelView& image) {
    if (source.Empty()) {
        FillRect(image, 0, 0, image.width, image.height, kImageSilver);
        return;
    }
    const Coord width = image.width;
    // Source columns that reach the image; the last of them also fills the columns left over.
    const Coord shown = std::min<Coord>(source.width, (width + step - 1) / step);
    Coord previousSourceRow = -1;
    for (Coord y = 0; y < image.height; ++y) {
        std::uint32_t* row = RowOf(image, y);
        const Coord sourceRow = std::min<Coord>(y / step, source.height - 1);
        if (sourceRow == previousSourceRow) {
            std::memcpy(row, row - image.stride, static_cast<std::size_t>(width) * sizeof(*row));
            continue;
        }
        previousSourceRow = sourceRow;
        ConvertSourceRow(block, source, sourceRow, shown, row);
        const std::uint32_t last = row[shown - 1];
        std::fill(row + (shown - 1) * step, row + width, last);
        for (Coord column = shown - 2; column >= 0; --column) {
            const std::uint32_t value = row[column];
            std::uint32_t* cell = row + column * step;
            for (Coord i = 0; i < step; ++i)
                cell[i] = value;
        }
    }
}

// Silver over the halves of the picture that show what lies beyond the screen's edges, when the
// point is on (or past) an edge.
void FillBeyondEdges(const PixelView& image, Point point, const Rect& desktop, Coord step) {
    const Coord width = image.width;
    const Coord height = image.height;
    if (point.x <= desktop.left)
        FillRect(image, 0, 0, width / 2, height, kImageSilver);
    if (point.y <= desktop.top)
        FillRect(image, 0, 0, width, height / 2, kImageSilver);
    if (point.x >= Coord{desktop.left} + desktop.width - 1)
        FillRect(image, width / 2 + step + 1, 0, width, height, kImageSilver);
    if (point.y >= Coord{desktop.top} + desktop.height - 1)
        FillRect(image, 0, height / 2 + step + 1, width, height, kImageSilver);
}

// Black lines at 0, step, ..., n x step in both directions, with n = height div step.
void DrawGrid(const PixelView& image, Coord step) {
    const Coord lastLine = (image.height / step) * step;
    const Coord lastColumn = std::min<Coord>(lastLine, Coord{image.width} - 1);
    for (Coord y = 0; y < image.height; ++y) {
        std::uint32_t* row = RowOf(image, y);
        for (Coord x = 0; x <= lastColumn; x += step)
            row[x] = kImageBlack;
    }
    for (Coord y = 0; y <= lastLine && y < image.height; y += step)
        FillRect(image, 0, y, image.width, y + 1, kImageBlack);
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
    Enlarge(block, MagnifierSourceRect(state.currentPoint, geometry), geometry.step, image);
    FillBeyondEdges(image, state.currentPoint, desktop, geometry.step);
    if (state.showGrid && state.zoomLevel != 1)
        DrawGrid(image, geometry.step);
    DrawSampleFrame(image, geometry, state.samplingMode);
}

} // namespace twl
