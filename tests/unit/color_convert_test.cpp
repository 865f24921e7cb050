#include "core/color/color_convert.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace twl {
namespace {

struct Rgb {
    int red, green, blue;
};

::testing::AssertionResult SameRgb(TColor color, Rgb expected) {
    if (RedOf(color) == expected.red && GreenOf(color) == expected.green &&
        BlueOf(color) == expected.blue && (color & 0xFF000000) == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << RedOf(color) << ", " << GreenOf(color)
                                         << ", " << BlueOf(color) << "), expected (" << expected.red
                                         << ", " << expected.green << ", " << expected.blue << ")";
}

TEST(ColorConvertRounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5L), 2);
    EXPECT_EQ(RoundHalfEven(3.5L), 4);
    EXPECT_EQ(RoundHalfEven(8.5L), 8);
    EXPECT_EQ(RoundHalfEven(25.5L), 26);
    EXPECT_EQ(RoundHalfEven(0.5L), 0);
    EXPECT_EQ(RoundHalfEven(-0.5L), 0);
    EXPECT_EQ(RoundHalfEven(-2.5L), -2);
    EXPECT_EQ(RoundHalfEven(-3.5L), -4);
    EXPECT_EQ(RoundHalfEven(2.4999L), 2);
    EXPECT_EQ(RoundHalfEven(2.5001L), 3);
    EXPECT_EQ(RoundHalfEven(-2.6L), -3);
    EXPECT_EQ(RoundHalfEven(359.76L), 360);
}

TEST(ColorConvertRounding, NeverFailsOnWildValues) {
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<long double>::quiet_NaN()), 0);
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<long double>::infinity()), INT_MAX);
    EXPECT_EQ(RoundHalfEven(-std::numeric_limits<long double>::infinity()), INT_MIN);
    EXPECT_EQ(RoundHalfEven(1e30L), INT_MAX);
}

TEST(ColorConvertHex, TripletIsRedFirstUpperCase) {
    EXPECT_EQ(ColorToHexTriplet(MakeColor(255, 128, 0)), "FF8000");
    EXPECT_EQ(ColorToHexTriplet(MakeColor(0x0A, 0x0B, 0xC0)), "0A0BC0");
    EXPECT_EQ(ColorToHexTriplet(0), "000000");
}

TEST(ColorConvertHex, IsHexColorTextWantsThreeOrSixHexDigits) {
    EXPECT_TRUE(IsHexColorText("abcdef"));
    EXPECT_TRUE(IsHexColorText("ABC"));
    EXPECT_TRUE(IsHexColorText("09aF3c"));
    EXPECT_FALSE(IsHexColorText(""));
    EXPECT_FALSE(IsHexColorText("12"));
    EXPECT_FALSE(IsHexColorText("1234"));
    EXPECT_FALSE(IsHexColorText("1234567"));
    EXPECT_FALSE(IsHexColorText("#ABC"));
    EXPECT_FALSE(IsHexColorText("ABG"));
    EXPECT_FALSE(IsHexColorText("AB C"));
}

TEST(ColorConvertHex, HexToColorReadsBothLengthsAndOneHash) {
    EXPECT_TRUE(SameRgb(HexToColor("#A3F"), {0xAA, 0x33, 0xFF}));
    EXPECT_TRUE(SameRgb(HexToColor("a3f"), {0xAA, 0x33, 0xFF}));
    EXPECT_TRUE(SameRgb(HexToColor("a3f0c1"), {0xA3, 0xF0, 0xC1}));
    EXPECT_TRUE(SameRgb(HexToColor("#FF8000"), {0xFF, 0x80, 0x00}));
    for (const char* bad : {"#A3F0", "##A3F", "#", "", "A3F0C1 ", "xyzxyz"})
        EXPECT_EQ(HexToColor(bad), 0) << bad;
}

struct HslCase {
    Rgb rgb;
    int hue, saturation, lightness;
};

TEST(ColorConvertHsl, RgbToHslRoundsEachComponent) {
    const HslCase cases[] = {
        {{255, 0, 0}, 0, 100, 50},     {{255, 0, 1}, 360, 100, 50},    {{128, 128, 128}, 0, 0, 50},
        {{51, 102, 153}, 210, 50, 40}, {{200, 100, 50}, 20, 60, 49},   {{0, 0, 0}, 0, 0, 0},
        {{255, 255, 255}, 0, 0, 100},  {{0, 255, 0}, 120, 100, 50},    {{0, 0, 255}, 240, 100, 50},
        {{255, 255, 0}, 60, 100, 50},  {{230, 200, 210}, 340, 38, 84},
    };
    for (const HslCase& c : cases) {
        const Hsl hsl = RgbToHsl(c.rgb.red, c.rgb.green, c.rgb.blue);
        EXPECT_EQ(hsl.hue, c.hue) << c.rgb.red << "," << c.rgb.green << "," << c.rgb.blue;
        EXPECT_EQ(hsl.saturation, c.saturation) << c.rgb.red << "," << c.rgb.green;
        EXPECT_EQ(hsl.lightness, c.lightness) << c.rgb.red << "," << c.rgb.green;
    }
    const Hsl packed = RgbToHsl(MakeColor(200, 100, 50));
    EXPECT_EQ(packed.hue, 20);
}

