#pragma once
// The palette leaving the program as bytes: Photoshop swatches (.aco, version 1), the colour
// list (.cll) and the clipboard texts. Each takes the colours in palette order and uses only
// their red, green and blue.

#include "core/color/color_text.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace twl {

inline constexpr std::string_view kNoColorsToExportText =
    "No colors on the palette, cannot export!";
inline constexpr std::string_view kCannotSaveFileText = "Sorry! Cannot save file!";

// The colour of each palette entry, read with TextToColor: throws ConversionError at the first
// entry that is not a colour.
std::vector<TColor> PaletteColors(const std::vector<std::string>& entries);

// The version 1 swatches file: the words 1 and N, then for each colour the words 0 (RGB),
// red × 257, green × 257, blue × 257 and 0, every word most significant byte first.
std::string PhotoshopSwatches(std::span<const TColor> colors);

// The clipboard forms: "FF8000", "#FF8000" and "RGB(255,128,0)".
enum class PaletteTextForm { Hex, HexWithHash, Rgb };

// One line per colour in the given form, every line followed by CR LF; empty for no colours.
std::string PaletteText(std::span<const TColor> colors, PaletteTextForm form);

// The colour list file: "#RRGGBB" and CR LF for each colour, the same text as PaletteText's
// HexWithHash; 0 bytes for no colours.
std::string ColorList(std::span<const TColor> colors);

} // namespace twl
