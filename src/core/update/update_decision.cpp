#include "core/update/update_decision.h"

#include "core/base/settings_list.h"
#include "core/base/text_file.h"

#include <array>
#include <compare>

namespace twl {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// One number of a version without its blanks and leading zeros ("007 " is "7", "0" is ""), or
// nullopt when it holds anything but digits. Kept as text, so no number is too long to compare.
std::optional<std::string> SignificantDigits(std::string_view part) {
    while (!part.empty() && IsBlank(part.front())) {
        part.remove_prefix(1);
    }
    while (!part.empty() && IsBlank(part.back())) {
        part.remove_suffix(1);
    }
    if (part.empty()) {
        return std::nullopt;
    }
    for (const char c : part) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    while (!part.empty() && part.front() == '0') {
        part.remove_prefix(1);
    }
    return std::string(part);
}

using Version = std::array<std::string, 4>;

std::optional<Version> ParseVersion(std::string_view text) {
    Version version;
    for (std::size_t i = 0; i < version.size(); ++i) {
        const std::size_t dot = text.find('.');
        const bool last = i + 1 == version.size();
        if (last != (dot == std::string_view::npos)) {
            return std::nullopt; // fewer or more than four numbers
        }
        const std::optional<std::string> digits = SignificantDigits(text.substr(0, dot));
        if (!digits) {
            return std::nullopt;
        }
        version[i] = *digits;
        text = last ? std::string_view() : text.substr(dot + 1);
    }
    return version;
}

// Numbers without leading zeros: the longer is greater, equal lengths compare digit by digit.
std::strong_ordering CompareNumbers(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return a.size() <=> b.size();
    }
    return a.compare(b) <=> 0;
}

} // namespace

UpdateDecision DecideUpdate(std::string_view published, std::string_view running) {
    const std::optional<Version> server = ParseVersion(published);
    const std::optional<Version> own = ParseVersion(running);
    if (!server || !own) {
        return UpdateDecision::CheckManually;
    }
    for (std::size_t i = 0; i < server->size(); ++i) {
        const std::strong_ordering order = CompareNumbers((*server)[i], (*own)[i]);
        if (order != 0) {
            return order > 0 ? UpdateDecision::NewerVersion : UpdateDecision::LatestVersion;
        }
    }
    return UpdateDecision::LatestVersion;
}

std::optional<std::string> ReadPublishedVersion(const std::filesystem::path& updateFile) {
    std::optional<std::vector<std::string>> lines = ReadTextLines(updateFile);
    if (!lines) {
        return std::nullopt;
    }
    return SettingsList(std::move(*lines)).Value("update");
}

} // namespace twl
