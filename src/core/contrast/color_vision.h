#pragma once
// Colours as people with a colour-vision deficiency see them: protanopia and deuteranopia after
// Viénot, Brettel and Mollon (1999), tritanopia after Brettel, Viénot and Mollon (1997), both in
// linear sRGB through the Smith and Pokorny cone fundamentals, and achromatopsia as the relative
// luminance.

#include "core/color/color_text.h"

#include <array>
#include <string_view>

namespace twl {

enum class ColorVision { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

inline constexpr int kColorVisionCount = 5;

// "Normal vision", "Protanopia", …, in the order of the enumeration.
std::string_view ColorVisionName(ColorVision vision);
// "Normal", "Protan", "Deutan", "Tritan", "Achromat": for a narrow label.
std::string_view ColorVisionShortName(ColorVision vision);
// The vision of a stored number; normal vision for a number that names none.
ColorVision ColorVisionOf(int number);

// Linear sRGB (0-1) as seen with the deficiency; out of 0-1 where sRGB cannot show it.
std::array<double, 3> SimulateLinear(const std::array<double, 3>& rgb, ColorVision vision);
// An 8-bit colour as seen with the deficiency, clipped to sRGB.
TColor SimulateColorVision(TColor color, ColorVision vision);

} // namespace twl
