#pragma once
// The colour under a screen point: one pixel, or the mean of the 3x3 or 5x5 block around it.

#include "core/base/geometry.h"
#include "core/color/color_text.h"
#include "core/sampling/source_block.h"

#include <optional>

namespace twl {

// Reads the block around `point` by the sampling mode (0, 1, 2). Each channel of a mean is its
// sum divided by the pixel count, truncated. A pixel outside the screen counts as 255 in every
// channel, so a single pixel outside the screen samples as white. Any other mode reads nothing.
std::optional<TColor> SampleColor(const SourceBlock& block, Point point, int samplingMode);

} // namespace twl
