#pragma once
// Colour value formats: templates of literal text with placeholders such as {rh} or {h}, and
// the ten formats every fresh installation starts with.

#include "core/color/color_text.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace twl {

// One placeholder and the label under which the format editor offers it.
struct Placeholder {
    std::string_view placeholder; // "{rh}"
    std::string_view label;       // "Hex Red"
};

// The sixteen placeholders in the order ExpandTemplate replaces them.
std::span<const Placeholder> PlaceholderTable();
// The placeholders of the CSS Color 4 notations (OKLab, OKLCH, Lab, LCh, HWB) and of the nearest
// colour name, replaced after the sixteen in this order.
std::span<const Placeholder> MorePlaceholderTable();

class ColorNames;

// Replaces every placeholder of templ, ignoring letter case, by the colour's value, one
// placeholder after another in table order, each step on the text the previous one produced:
// the sixteen, then the others. The sixteen's decimal values have no sign, leading zeros or
// point; hex values are two upper-case digits. The others are rounded to their places, halves
// away from zero, without trailing zeros; {name} is "" without names. Everything else is kept
// as written.
std::string ExpandTemplate(TColor color, std::string_view templ, const ColorNames* names = nullptr);

// The ten built-in "name=template" lines, in order.
std::vector<std::string> DefaultColorValueFormats();

} // namespace twl
