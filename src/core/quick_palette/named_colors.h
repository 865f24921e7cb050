#pragma once
// The named-colour list of the Quick Color Palette: lines "colour=name" from namedcolors.txt,
// the colour as six hex digits with or without a leading "#"; the filter the search box runs
// over them; and the colour line the window shows for the colour under the pointer.

#include "core/color/color_text.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace twl {

inline constexpr TColor kFilterMatchColor = 0xFFFFFF;   // white: rows remain
inline constexpr TColor kFilterNoMatchColor = 0x6666FF; // light red, RGB 255,102,102
inline constexpr TColor kFilterIdleColor = 0x232323;    // RGB 35,35,35 while unfocused

// True for a line of the file's form: text before the first "=" is six hex digits after an
// optional "#".
bool IsNamedColorLine(std::string_view line);
// The text before and after the first "=".
std::string_view NamedColorHexPart(std::string_view line);
std::string_view NamedColorNamePart(std::string_view line);
TColor NamedColorValue(std::string_view line);

// The most colours the list keeps: far more than any real list of named colours, few enough
// for the window's list to fill at once.
inline constexpr std::size_t kMaxNamedColors = 10000;
// The largest namedcolors.txt read: ten times the longest list of ten thousand colours.
inline constexpr std::uintmax_t kMaxNamedColorsFileBytes = 32u << 20;

// The file's lines in order; lines outside the form are left out, and lines past the first
// kMaxNamedColors colours are ignored. A missing file (or one over kMaxNamedColorsFileBytes) gives
// none.
std::vector<std::string> LoadNamedColors(const std::filesystem::path& path);

// Empty filter: every line. Otherwise the lines that contain the filter, lower-cased and trimmed
// of blanks, anywhere in the whole line, without regard to letter case.
std::vector<std::string> FilterNamedColors(const std::vector<std::string>& lines,
                                           std::string_view filter);
// The search box's background once the list holds `rows` rows.
TColor FilterBoxColor(std::size_t rows);

// "RGB(255,128,0) | #ff8000 ": the trailing blank is part of it.
std::string QuickColorText(TColor color);

} // namespace twl
