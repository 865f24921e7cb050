#pragma once
// CSS colour text read back into an sRGB colour: "#RGB", "#RGBA", "#RRGGBB", "#RRGGBBAA",
// rgb()/rgba(), hsl()/hsla() (comma and space syntax), hwb(), lab(), lch(), oklab(), oklch(),
// color(srgb ...) and color(display-p3 ...), and named colours; a declaration such as
// "--accent: oklch(62% 0.2 29);" gives its value. Alpha is read and dropped. Values outside
// sRGB are clipped channel by channel; channels round to the nearest 8-bit value.

#include "core/color/color_text.h"

#include <functional>
#include <optional>
#include <string_view>

namespace twl {

// Finds a named colour, ignoring letter case; nullopt for a name it does not know.
using ColorNameLookup = std::function<std::optional<TColor>(std::string_view name)>;

// CIE Lab (D50, L 0-100) as the nearest sRGB colour, clipped channel by channel; nullopt for
// numbers that are not finite.
std::optional<TColor> CieLabToColor(double lightness, double a, double b);

// nullopt for text that is no CSS colour. Linear in the length of text.
std::optional<TColor> ReadCssColor(std::string_view text, const ColorNameLookup& names = {});

} // namespace twl
