#pragma once
// Swatch images with their labels: the core draws the squares, Qt writes each colour's hex
// triplet under its square in Tahoma 7 pt (9 pixels high), black on white.

#include "core/base/pixel_image.h"
#include "core/color/color_text.h"

#include <span>

namespace twl {

// 36 · N + 1 × 50 pixels for N colours; 37 × 50 for the single-colour swatch.
PixelImage DrawSwatchPicture(std::span<const TColor> colors);

} // namespace twl
