#include "core/base/decimal_int.h"

#include <charconv>
#include <system_error>

namespace twl {

std::optional<int> ParseDecimalInt(std::string_view text) {
    // from_chars takes a leading "-" but not "+"; a "+" is stripped here, and a sign left after
    // that ("+-5") is refused because a digit must follow it.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-') {
            return std::nullopt;
        }
    }
    if (text.empty()) {
        return std::nullopt;
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace twl
