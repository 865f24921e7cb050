// Colour text from anywhere: the stored form and colour names (TextToColor), the integer syntax
// on its own, the settings' decimal integers and the hex forms of the HEX editor. What reads as
// a colour writes back as text that reads as the same colour.

#include "core/base/decimal_int.h"
#include "core/color/color_convert.h"
#include "core/color/color_properties.h"
#include "core/color/color_text.h"
#include "fuzz_input.h"

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const std::optional<TColor> color = TryTextToColor(text);
    try {
        fuzz::Require(TextToColor(text) == color);
    } catch (const ConversionError&) {
        fuzz::Require(!color);
    }
    if (color) {
        fuzz::Require(TryTextToColor(ColorToText(*color)) == color);
    }
    (void)ParseIntegerLiteral(text);
    if (const auto number = ParseDecimalInt(text)) {
        fuzz::Require(ParseDecimalInt(std::to_string(*number)) == number);
    }
    if (const auto hex = HexEditColor(text)) {
        fuzz::Require(HexToColor(ColorToHexTriplet(*hex)) == *hex);
    }
    (void)HexToColor(text);
    (void)IsHexColorText(text);
    return 0;
}
