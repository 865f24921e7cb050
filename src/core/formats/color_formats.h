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

// Replaces every placeholder of templ, ignoring letter case, by the colour's value, one
// placeholder after another in table order, each step on the text the previous one produced.
// Decimal values have no sign, leading zeros or point; hex values are two upper-case digits.
// Everything else is kept as written.
std::string ExpandTemplate(TColor color, std::string_view templ);

// The ten built-in "name=template" lines, in order.
std::vector<std::string> DefaultColorValueFormats();

} // namespace twl
