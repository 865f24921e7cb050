#include "core/formats/format_edit.h"

#include <algorithm>
#include <cctype>

namespace twl {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

constexpr Placeholder kValueParts[] = {
    {"{rh}", "Hex Red"},
    {"{gh}", "Hex Green"},
    {"{bh}", "Hex Blue"},
    {"{r}", "Red (0-255)"},
    {"{g}", "Green (0-255)"},
    {"{b}", "Blue (0-255)"},
    {"{h}", "HSL Hue (0-360)"},
    {"{s}", "HSL Saturation (0-100)"},
    {"{l}", "HSL Lightness (0-100)"},
    {"{cc}", "CMYK Cyan"},
    {"{cm}", "CMYK Magenta"},
    {"{cy}", "CMYK Yellow"},
    {"{ck}", "CMYK Black"},
    {"{hsvh}", "HSV Hue (0-360)"},
    {"{hsvs}", "HSV Saturation (0-100)"},
    {"{hsvv}", "HSV Lightness (0-100)"},
};

} // namespace

std::span<const Placeholder> ValueParts() {
    return kValueParts;
}

std::optional<std::size_t> FindFormatName(const std::vector<std::string>& names,
                                          std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameIgnoringCase(names[i], name)) {
            return i;
        }
    }
    return std::nullopt;
}

FormatEditResult ApplyFormatEdit(FormatList& list, FormatEditMode mode, std::size_t editIndex,
                                 std::string_view name, std::string_view templ) {
    if (name.empty() || templ.empty()) {
        return FormatEditResult::EmptyBox;
    }
    if (mode == FormatEditMode::Edit) {
        list.ReplaceAt(editIndex, name, templ);
        return FormatEditResult::Done;
    }
    if (FindFormatName(list.Names(), name)) {
        return FormatEditResult::NameExists;
    }
    list.Append(name, templ);
    return FormatEditResult::Done;
}

} // namespace twl
