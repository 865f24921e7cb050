#pragma once
// What the command line's requests do with colours, formats and palette files, the same whether
// the running bar answers them or the command line works alone on the files.

#include "core/color/color_text.h"
#include "core/formats/format_list.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace twl {

// The format that prints a value when none is asked for and the one asked for is missing.
inline constexpr std::string_view kHexWithHashFormat = "HEX with #";

// The colours of --add's texts, each read as Paste Color reads one line, in the order given; or
// the first text that is no colour (a text of more than one line is none).
struct ColorArguments {
    std::vector<TColor> colors;
    std::optional<std::string> notAColor;
};
ColorArguments ReadColorArguments(std::span<const std::string> texts);

// The name of the format to print with: the one asked for, when the list has it (nullopt when it
// has not); without one asked for, preferred when the list has it, else "HEX with #".
std::optional<std::string> ChooseFormat(const FormatList& formats,
                                        const std::optional<std::string>& requested,
                                        std::string_view preferred);

// The colour in that format. A list without "HEX with #" still prints it as "#RRGGBB".
std::string ScriptValue(const FormatList& formats, TColor color, std::string_view name);

// The message for a format name the list does not have, with the names it has.
std::vector<std::string> UnknownFormatMessage(std::string_view name, const FormatList& formats);

// The value of each palette entry that is a colour, newest first.
std::vector<std::string> PaletteValues(const std::vector<std::string>& entries,
                                       const FormatList& formats, std::string_view name);

// The files --export writes, by their extension (letter case aside).
enum class ExportKind { PhotoshopSwatches, ColorList, HexText, Png, Bmp, Gif };
std::optional<ExportKind> ExportKindFor(std::string_view path);
// "the kinds are: .aco .cll .txt .png .bmp .gif".
std::string ExportKindList();

} // namespace twl
