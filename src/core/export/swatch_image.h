#pragma once
// Swatch images: each colour a 35 × 36 square framed in grey, side by side on white, every
// 36 pixels, with the colour's hex triplet written underneath. The single-colour swatch is the
// image of one colour (37 × 50).
//
// The core draws everything but the label text, which needs a font renderer: the caller writes
// each label at its origin.

#include "core/base/geometry.h"
#include "core/base/pixel_image.h"
#include "core/color/color_text.h"

#include <cstdint>
#include <span>

namespace twl {

inline constexpr int kSwatchPitch = 36;
inline constexpr int kSwatchImageHeight = 50;
inline constexpr std::uint32_t kSwatchOutline = 0xFF808080u; // RGB (128, 128, 128)

// White, 36 · N + 1 wide and 50 high; swatch i has its outline on columns 36 · i + 1 and
// 36 · i + 35 and rows 1 and 36 and the colour inside. No colours give a 1 × 50 white image.
PixelImage DrawSwatchImage(std::span<const TColor> colors);

// The top-left corner of swatch i's label (its hex triplet, on white): (36 · i + 1, 39).
Point SwatchLabelOrigin(int index);

} // namespace twl
