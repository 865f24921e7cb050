#pragma once
// The colour value and its stored text form: a symbolic name ("clRed") or "$" and eight
// upper-case hex digits ("$008000FF", laid out 00 BB GG RR).

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace twl {

// 0x00BBGGRR: red in the low byte. System-colour names carry 0x80000000 plus an index.
using TColor = std::int32_t;

// Raised by TextToColor; what() is "'<text>' is not a valid integer value".
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text);
};

// The value of one hex digit of either case, -1 for any other character.
int HexDigitValue(char c);

// Packs the low 8 bits of each argument: 300 becomes 44, -1 becomes 255.
TColor MakeColor(int red, int green, int blue);
inline int RedOf(TColor color) {
    return color & 0xFF;
}
inline int GreenOf(TColor color) {
    return (color >> 8) & 0xFF;
}
inline int BlueOf(TColor color) {
    return (color >> 16) & 0xFF;
}

std::string ColorToText(TColor color);
// Throws ConversionError for text that is neither a colour name nor a 32-bit integer literal.
TColor TextToColor(std::string_view text);
// The same without the exception: nullopt where TextToColor would throw.
std::optional<TColor> TryTextToColor(std::string_view text);
// TextToColor's integer syntax alone, without the colour names: leading blanks, an optional
// sign, decimal or "$"/"x"/"0x"-prefixed hex digits, nothing after them; nullopt otherwise.
std::optional<std::int32_t> ParseIntegerLiteral(std::string_view text);

// One entry of the colour name table: the 16 basic colours, four extra named ones, the system
// colours (0x80000000 plus the system-colour index) and the two special values clNone and
// clDefault. The order decides which name a value gets.
struct ColorName {
    std::string_view name;
    TColor value;
};
// The 49 entries in table order.
std::span<const ColorName> ColorNameTable();

} // namespace twl