TEST(ColorConvertHsl, RgbToHslStaysInRange) {
    for (int r = 0; r < 256; r += 5) {
        for (int g = 0; g < 256; g += 5) {
            for (int b = 0; b < 256; b += 5) {
                const Hsl hsl = RgbToHsl(r, g, b);
                ASSERT_TRUE(hsl.hue >= 0 && hsl.hue <= 360 && hsl.saturation >= 0 &&
                            hsl.saturation <= 100 && hsl.lightness >= 0 && hsl.lightness <= 100)
                    << r << "," << g << "," << b;
            }
        }
    }
}

TEST(ColorConvertHsl, HslToRgbFollowsTheHueWheelAndBlends) {
    const HslCase cases[] = {
        {{255, 0, 0}, 0, 100, 50},    {{255, 8, 0}, 2, 100, 50},
        {{255, 26, 0}, 6, 100, 50},   {{128, 128, 128}, 120, 0, 50},
        {{224, 160, 160}, 0, 50, 75}, {{51, 102, 154}, 210, 50, 40},
        {{255, 255, 0}, 60, 100, 50}, {{251, 255, 0}, 61, 100, 50},
        {{0, 255, 0}, 120, 100, 50},  {{0, 0, 255}, 240, 100, 50},
        {{255, 0, 4}, 359, 100, 50},  {{255, 255, 255}, 200, 30, 100},
        {{0, 0, 0}, 200, 30, 0},      {{208, 114, 67}, 20, 60, 54},
    };
    for (const HslCase& c : cases) {
        EXPECT_TRUE(SameRgb(HslToRgb(c.hue, c.saturation, c.lightness), c.rgb))
            << c.hue << "," << c.saturation << "," << c.lightness;
    }
}

TEST(ColorConvertHsl, HslToRgbGivesBlackOutsideTheRanges) {
    const int cases[][3] = {{360, 100, 50}, {-1, 50, 50}, {0, 101, 50},    {0, -1, 50},
                            {0, 50, 101},   {0, 50, -1},  {INT_MAX, 0, 0}, {0, INT_MIN, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(HslToRgb(c[0], c[1], c[2]), 0) << c[0] << "," << c[1] << "," << c[2];
}

struct RoundedCase {
    Rgb rgb;
    int first, second, third;
};

TEST(ColorConvertHsv, RoundedValues) {
    const RoundedCase cases[] = {
        {{0, 0, 255}, 240, 100, 100},  {{0, 255, 0}, 120, 100, 100}, {{128, 128, 128}, 0, 0, 50},
        {{51, 102, 153}, 210, 67, 60}, {{0, 0, 0}, 0, 0, 0},         {{255, 255, 255}, 0, 0, 100},
        {{255, 0, 1}, 360, 100, 100},  {{255, 0, 0}, 0, 100, 100},
    };
    for (const RoundedCase& c : cases) {
        const Hsv hsv = RgbToHsv(c.rgb.red, c.rgb.green, c.rgb.blue);
        EXPECT_EQ(RoundHalfEven(hsv.hue), c.first) << c.rgb.red << "," << c.rgb.green;
        EXPECT_EQ(RoundHalfEven(hsv.saturation), c.second) << c.rgb.red << "," << c.rgb.green;
        EXPECT_EQ(RoundHalfEven(hsv.value), c.third) << c.rgb.red << "," << c.rgb.green;
    }
    EXPECT_LT(RgbToHsv(255, 0, 1).hue, 360.0L);
}

TEST(ColorConvertCmyk, RoundedPercentages) {
    const struct {
        Rgb rgb;
        int cyan, magenta, yellow, black;
    } cases[] = {
        {{0, 0, 0}, 0, 0, 0, 100},       {{255, 255, 255}, 0, 0, 0, 0},
        {{200, 100, 50}, 0, 50, 75, 22}, {{255, 0, 0}, 0, 100, 100, 0},
        {{128, 128, 128}, 0, 0, 0, 50},
    };
    for (const auto& c : cases) {
        const Cmyk cmyk = CmyToCmyk(RgbToCmy(c.rgb.red, c.rgb.green, c.rgb.blue));
        EXPECT_EQ(RoundHalfEven(cmyk.cyan * 100), c.cyan) << c.rgb.red;
        EXPECT_EQ(RoundHalfEven(cmyk.magenta * 100), c.magenta) << c.rgb.red;
        EXPECT_EQ(RoundHalfEven(cmyk.yellow * 100), c.yellow) << c.rgb.red;
        EXPECT_EQ(RoundHalfEven(cmyk.black * 100), c.black) << c.rgb.red;
    }
}

TEST(ColorConvertCmyk, CmyIsTheComplementAndBlackIsExact) {
    const Cmy cmy = RgbToCmy(MakeColor(255, 0, 51));
    EXPECT_EQ(cmy.cyan, 0.0L);
    EXPECT_EQ(cmy.magenta, 1.0L);
    EXPECT_NEAR(static_cast<double>(cmy.yellow), 0.8, 1e-12);
    const Cmyk black = CmyToCmyk(Cmy{1, 1, 1});
    EXPECT_EQ(black.cyan, 0.0L);
    EXPECT_EQ(black.magenta, 0.0L);
    EXPECT_EQ(black.yellow, 0.0L);
    EXPECT_EQ(black.black, 1.0L);
}

} // namespace
} // namespace twl
