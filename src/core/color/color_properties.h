#pragma once
// The rules behind the Color Properties window: its strip of lightness variations and the
// text its HEX editor accepts.

#include "core/color/color_text.h"

#include <array>
#include <optional>
#include <string_view>

namespace twl {

inline constexpr int kVariationCount = 7;

// Lightness of variation i (1 to 7): 80, 70, ... 20 per cent.
constexpr int VariationLightness(int i) {
    return 90 - 10 * i;
}

// The colour with the lightness of each variation, V1 (80) first; hue and saturation are the
// colour's own, its lightness plays no part.
std::array<TColor, kVariationCount> LightnessVariations(TColor color);

// The colour typed into the HEX editor: one optional leading "#", then exactly 6 (RRGGBB) or
// 3 (RGB, each digit doubled) hex digits of either case. nullopt for any other text, which the
// editor shows in light red and drops when the edit ends.
std::optional<TColor> HexEditColor(std::string_view text);

} // namespace twl
