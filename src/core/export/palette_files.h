#pragma once
// The palette as the files other programs read: GIMP palettes (.gpl), Adobe Swatch Exchange
// (.ase), Photoshop swatches with names (.aco, versions 1 and 2), CSS custom properties and a
// JSON array. Each takes the colours newest first and names a colour by its "#RRGGBB" value.

#include "core/color/color_text.h"

#include <span>
#include <string>

namespace twl {

// "GIMP Palette", "Name: Tintwell", "Columns: 0", "#", then "%3d %3d %3d\t#RRGGBB" a colour, LF
// line ends.
std::string GimpPalette(std::span<const TColor> colors);

// Version 1.0, one global RGB entry a colour (32-bit floats, UTF-16 names with their
// terminator), no groups; big-endian throughout.
std::string AdobeSwatchExchange(std::span<const TColor> colors);

// The version 1 section of PhotoshopSwatches, then a version 2 section of the same colours
// with their names.
std::string PhotoshopSwatchesWithNames(std::span<const TColor> colors);

// ":root {", "  --twl-1: #336699;" …, "}", LF line ends.
std::string CssCustomProperties(std::span<const TColor> colors);

// ["#336699", …] and a line feed.
std::string JsonColors(std::span<const TColor> colors);

} // namespace twl
