#include "core/export/palette_export.h"

#include "core/color/color_convert.h"

namespace twl {

namespace {

void AppendWord(std::string& bytes, unsigned word) {
    bytes += static_cast<char>((word >> 8) & 0xFF);
    bytes += static_cast<char>(word & 0xFF);
}

std::string Line(TColor color, PaletteTextForm form) {
    switch (form) {
    case PaletteTextForm::Hex:
        return ColorToHexTriplet(color);
    case PaletteTextForm::HexWithHash:
        return ColorToHashHex(color);
    case PaletteTextForm::Rgb:
        return "RGB(" + std::to_string(RedOf(color)) + "," + std::to_string(GreenOf(color)) + "," +
               std::to_string(BlueOf(color)) + ")";
    }
    return {};
}

} // namespace

std::vector<TColor> PaletteColors(const std::vector<std::string>& entries) {
    std::vector<TColor> colors;
    colors.reserve(entries.size());
    for (const std::string& entry : entries) {
        colors.push_back(TextToColor(entry));
    }
    return colors;
}

std::string PhotoshopSwatches(std::span<const TColor> colors) {
    std::string bytes;
    bytes.reserve(4 + 10 * colors.size());
    AppendWord(bytes, 1);
    AppendWord(bytes, static_cast<unsigned>(colors.size()));
    for (const TColor color : colors) {
        AppendWord(bytes, 0);
        for (const int component : {RedOf(color), GreenOf(color), BlueOf(color)}) {
            AppendWord(bytes, static_cast<unsigned>(component) * 257u);
        }
        AppendWord(bytes, 0);
    }
    return bytes;
}

std::string PaletteText(std::span<const TColor> colors, PaletteTextForm form) {
    std::string text;
    for (const TColor color : colors) {
        text += Line(color, form);
        text += "\r\n";
    }
    return text;
}

std::string ColorList(std::span<const TColor> colors) {
    return PaletteText(colors, PaletteTextForm::HexWithHash);
}

} // namespace twl
