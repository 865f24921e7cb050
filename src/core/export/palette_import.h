#pragma once
// Palette files read back: GIMP palettes, Adobe Swatch Exchange, Photoshop swatches (versions 1
// and 2), and any text, each line read as Paste Color reads it (the program's own colour lists
// among them). The kind is told by the content, never by the name. Damaged files give what is
// wrong with them and no colours.

#include "core/color/color_text.h"
#include "core/formats/paste_color.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace twl {

// Larger files are refused unread.
inline constexpr std::uintmax_t kMaxPaletteFileBytes = 4u << 20;
// An import keeps the first twenty colours of a file.
inline constexpr std::size_t kMaxImportedColors = 20;

struct PaletteImport {
    std::vector<TColor> colors; // in file order, at most kMaxImportedColors
    std::string problem;        // what is wrong ("block 3 runs past the end of the file"); ""
                                // when the file was read
};

PaletteImport ReadGimpPalette(std::string_view bytes);
PaletteImport ReadAdobeSwatchExchange(std::string_view bytes);
// A version 2 section, where there is one, is read in place of the version 1 section before it.
PaletteImport ReadPhotoshopSwatches(std::string_view bytes);
PaletteImport ReadPaletteText(std::string_view bytes, const OtherColorReader& readOther);

// Tells the kind by the content and reads it; a file of no colours is a problem too.
PaletteImport ReadPaletteBytes(std::string_view bytes, const OtherColorReader& readOther);

// Reads the file (refusing one over kMaxPaletteFileBytes) and its colours.
PaletteImport ReadPaletteFile(const std::filesystem::path& path, const OtherColorReader& readOther);

// "Cannot read palette file 'x.ase': block 3 runs past the end of the file."
std::string PaletteImportMessage(const std::filesystem::path& path, const std::string& problem);

} // namespace twl
