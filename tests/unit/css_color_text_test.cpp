// CSS colour text read back: every form and syntax, with values worked out by hand (HSL and HWB
// from their definitions) or published with CSS Color 4 (red in OKLCH and Lab); text that is
// no colour; and every CSS notation of the shipped formats read back to the colour it came from.

#include "core/color/css_color_text.h"
#include "core/formats/color_formats.h"
#include "core/formats/paste_color.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <string>

namespace twl {
namespace {

std::optional<TColor> Tomato(std::string_view name) {
    return name == "tomato" || name == "Tomato" ? std::optional<TColor>(MakeColor(255, 99, 71))
                                                : std::nullopt;
}

TEST(CssColorTextTest, ReadsEveryFormAndSyntax) {
    const TColor blue = MakeColor(51, 102, 153), red = MakeColor(255, 0, 0);
    const std::pair<const char*, TColor> cases[] = {
        {"#336699", blue},
        {"#369", blue},
        {"#369f", blue},
        {"#336699FF", blue},
        {"rgb(51 102 153)", blue},
        {"RGB( 51 , 102 , 153 )", blue},
        {"rgba(51,102,153,0.5)", blue},
        {"rgb(20% 40% 60% / 50%)", blue},
        {"rgb(51 102 153 / 0.1)", blue},
        {"hsl(210 50% 40%)", blue},
        {"hsla(210deg, 50%, 40%, 1)", blue},
        {"hsl(3.6651914rad 50 40)", blue},
        {"hsl(233.3333grad 50% 40%)", blue},
        {"hsl(-150 50% 40%)", blue},
        {"hwb(210 20% 40%)", blue},
        {"hwb(0.5833333turn 20% 40%)", blue},
        {"hwb(90 60% 60%)", MakeColor(128, 128, 128)},
        {"oklch(62.8% 0.2577 29.23)", red},
        {"oklch(0.628 64.425% 29.23)", red},
        {"lab(54.29% 80.8 69.89)", red},
        {"lab(54.29 64.64% 55.912%)", red},
        {"color(srgb 0.2 0.4 0.6)", blue},
        {"color(srgb 20% 40% 60% / 1)", blue},
        {"color(display-p3 1 0 0)", red}, // beyond sRGB, clipped channel by channel
        {"rgb(1e300 -5 none)", red},
        {"tomato", MakeColor(255, 99, 71)},
        {"  --accent: oklch(62.8% 0.2577 29.23);", red},
        {"background-color:#336699 ;", blue},
    };
    for (const auto& [text, color] : cases) {
        EXPECT_EQ(ReadCssColor(text, Tomato), color) << text;
    }
}

TEST(CssColorTextTest, TextThatIsNoColourGivesNone) {
    const std::string nested = "rgb(" + std::string(10000, '(') + "1 2 3" + std::string(10000, ')');
    const std::string huge = "rgb(" + std::string(400, '9') + " 0 0)";
    const char* cases[] = {
        "",
        "   ",
        "#12345",
        "#GG6699",
        "#",
        "rgb(51 102)",
        "rgb(51 102 153 0)",
        "rgb(51 102 153) x",
        "rgb(51,102 153)",
        "rgb(51 102 153 /)",
        "rgb(51 102 153 / 1 / 1)",
        "rgb(51,102,153,)",
        "rgb(,51,102,153)",
        "rgb(51 102 153))",
        "rgb 51 102 153",
        "rgb(1e999 0 0)",
        "rgb(nan 0 0)",
        "rgb(51px 0 0)",
        "lab(50% 10deg 0)",
        "oklab(1, 0, 0)",
        "oklch()",
        "color(xyz 1 0 0)",
        "color(0.2 0.4 0.6)",
        "hsl(210 50% 40%",
        "notacolour",
        "not a: rgb(1 2 3)",
        "a: b: c",
        "tomatoes",
        "rgb(1 2 3)garbage",
    };
    for (const char* text : cases) {
        EXPECT_EQ(ReadCssColor(text, Tomato), std::nullopt) << text;
    }
    EXPECT_EQ(ReadCssColor(nested), std::nullopt);
    EXPECT_EQ(ReadCssColor(huge), std::nullopt);
}

// Every CSS notation of the shipped formats, written for each colour of a 16-step grid, reads
// back to that colour exactly, but for OKLab and OKLCH: their four places cannot hold a dark
// channel of a vivid colour exactly, where sRGB's curve is steepest (a thousandth of linear
// light is three steps near 0), so there a channel may come back one step off.
TEST(CssColorTextTest, TheShippedNotationsReadBackToTheirColour) {
    const std::pair<const char*, bool> notations[] = {
        {"oklch({okl}% {okc} {okh})", false},  {"oklab({okl}% {oka} {okb})", false},
        {"lab({labl}% {laba} {labb})", true},  {"lch({labl}% {lchc} {lchh})", true},
        {"hwb({hwbh} {hwbw}% {hwbb}%)", true}, {"rgb({r} {g} {b})", true}};
    int wrong = 0;
    for (int r = 0; r < 256; r += 17) {
        for (int g = 0; g < 256; g += 17) {
            for (int b = 0; b < 256; b += 17) {
                const TColor color = MakeColor(r, g, b);
                for (const auto& [notation, exact] : notations) {
                    const std::string text = ExpandTemplate(color, notation);
                    const std::optional<TColor> read = ReadCssColor(text);
                    bool good = read == color;
                    if (!good && !exact && read) {
                        good = true;
                        const int got[] = {RedOf(*read), GreenOf(*read), BlueOf(*read)};
                        const int want[] = {r, g, b};
                        for (int i = 0; i < 3; ++i) {
                            good = good && std::abs(got[i] - want[i]) <= 1;
                        }
                    }
                    if (!good && ++wrong < 10) {
                        ADD_FAILURE() << text << " of " << r << "," << g << "," << b;
                    }
                }
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

// Paste Color's own forms come first; only a line none of them takes goes to the CSS reader.
TEST(CssColorTextTest, PasteReadsCssOnlyWhereNoFormTakesTheLine) {
    const OtherColorReader css = [](std::string_view line) { return ReadCssColor(line); };
    const std::string text = "rgb(51 102 153)\r\n#3366\r\nfc0\r\n#12345G\r\nwords\r\n";
    EXPECT_TRUE(ParsePastedColors(text).colors.empty() == false);
    EXPECT_EQ(ParsePastedColors(text).colors, (std::vector<TColor>{MakeColor(255, 204, 0)}));
    // Last line first: fc0, then #3366 (#RGBA) and rgb(); "#12345G" is the # form's, skipped.
    EXPECT_EQ(ParsePastedColors(text, css).colors,
              (std::vector<TColor>{MakeColor(255, 204, 0), MakeColor(51, 51, 102),
                                   MakeColor(51, 102, 153)}));
    // An RGB line of the program's own form still stops the paste at a bad field.
    EXPECT_TRUE(ParsePastedColors("RGB(51 102 153)", css).error.has_value());
}

} // namespace
} // namespace twl
