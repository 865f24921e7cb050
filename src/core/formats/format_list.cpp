#include "core/formats/format_list.h"

#include "core/base/settings_list.h"
#include "core/base/text_file.h"
#include "core/formats/color_formats.h"

#include <optional>
#include <system_error>
#include <utility>

namespace twl {

namespace {

std::string MakeLine(std::string_view name, std::string_view templ) {
    std::string line(name);
    line += '=';
    line += templ;
    return line;
}

// Templates that an earlier release wrote for "HEX with #", each with its repair, applied in
// this order.
constexpr std::string_view kHexWithHashName = "HEX with #";
constexpr std::string_view kHexWithHashRepaired = "#{rh}{gh}{bh}";
constexpr std::string_view kHexWithHashBroken[] = {"#{rh}{gh}{r}", "#{rh}{gh}{rh}"};

} // namespace

FormatList::FormatList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

std::vector<std::string> FormatList::Names() const {
    std::vector<std::string> names;
    names.reserve(lines_.size());
    for (const auto& line : lines_) {
        const std::size_t eq = line.find('=');
        names.push_back(eq == std::string::npos ? std::string() : line.substr(0, eq));
    }
    return names;
}

std::string FormatList::Template(std::string_view name) const {
    const auto index = FindKeyLine(lines_, name);
    return index ? ValueOfLine(lines_[*index]) : std::string();
}

std::string FormatList::FormatColorByName(TColor color, std::string_view name) const {
    return ExpandTemplate(color, Template(name), colorNames_);
}

void FormatList::Append(std::string line) {
    lines_.push_back(std::move(line));
}

void FormatList::Append(std::string_view name, std::string_view templ) {
    lines_.push_back(MakeLine(name, templ));
}

void FormatList::ReplaceAt(std::size_t index, std::string_view name, std::string_view templ) {
    if (index < lines_.size()) {
        lines_[index] = MakeLine(name, templ);
    }
}

void FormatList::DeleteAt(std::size_t index) {
    if (index < lines_.size()) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void FormatList::SetTemplate(std::string_view name, std::string_view templ) {
    if (const auto index = FindKeyLine(lines_, name)) {
        lines_[*index] = MakeLine(name, templ);
    } else {
        lines_.push_back(MakeLine(name, templ));
    }
}

void FormatList::SetDefaults() {
    lines_ = DefaultColorValueFormats();
}

void LoadColorValueFormats(FormatList& list, const std::filesystem::path& sharedFolder,
                           const std::filesystem::path& programFolder) {
    std::optional<std::vector<std::string>> lines;
    for (const auto& folder : {sharedFolder, programFolder}) {
        const auto file = folder / kFormatsFileName;
        std::error_code ec;
        if (std::filesystem::exists(file, ec)) {
            // A file that is there but cannot be read leaves lines empty: built-in formats.
            lines = ReadTextLines(file);
            break;
        }
    }
    if (lines && !lines->empty()) {
        list = FormatList(std::move(*lines));
    } else {
        list.SetDefaults();
    }
    for (const auto broken : kHexWithHashBroken) {
        if (list.Template(kHexWithHashName) == broken) {
            list.SetTemplate(kHexWithHashName, kHexWithHashRepaired);
        }
    }
}

int SaveColorValueFormats(const FormatList& list, const std::filesystem::path& sharedFolder,
                          const std::filesystem::path& userFolder,
                          const std::function<void(const std::string&)>& showMessage) {
    int failures = 0;
    for (const auto& folder : {sharedFolder, userFolder}) {
        if (!WriteTextLines(folder / kFormatsFileName, list.Lines())) {
            ++failures;
            if (showMessage) {
                showMessage(std::string(kSaveFormatsErrorText));
            }
        }
    }
    return failures;
}

} // namespace twl
