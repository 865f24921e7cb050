#include "core/export/palette_import.h"

#include "core/base/blanks.h"
#include "core/base/decimal_int.h"
#include "core/base/text_file.h"

#include <algorithm>
#include <optional>

namespace twl {

namespace {

PaletteImport Problem(std::string problem) {
    return {{}, std::move(problem)};
}

// A GIMP palette's colour line: three decimal numbers 0-255 and an optional name.
std::optional<TColor> GimpColor(std::string_view line) {
    int channels[3] = {};
    for (int& channel : channels) {
        line = TrimBlanks(line);
        const auto end =
            std::find_if(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
        const auto value = ParseDecimalInt(std::string_view(line.begin(), end));
        if (!value || *value < 0 || *value > 255) {
            return std::nullopt;
        }
        channel = *value;
        line = std::string_view(end, line.end());
    }
    return MakeColor(channels[0], channels[1], channels[2]);
}

// The strings of a JSON array, each read as a line of text; nullopt for anything but an array of
// strings. Escapes other than \" and \\ are kept as they are: no colour text holds one.
std::optional<std::vector<std::string>> JsonStrings(std::string_view text) {
    std::vector<std::string> strings;
    std::size_t i = text.find('[') + 1;
    const auto skipBlanks = [&] {
        while (i < text.size() &&
               (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) {
            ++i;
        }
    };
    skipBlanks();
    if (i < text.size() && text[i] == ']') {
        ++i;
    } else {
        while (true) {
            skipBlanks();
            if (i >= text.size() || text[i] != '"') {
                return std::nullopt;
            }
            std::string value;
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                if (text[i] == '\\' && i + 1 < text.size() &&
                    (text[i + 1] == '"' || text[i + 1] == '\\')) {
                    ++i;
                }
                value += text[i];
            }
            if (i >= text.size()) {
                return std::nullopt;
            }
            ++i;
            strings.push_back(std::move(value));
            skipBlanks();
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            if (i < text.size() && text[i] == ']') {
                ++i;
                break;
            }
            return std::nullopt;
        }
    }
    skipBlanks();
    return i == text.size() ? std::optional(strings) : std::nullopt;
}

} // namespace

PaletteImport ReadGimpPalette(std::string_view bytes) {
    const std::vector<std::string> lines = SplitLines(bytes);
    if (lines.empty() || TrimBlanks(lines.front()) != "GIMP Palette") {
        return Problem("it is not a GIMP palette");
    }
    PaletteImport result;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = TrimBlanks(lines[i]);
        if (line.empty() || line.front() == '#' || line.starts_with("Name:") ||
            line.starts_with("Columns:")) {
            continue;
        }
        const auto color = GimpColor(line);
        if (!color) {
            return Problem("line " + std::to_string(i + 1) + " is not a colour");
        }
        if (result.colors.size() < kMaxImportedColors) {
            result.colors.push_back(*color);
        }
    }
    return result;
}

PaletteImport ReadPaletteText(std::string_view bytes, const OtherColorReader& readOther) {
    std::string lines;
    if (const std::size_t start = bytes.find_first_not_of(" \t\r\n");
        start != std::string_view::npos && bytes[start] == '[') {
        const auto strings = JsonStrings(bytes);
        if (!strings) {
            return Problem("it is not a JSON array of colour texts");
        }
        for (const std::string& text : *strings) {
            lines += text + "\n";
        }
        bytes = lines;
    }
    const PastedColors pasted = ParsePastedColors(bytes, readOther);
    if (pasted.error) {
        return Problem(pasted.error->what());
    }
    PaletteImport result;
    // Paste Color lists the colours last line first.
    const std::size_t kept = std::min(pasted.colors.size(), kMaxImportedColors);
    result.colors.assign(pasted.colors.rbegin(), pasted.colors.rbegin() + static_cast<long>(kept));
    return result;
}

PaletteImport ReadPaletteBytes(std::string_view bytes, const OtherColorReader& readOther) {
    PaletteImport result;
    if (bytes.starts_with("ASEF")) {
        result = ReadAdobeSwatchExchange(bytes);
    } else if (bytes.size() >= 2 && bytes[0] == '\0' && (bytes[1] == 1 || bytes[1] == 2)) {
        result = ReadPhotoshopSwatches(bytes);
    } else if (bytes.starts_with("GIMP Palette")) {
        result = ReadGimpPalette(bytes);
    } else if (bytes.find('\0') != std::string_view::npos) {
        return Problem("it is no palette file this program knows");
    } else {
        result = ReadPaletteText(bytes, readOther);
    }
    if (result.problem.empty() && result.colors.empty()) {
        result.problem = "it holds no colours";
    }
    return result;
}

PaletteImport ReadPaletteFile(const std::filesystem::path& path,
                              const OtherColorReader& readOther) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        return Problem("the file cannot be read");
    }
    if (size > kMaxPaletteFileBytes) {
        return Problem("the file is larger than 4 MB");
    }
    const auto bytes = ReadWholeFile(path, kMaxPaletteFileBytes);
    if (!bytes) {
        return Problem("the file cannot be read");
    }
    return ReadPaletteBytes(*bytes, readOther);
}

std::string PaletteImportMessage(const std::filesystem::path& path, const std::string& problem) {
    return "Cannot read palette file '" + path.filename().string() + "': " + problem + ".";
}

} // namespace twl
