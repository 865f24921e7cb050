#include "core/formats/paste_color.h"

#include "core/color/color_convert.h"
#include "core/color/css_color_text.h"
#include "core/formats/color_names.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace twl {

namespace {

// What one line adds: a colour, nothing, or the RGB/HSL field that is not an integer.
struct LineResult {
    std::optional<TColor> color;
    std::optional<std::string_view> badField;
    bool noForm = false; // no form's test matched
};

// "#" and 6 or 3 hex digits; "#GG0ABC" still gives its last three, #AABBCC.
std::optional<TColor> HashHexColor(std::string_view line) {
    if (line.size() == 7 && IsHexColorText(line.substr(1)))
        return HexToColor(line.substr(1));
    const std::string_view lastThree = line.substr(line.size() - 3);
    if (IsHexColorText(lastThree))
        return HexToColor(lastThree);
    return std::nullopt;
}

// The last six characters read as the stored "$00BBGGRR" form has them: blue first.
std::optional<TColor> StoredOrderColor(std::string_view line) {
    const std::string_view digits = line.substr(line.size() - 6);
    if (!IsHexColorText(digits))
        return std::nullopt;
    return TextToColor(std::string("$00").append(digits));
}

// "RGB(r,g,b)" or "HSL(h,s,l)": the third field is read first, so it is the one an error names
// when several are bad.
LineResult TripleColor(std::string_view line, bool hsl) {
    std::string_view rest = line.substr(std::min<std::size_t>(4, line.size()));
    if (rest.ends_with(')'))
        rest.remove_suffix(1);
    int values[3];
    for (int i = 2; i >= 0; --i) {
        const std::string_view field = SplitField(rest, static_cast<std::size_t>(i), ',');
        const std::optional<std::int32_t> value = ParseIntegerLiteral(field);
        if (!value)
            return {std::nullopt, field};
        values[i] = *value;
    }
    if (hsl)
        return {HslToRgb(values[0], values[1], values[2]), std::nullopt};
    return {MakeColor(values[0], values[1], values[2]), std::nullopt};
}

LineResult ReadLine(std::string_view line) {
    const std::size_t length = line.size();
    if (line.starts_with('#') && (length == 7 || length == 4))
        return {HashHexColor(line), std::nullopt};
    if ((line.starts_with("$00") && length == 9) || (line.starts_with("0X00") && length == 10) ||
        ((line.starts_with("0x") || line.starts_with("&H")) && length == 8))
        return {StoredOrderColor(line), std::nullopt};
    if (line.starts_with("RGB"))
        return TripleColor(line, false);
    if (line.starts_with("HSL"))
        return TripleColor(line, true);
    if (IsHexColorText(line))
        return {HexToColor(line), std::nullopt};
    return {std::nullopt, std::nullopt, true};
}

} // namespace

std::string_view SplitField(std::string_view text, std::size_t n, char separator) {
    std::size_t start = 0;
    for (; n > 0; --n) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos)
            return {};
        start = end + 1;
    }
    const std::size_t end = text.find(separator, start);
    return text.substr(start, end == std::string_view::npos ? end : end - start);
}

PastedColors ParsePastedColors(std::string_view text, const OtherColorReader& readOther) {
    PastedColors result;
    // Each pass takes the line ending at end and steps back over the separator before it, so
    // every byte is looked at once; a CR LF pair is one separator.
    std::size_t end = text.size();
    while (true) {
        std::size_t start = end;
        while (start > 0 && text[start - 1] != '\r' && text[start - 1] != '\n')
            --start;
        const std::string_view lineText = text.substr(start, end - start);
        const LineResult line = ReadLine(lineText);
        if (line.badField) {
            result.error.emplace(std::string(*line.badField));
            break;
        }
        if (line.color)
            result.colors.push_back(*line.color);
        else if (line.noForm && readOther)
            if (const std::optional<TColor> other = readOther(lineText))
                result.colors.push_back(*other);
        if (start == 0)
            break;
        end = start - 1;
        if (text[end] == '\n' && end > 0 && text[end - 1] == '\r')
            --end;
    }
    return result;
}

OtherColorReader CssLineReader(const ColorNames& names) {
    return [&names](std::string_view line) {
        return ReadCssColor(line, [&names](std::string_view name) { return names.Find(name); });
    };
}

} // namespace twl
