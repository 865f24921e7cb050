#pragma once
// Draws the magnified picture of the Eye Dropper: the screen around the point enlarged by pixel
// replication, silver beyond the screen's edges, the pixel grid and the two-tone frame around
// the pixels the sample reads. Grid and frame are part of the picture, so they are copied and
// saved with it.

#include "core/base/geometry.h"
#include "core/base/pixel_image.h"
#include "core/sampling/magnifier_state.h"
#include "core/sampling/source_block.h"

namespace twl {

// Draws around state.currentPoint into `image`, sized width x height (the buffer is reused while
// the size stays the same). `block` must hold TickRegion() for that point; pixels it does not
// hold are shown as outside the screen. A zoom level of 0 or less is set to 1 in `state` first.
//
// Screen pixel column i of the source (0 .. 2hx - 1) fills image columns i x step up to
// (i + 1) x step - 1, so every grid cell shows exactly one screen pixel; the columns left over at
// the right (and the rows at the bottom) repeat the last source pixel.
void DrawMagnifiedImage(MagnifierState& state, const SourceBlock& block, const Rect& desktop,
                        int width, int height, PixelImage& image);
// The same into memory owned elsewhere (a window's backing image), the view's size giving the
// picture's size.
void DrawMagnifiedImage(MagnifierState& state, const SourceBlock& block, const Rect& desktop,
                        const PixelView& image);

} // namespace twl
