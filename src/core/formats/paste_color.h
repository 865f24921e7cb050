#pragma once
// Paste Color without the clipboard: the colours a pasted text stands for, one per recognised
// line. Lines are cut at CR, LF or CR LF and taken exactly as they are (no trimming, no change
// of case). A line is judged by its bytes: a character outside ASCII only makes the line longer
// or fails the hex and integer tests, it is never read as a digit.
//
// Forms, tried in this order; the first whose test matches decides, even when the line then
// fails that form's own check (it is then skipped):
//   "#RRGGBB", "#RGB" (length 7 or 4)   last six, else last three, characters as hex, red first
//   "$00BBGGRR" (length 9)              stored form, blue first
//   "0X00BBGGRR" (length 10), "0xBBGGRR" and "&HBBGGRR" (length 8)   last six, blue first
//   "RGB..." and "HSL..."               three integer fields, see ParsePastedColors
//   "RRGGBB", "RGB" (length 6 or 3)     bare hex, red first
// Prefixes compare exactly, letter case included: "rgb(1,2,3)" is nothing.

#include "core/color/color_text.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace twl {

// Field n (from 0) of text cut at every separator; a field past the last one is empty. One
// trailing separator closes the last field rather than opening an empty one, which no index
// can tell apart. The result views text.
std::string_view SplitField(std::string_view text, std::size_t n, char separator);

struct PastedColors {
    // In the order to insert them at the top of the palette: the last recognised line's colour
    // first, so the first line's colour ends on top. Every recognised line is here; as each
    // insert drops the 21st slot, only the last twenty of them stay in the palette, and a caller
    // may insert just those.
    std::vector<TColor> colors;
    // Set when an RGB or HSL line has a field that is not an integer (an empty or missing field
    // included). Lines are visited last to first and the visit stops at that line, so colors
    // holds the colours of the lines below it and none from above. The caller inserts colors
    // first, then throws error.
    std::optional<ConversionError> error;
};

// The colours of text, a clipboard text. An "RGB" or "HSL" line loses its first four characters
// (whatever they are) and one trailing ")", then fields 2, 1 and 0 (split at ",") are read, in
// that order, with ParseIntegerLiteral (leading blanks, decimal or "$" hex, nothing after the
// digits); the first that fails is named by the error. Fields after the third are ignored. RGB
// keeps the low 8 bits of each number (256 is 0); HSL goes through HslToRgb (black when out of
// range). Time and memory are linear in the length of text.
// readOther, when given, reads the lines that no form's test matches (CSS colour text).
using OtherColorReader = std::function<std::optional<TColor>(std::string_view line)>;
PastedColors ParsePastedColors(std::string_view text, const OtherColorReader& readOther = {});

class ColorNames;
// The CSS colour text reader, its colour names from names (which must outlive it).
OtherColorReader CssLineReader(const ColorNames& names);

} // namespace twl
