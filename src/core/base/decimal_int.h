#pragma once
// The one reader of decimal integers in the settings: an optional sign, then digits, nothing
// else (no spaces, no hex prefixes), and the number must fit in an int.

#include <optional>
#include <string_view>

namespace twl {

// "42", "-300", "+7" read; "", "-", " 4", "4 ", "0x10", "1e3" and "99999999999" do not.
std::optional<int> ParseDecimalInt(std::string_view text);

} // namespace twl
