#include "core/base/settings_list.h"

#include "core/base/ascii_case.h"

#include <utility>

namespace twl {

std::optional<std::size_t> FindKeyLine(const std::vector<std::string>& lines,
                                       std::string_view key) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::size_t eq = line.find('=');
        if (eq != std::string_view::npos && EqualIgnoringAsciiCase(line.substr(0, eq), key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string ValueOfLine(const std::string& line) {
    const std::size_t eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

SettingsList::SettingsList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

std::string SettingsList::Value(std::string_view key) const {
    const auto index = FindKeyLine(lines_, key);
    return index ? ValueOfLine(lines_[*index]) : std::string();
}

void SettingsList::SetValue(std::string_view key, std::string_view value) {
    if (const auto index = FindKeyLine(lines_, key)) {
        std::string& line = lines_[*index];
        line.resize(line.find('=') + 1);
        line += value;
        return;
    }
    std::string line(key);
    line += '=';
    line += value;
    lines_.push_back(std::move(line));
}

} // namespace twl
