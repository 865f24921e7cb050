#include "core/formats/paste_color.h"

#include "core/color/color_convert.h"
#include "core/palette/palette_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace twl {
namespace {

using Colors = std::vector<TColor>;

const TColor kRed = MakeColor(255, 0, 0);
const TColor kGreen = MakeColor(0, 255, 0);
const TColor kBlue = MakeColor(0, 0, 255);

TEST(PasteColorSplitField, PiecesBetweenSeparatorsEmptyBeyondTheLast) {
    struct Case {
        std::string_view text;
        std::size_t n;
        std::string_view field;
    };
    const Case cases[] = {
        {"a,b,c", 0, "a"},   {"a,b,c", 2, "c"}, {"a,b,c", 3, ""}, {"a,b,", 1, "b"},
        {"a,b,", 2, ""},     {"a,,c", 1, ""},   {"", 0, ""},      {",", 0, ""},
        {" 1 ,2", 0, " 1 "}, {"abc", 0, "abc"}, {"abc", 1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitField(c.text, c.n, ','), c.field) << '"' << c.text << "\" " << c.n;
}

// One line on its own: the colour it adds, nothing, or the field the error names.
TEST(PasteColorLine, EachFormAndItsEdges) {
    struct Case {
        std::string_view line;
        std::optional<TColor> color;
        std::optional<std::string_view> badField = std::nullopt;
    };
    const TColor c336699 = MakeColor(0x33, 0x66, 0x99);
    const TColor c996633 = MakeColor(0x99, 0x66, 0x33);
    const Case cases[] = {
        // Hash hex: last six, else last three characters.
        {"#336699", c336699},
        {"#369", c336699},
        {"#a3f", MakeColor(0xAA, 0x33, 0xFF)},
        {"#1a2B3c", MakeColor(0x1A, 0x2B, 0x3C)},
        {"#GG0ABC", MakeColor(0xAA, 0xBB, 0xCC)},
        {"#12345G", std::nullopt},
        {"#12345", std::nullopt},
        {"#336699 ", std::nullopt},
        {" #336699", std::nullopt},
        // The blue-first forms read the six digits as stored: 0x336699 is red 0x99.
        {"$00996633", c336699},
        {"$00336699", c996633},
        {"$FF336699", std::nullopt},
        {"$0033669G", std::nullopt},
        {"0X00336699", c996633},
        {"0x336699", c996633},
        {"&H336699", c996633},
        {"0x00336699", std::nullopt},
        {"&h336699", std::nullopt},
        {"0x33669", std::nullopt},
        // RGB and HSL.
        {"RGB(255, 128, 0)", MakeColor(255, 128, 0)},
        {"RGB(255,128,0", MakeColor(255, 128, 0)},
        {"RGB($FF,$80,0)", MakeColor(255, 128, 0)},
        {"RGB(1,2,3,junk)", MakeColor(1, 2, 3)},
        {"RGB(300,0,0)", MakeColor(44, 0, 0)},
        {"RGB(256,-1,0)", MakeColor(0, 255, 0)},
        {"RGBA255,0,0", MakeColor(255, 0, 0)},
        {"RGB(255 ,128,0)", std::nullopt, "255 "},
        {"RGB(a,b,c)", std::nullopt, "c"},
        {"RGB(a,b,3)", std::nullopt, "b"},
        {"RGB(1,2)", std::nullopt, ""},
        {"RGB", std::nullopt, ""},
        {"RGB(1)", std::nullopt, ""},
        {"RGB(clRed,0,0)", std::nullopt, "clRed"},
        {"RGB(1,2,3) ", std::nullopt, "3) "},
        {"rgb(255,0,0)", std::nullopt},
        {"HSL(0,100,50)", kRed},
        {"HSL(120, 100, 25)", HslToRgb(120, 100, 25)},
        {"HSL(360,100,50)", 0},
        {"HSL(0,100,x)", std::nullopt, "x"},
        {"hsl(0,100,50)", std::nullopt},
        // Bare hex.
        {"336699", c336699},
        {"369", c336699},
        {"aBc", MakeColor(0xAA, 0xBB, 0xCC)},
        {"33669G", std::nullopt},
        {"3366", std::nullopt},
        {"", std::nullopt},
        // Bytes outside ASCII are never digits, whatever length they give the line.
        {"\xC3\xBC"
         "3",
         std::nullopt},
        // "#", two bytes of one character and "0ABC": seven bytes, so the last three count.
        {"#\xC3\xA9"
         "0ABC",
         MakeColor(0xAA, 0xBB, 0xCC)},
        {"#33669\xC3\xA9", std::nullopt},
        {"RGB(\xEF\xBC\x92,0,0)", std::nullopt, "\xEF\xBC\x92"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line));
        const PastedColors pasted = ParsePastedColors(c.line);
        if (c.badField) {
            ASSERT_TRUE(pasted.error.has_value());
            EXPECT_EQ(pasted.error->what(),
                      "'" + std::string(*c.badField) + "' is not a valid integer value");
        } else {
            EXPECT_FALSE(pasted.error.has_value());
        }
        EXPECT_EQ(pasted.colors, c.color ? Colors{*c.color} : Colors{});
    }
}

TEST(PasteColorText, FirstLineEndsOnTop) {
    const PastedColors pasted = ParsePastedColors("#FF0000\n#00FF00\n#0000FF");
    EXPECT_EQ(pasted.colors, (Colors{kBlue, kGreen, kRed}));
    Palette palette;
    for (TColor color : pasted.colors)
        palette.InsertColorAtTop(color);
    EXPECT_EQ(palette.LineColor(1), kRed);
    EXPECT_EQ(palette.LineColor(3), kBlue);
}

TEST(PasteColorText, OneColourPerRecognisedLineOfAnyForm) {
    const PastedColors pasted = ParsePastedColors("#FF0000\nnot a colour\n$0000FF00\n0X00FF0000\n"
                                                  "0x0000FF\n&H00FF00\nRGB(0,0,255)\n"
                                                  "HSL(0,100,50)\n\n00FF00\n");
    EXPECT_FALSE(pasted.error.has_value());
    EXPECT_EQ(pasted.colors, (Colors{kGreen, kRed, kBlue, kGreen, kRed, kBlue, kGreen, kRed}));
}

TEST(PasteColorText, CrOrLfOrCrLfEndsALine) {
    const PastedColors pasted = ParsePastedColors("#FF0000\r#00FF00\r\n#0000FF\n\r369\r\n");
    EXPECT_FALSE(pasted.error.has_value());
    EXPECT_EQ(pasted.colors, (Colors{MakeColor(0x33, 0x66, 0x99), kBlue, kGreen, kRed}));
}

TEST(PasteColorText, ANonAsciiLineIsSkipped) {
    const PastedColors pasted = ParsePastedColors("#FF0000\n\xC3\xBC"
                                                  "3\n#0000FF");
    EXPECT_EQ(pasted.colors, (Colors{kBlue, kRed}));
}

// Lines are visited from the last: the bad line nearest the end stops the visit, the lines
// below it keep their colours and the lines above it are not read.
TEST(PasteColorText, AnErrorKeepsTheColoursOfTheLinesBelowIt) {
    const PastedColors pasted =
        ParsePastedColors("RGB(1,2,first)\n#FF0000\nHSL(1,2,second)\n#00FF00\r\n#0000FF\r\n");
    ASSERT_TRUE(pasted.error.has_value());
    EXPECT_STREQ(pasted.error->what(), "'second' is not a valid integer value");
    EXPECT_EQ(pasted.colors, (Colors{kBlue, kGreen}));
}

TEST(PasteColorText, OnlyTheFirstTwentyLinesStayInThePalette) {
    std::string text;
    for (int i = 1; i <= 25; ++i)
        text += "RGB(" + std::to_string(i) + ",0,0)\r\n";
    const PastedColors pasted = ParsePastedColors(text);
    ASSERT_EQ(pasted.colors.size(), 25u);
    Palette palette;
    for (TColor color : pasted.colors)
        palette.InsertColorAtTop(color);
    ASSERT_EQ(palette.Count(), kPaletteSlotCount);
    for (int slot = 1; slot <= kPaletteSlotCount; ++slot)
        EXPECT_EQ(palette.LineColor(slot), MakeColor(slot, 0, 0)) << slot;
}

} // namespace
} // namespace twl
