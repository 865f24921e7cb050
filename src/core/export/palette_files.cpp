#include "core/export/palette_files.h"

#include "core/color/color_convert.h"
#include "core/export/palette_export.h"

#include <bit>
#include <cstdint>
#include <cstdio>

namespace twl {

namespace {

void AppendBigEndian(std::string& bytes, std::uint32_t value, int byteCount) {
    for (int shift = (byteCount - 1) * 8; shift >= 0; shift -= 8) {
        bytes += static_cast<char>((value >> shift) & 0xFF);
    }
}

void AppendFloat(std::string& bytes, float value) {
    AppendBigEndian(bytes, std::bit_cast<std::uint32_t>(value), 4);
}

// A name as UTF-16 code units with their terminator; the names here are ASCII.
void AppendUtf16(std::string& bytes, const std::string& name) {
    for (const char c : name) {
        AppendBigEndian(bytes, static_cast<unsigned char>(c), 2);
    }
    AppendBigEndian(bytes, 0, 2);
}

} // namespace

std::string GimpPalette(std::span<const TColor> colors) {
    std::string text = "GIMP Palette\nName: Tintwell\nColumns: 0\n#\n";
    for (const TColor color : colors) {
        char line[16];
        std::snprintf(line, sizeof line, "%3d %3d %3d\t", RedOf(color), GreenOf(color),
                      BlueOf(color));
        text += line + ColorToHashHex(color) + "\n";
    }
    return text;
}

std::string AdobeSwatchExchange(std::span<const TColor> colors) {
    std::string bytes = "ASEF";
    AppendBigEndian(bytes, 1, 2); // version 1.0
    AppendBigEndian(bytes, 0, 2);
    AppendBigEndian(bytes, static_cast<std::uint32_t>(colors.size()), 4);
    for (const TColor color : colors) {
        const std::string name = ColorToHashHex(color);
        std::string block;
        AppendBigEndian(block, static_cast<std::uint32_t>(name.size() + 1), 2);
        AppendUtf16(block, name);
        block += "RGB ";
        for (const int channel : {RedOf(color), GreenOf(color), BlueOf(color)}) {
            AppendFloat(block, static_cast<float>(channel / 255.0));
        }
        AppendBigEndian(block, 0, 2); // a global colour
        AppendBigEndian(bytes, 0x0001, 2);
        AppendBigEndian(bytes, static_cast<std::uint32_t>(block.size()), 4);
        bytes += block;
    }
    return bytes;
}

std::string PhotoshopSwatchesWithNames(std::span<const TColor> colors) {
    std::string bytes = PhotoshopSwatches(colors);
    AppendBigEndian(bytes, 2, 2);
    AppendBigEndian(bytes, static_cast<std::uint32_t>(colors.size()), 2);
    for (const TColor color : colors) {
        AppendBigEndian(bytes, 0, 2);
        for (const int channel : {RedOf(color), GreenOf(color), BlueOf(color)}) {
            AppendBigEndian(bytes, static_cast<std::uint32_t>(channel) * 257u, 2);
        }
        AppendBigEndian(bytes, 0, 2);
        const std::string name = ColorToHashHex(color);
        AppendBigEndian(bytes, static_cast<std::uint32_t>(name.size() + 1), 4);
        AppendUtf16(bytes, name);
    }
    return bytes;
}

std::string CssCustomProperties(std::span<const TColor> colors) {
    std::string text = ":root {\n";
    int number = 0;
    for (const TColor color : colors) {
        text += "  --twl-" + std::to_string(++number) + ": " + ColorToHashHex(color) + ";\n";
    }
    return text + "}\n";
}

std::string JsonColors(std::span<const TColor> colors) {
    std::string text = "[";
    for (const TColor color : colors) {
        text += (text.size() > 1 ? ", \"" : "\"") + ColorToHashHex(color) + "\"";
    }
    return text + "]\n";
}

} // namespace twl
