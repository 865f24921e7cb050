#include "core/color/color_properties.h"

#include "core/color/color_convert.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace twl {
namespace {

TEST(ColorPropertiesVariations, LightnessEightyDownToTwentyWithTheColoursHue) {
    for (const TColor color :
         {MakeColor(200, 100, 50), MakeColor(10, 20, 30), MakeColor(0, 255, 0)}) {
        const Hsl own = RgbToHsl(color);
        const auto variations = LightnessVariations(color);
        const int lightness[] = {80, 70, 60, 50, 40, 30, 20};
        for (std::size_t i = 0; i < variations.size(); ++i) {
            EXPECT_EQ(variations[i], HslToRgb(own.hue, own.saturation, lightness[i]))
                << ColorToText(color) << " V" << i + 1;
        }
    }
    EXPECT_EQ(LightnessVariations(MakeColor(255, 0, 0))[3], MakeColor(255, 0, 0));
    // A hue that rounds up to a full turn stays red instead of going black.
    EXPECT_EQ(LightnessVariations(MakeColor(255, 0, 1))[3], MakeColor(255, 0, 0));
    EXPECT_EQ(LightnessVariations(MakeColor(128, 128, 128))[0], MakeColor(204, 204, 204));
}

TEST(ColorPropertiesHexEdit, AcceptsOneHashThenThreeOrSixHexDigits) {
    struct Case {
        std::string_view text;
        std::optional<TColor> color;
    };
    const Case cases[] = {
        {"#1a2B3c", MakeColor(0x1A, 0x2B, 0x3C)},
        {"1A2B3C", MakeColor(0x1A, 0x2B, 0x3C)},
        {"abc", MakeColor(0xAA, 0xBB, 0xCC)},
        {"F0A", MakeColor(0xFF, 0x00, 0xAA)},
        {"#F0A", MakeColor(0xFF, 0x00, 0xAA)},
        {"12345", std::nullopt},
        {"1234567", std::nullopt},
        {"##abc", std::nullopt},
        {"#", std::nullopt},
        {"", std::nullopt},
        {"abcdeg", std::nullopt},
        {" abc", std::nullopt},
        {"abc#", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HexEditColor(c.text), c.color) << '"' << c.text << '"';
}

} // namespace
} // namespace twl
