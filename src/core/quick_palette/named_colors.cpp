#include "core/quick_palette/named_colors.h"

#include "core/base/ascii_case.h"
#include "core/base/text_file.h"
#include "core/color/color_convert.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace twl {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), AsciiLower);
    return lower;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

bool IsNamedColorLine(std::string_view line) {
    if (line.find('=') == std::string_view::npos) {
        return false;
    }
    std::string_view hex = NamedColorHexPart(line);
    if (!hex.empty() && hex.front() == '#') {
        hex.remove_prefix(1);
    }
    return hex.size() == 6 && std::all_of(hex.begin(), hex.end(),
                                          [](unsigned char c) { return std::isxdigit(c) != 0; });
}

std::string_view NamedColorHexPart(std::string_view line) {
    return line.substr(0, line.find('='));
}

std::string_view NamedColorNamePart(std::string_view line) {
    const std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view{} : line.substr(equals + 1);
}

TColor NamedColorValue(std::string_view line) {
    return HexToColor(NamedColorHexPart(line));
}

std::vector<std::string> LoadNamedColors(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    const auto bytes = ReadWholeFile(path, kMaxNamedColorsFileBytes);
    if (!bytes) {
        return lines;
    }
    // Line by line over the bytes, so a file of a million lines costs no million strings.
    std::string_view rest = *bytes;
    while (!rest.empty() && lines.size() < kMaxNamedColors) {
        const std::size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
        const std::string_view line = rest.substr(0, end);
        if (IsNamedColorLine(line)) {
            lines.emplace_back(line);
        }
        rest.remove_prefix(end);
        if (rest.starts_with("\r\n")) {
            rest.remove_prefix(2);
        } else if (!rest.empty()) {
            rest.remove_prefix(1);
        }
    }
    return lines;
}

std::vector<std::string> FilterNamedColors(const std::vector<std::string>& lines,
                                           std::string_view filter) {
    if (filter.empty()) {
        return lines;
    }
    const std::string wanted(TrimBlanks(Lower(filter)));
    std::vector<std::string> found;
    if (wanted.empty()) {
        return found;
    }
    for (const std::string& line : lines) {
        if (Lower(line).find(wanted) != std::string::npos) {
            found.push_back(line);
        }
    }
    return found;
}

TColor FilterBoxColor(std::size_t rows) {
    return rows > 0 ? kFilterMatchColor : kFilterNoMatchColor;
}

std::string QuickColorText(TColor color) {
    char text[48];
    std::snprintf(text, sizeof text, "RGB(%d,%d,%d) | #%02x%02x%02x ", RedOf(color), GreenOf(color),
                  BlueOf(color), RedOf(color), GreenOf(color), BlueOf(color));
    return text;
}

} // namespace twl
