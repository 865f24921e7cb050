#pragma once
// Lines of key=value text, as "set.set" holds them. A line's key is the text before its first
// "="; keys match without regard to ASCII letter case and the first matching line wins. A line
// with no "=" has no key and is never found, but it is kept as it is.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace twl {

// Index of the first line whose key equals key ignoring ASCII case; nullopt if none.
std::optional<std::size_t> FindKeyLine(const std::vector<std::string>& lines, std::string_view key);

// Everything after the first "=" of line, untrimmed; "" when the line has no "=".
std::string ValueOfLine(const std::string& line);

class SettingsList {
public:
    SettingsList() = default;
    explicit SettingsList(std::vector<std::string> lines);

    // The value of the first line with this key; "" for a missing key as for an empty value.
    std::string Value(std::string_view key) const;

    // Replaces the value of the first line with this key, keeping that line's spelling of the
    // key; appends "key=value" when no line has it.
    void SetValue(std::string_view key, std::string_view value);

    const std::vector<std::string>& Lines() const { return lines_; }
    void Clear() { lines_.clear(); }
    void Append(std::string line) { lines_.push_back(std::move(line)); }

private:
    std::vector<std::string> lines_;
};

} // namespace twl
