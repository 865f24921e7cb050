#include "core/scripting/script_values.h"

#include "core/base/ascii_case.h"
#include "core/formats/color_formats.h"
#include "core/formats/paste_color.h"

#include <array>

namespace twl {

namespace {

bool HasFormat(const FormatList& formats, std::string_view name) {
    for (const std::string& known : formats.Names()) {
        if (EqualIgnoringAsciiCase(known, name)) {
            return true;
        }
    }
    return false;
}

struct ExportExtension {
    std::string_view extension;
    ExportKind kind;
};

constexpr std::array<ExportExtension, 6> kExtensions{{
    {".aco", ExportKind::PhotoshopSwatches},
    {".cll", ExportKind::ColorList},
    {".txt", ExportKind::HexText},
    {".png", ExportKind::Png},
    {".bmp", ExportKind::Bmp},
    {".gif", ExportKind::Gif},
}};

} // namespace

ColorArguments ReadColorArguments(std::span<const std::string> texts) {
    ColorArguments result;
    for (const std::string& text : texts) {
        const PastedColors pasted = text.find_first_of("\r\n") == std::string::npos
                                        ? ParsePastedColors(text)
                                        : PastedColors{};
        if (pasted.colors.size() != 1 || pasted.error) {
            result.colors.clear();
            result.notAColor = text;
            return result;
        }
        result.colors.push_back(pasted.colors.front());
    }
    return result;
}

std::optional<std::string> ChooseFormat(const FormatList& formats,
                                        const std::optional<std::string>& requested,
                                        std::string_view preferred) {
    if (requested) {
        if (HasFormat(formats, *requested)) {
            return *requested;
        }
        return std::nullopt;
    }
    if (!preferred.empty() && HasFormat(formats, preferred)) {
        return std::string(preferred);
    }
    return std::string(kHexWithHashFormat);
}

std::string ScriptValue(const FormatList& formats, TColor color, std::string_view name) {
    if (!HasFormat(formats, name) && EqualIgnoringAsciiCase(name, kHexWithHashFormat)) {
        return ExpandTemplate(color, "#{rh}{gh}{bh}");
    }
    return formats.FormatColorByName(color, name);
}

std::vector<std::string> UnknownFormatMessage(std::string_view name, const FormatList& formats) {
    std::vector<std::string> message{"tintwell: there is no format named \"" + std::string(name) +
                                     "\"; the formats are:"};
    for (const std::string& known : formats.Names()) {
        message.push_back("  " + known);
    }
    return message;
}

std::vector<std::string> PaletteValues(const std::vector<std::string>& entries,
                                       const FormatList& formats, std::string_view name) {
    std::vector<std::string> values;
    for (const std::string& entry : entries) {
        if (const auto color = TryTextToColor(entry)) {
            values.push_back(ScriptValue(formats, *color, name));
        }
    }
    return values;
}

std::optional<ExportKind> ExportKindFor(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        return std::nullopt;
    }
    for (const ExportExtension& entry : kExtensions) {
        if (EqualIgnoringAsciiCase(path.substr(dot), entry.extension)) {
            return entry.kind;
        }
    }
    return std::nullopt;
}

std::string ExportKindList() {
    std::string list = "the kinds are:";
    for (const ExportExtension& entry : kExtensions) {
        list += ' ';
        list += entry.extension;
    }
    return list;
}

} // namespace twl
