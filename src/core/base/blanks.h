#pragma once
// Blanks (spaces and tabs) around a text.

#include <string_view>

namespace twl {

// The text without the spaces and tabs at its ends.
inline std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace twl
