#pragma once
// The palette written to a file of a kind chosen by name rather than through a save dialog (the
// command line's --export), with the same writers and texts as the menus' exports.

#include "core/color/color_text.h"
#include "core/scripting/script_values.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace twl {

// Writes the colours (newest first) to path, whole. The message the menus would show when it
// cannot: "No colors on the palette, cannot export!" for swatches of no colours, "Sorry! Cannot
// save file!" when the file cannot be written (an old file then stays as it was).
std::optional<std::string> WritePaletteFile(const std::filesystem::path& path, ExportKind kind,
                                            std::span<const TColor> colors);

} // namespace twl
