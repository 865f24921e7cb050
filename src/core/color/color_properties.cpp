#include "core/color/color_properties.h"

#include "core/color/color_adjust.h"
#include "core/color/color_convert.h"

namespace twl {

std::array<TColor, kVariationCount> LightnessVariations(TColor color) {
    std::array<TColor, kVariationCount> variations{};
    for (int i = 1; i <= kVariationCount; ++i)
        variations[static_cast<std::size_t>(i - 1)] = WithLightness(color, VariationLightness(i));
    return variations;
}

std::optional<TColor> HexEditColor(std::string_view text) {
    if (text.starts_with('#'))
        text.remove_prefix(1);
    if (!IsHexColorText(text))
        return std::nullopt;
    return HexToColor(text);
}

} // namespace twl
