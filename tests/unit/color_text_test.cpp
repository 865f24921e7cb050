#include "core/color/color_text.h"

#include <gtest/gtest.h>

#include <string>

namespace twl {
namespace {

TEST(ColorTextMakeColor, PacksLowEightBitsRedFirst) {
    EXPECT_EQ(MakeColor(0xFF, 0x80, 0x00), 0x0080FF);
    EXPECT_EQ(MakeColor(300, 0, 0), 44);
    EXPECT_EQ(MakeColor(-1, 0, 0), 255);
    EXPECT_EQ(MakeColor(0, 256, -256), 0);
    const TColor color = MakeColor(1, 2, 3);
    EXPECT_EQ(RedOf(color), 1);
    EXPECT_EQ(GreenOf(color), 2);
    EXPECT_EQ(BlueOf(color), 3);
}

TEST(ColorTextToText, NamedColoursUseTheirNamesOthersTheDollarForm) {
    EXPECT_EQ(ColorToText(MakeColor(255, 0, 0)), "clRed");
    EXPECT_EQ(ColorToText(MakeColor(255, 128, 0)), "$000080FF");
    EXPECT_EQ(ColorToText(0x808080), "clGray");
    EXPECT_EQ(ColorToText(MakeColor(166, 202, 240)), "clSkyBlue");
    EXPECT_EQ(ColorToText(0x000001), "$00000001");
    EXPECT_EQ(ColorToText(-1), "$FFFFFFFF");
    EXPECT_EQ(ColorToText(static_cast<TColor>(0x80000020u)), "$80000020");
}

TEST(ColorTextNameTable, HasFortyNineUniqueEntriesInOrder) {
    const auto table = ColorNameTable();
    ASSERT_EQ(table.size(), 49u);
    EXPECT_EQ(table.front().name, "clBlack");
    EXPECT_EQ(table[19].name, "clMedGray");
    EXPECT_EQ(table[20].name, "clActiveBorder");
    EXPECT_EQ(table[29].name, "clDefault");
    EXPECT_EQ(table[42].name, "clNone");
    EXPECT_EQ(table.back().name, "clWindowText");
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = i + 1; j < table.size(); ++j)
            EXPECT_NE(table[i].value, table[j].value) << table[i].name << " " << table[j].name;
    }
}

TEST(ColorTextNameTable, EveryNameRoundTrips) {
    for (const ColorName& entry : ColorNameTable()) {
        EXPECT_EQ(ColorToText(entry.value), entry.name);
        EXPECT_EQ(TextToColor(entry.name), entry.value) << entry.name;
    }
}

TEST(ColorTextNameTable, SystemColoursAndSpecialValues) {
    EXPECT_EQ(static_cast<std::uint32_t>(TextToColor("clBtnFace")), 0x8000000Fu);
    EXPECT_EQ(static_cast<std::uint32_t>(TextToColor("clScrollBar")), 0x80000000u);
    EXPECT_EQ(static_cast<std::uint32_t>(TextToColor("clGradientInactiveCaption")), 0x8000001Cu);
    EXPECT_EQ(TextToColor("clNone"), 0x1FFFFFFF);
    EXPECT_EQ(TextToColor("clDefault"), 0x20000000);
    EXPECT_EQ(ColorToText(static_cast<TColor>(0x8000000Fu)), "clBtnFace");
    EXPECT_EQ(ColorToText(0x1FFFFFFF), "clNone");
    EXPECT_EQ(ColorToText(0x20000000), "clDefault");
}

TEST(ColorTextFromText, NamesIgnoreLetterCase) {
    EXPECT_EQ(TextToColor("CLRED"), 0x0000FF);
    EXPECT_EQ(TextToColor("clred"), 0x0000FF);
    EXPECT_EQ(TextToColor("clRed"), 0x0000FF);
    EXPECT_EQ(TextToColor("CL3DLIGHT"), static_cast<TColor>(0x80000016u));
}

struct AcceptedLiteral {
    const char* text;
    std::uint32_t value;
};

TEST(ColorTextFromText, AcceptsIntegerLiterals) {
    const AcceptedLiteral cases[] = {
        {"$00FF8000", 0x00FF8000u},
        {"0x00FF8000", 0x00FF8000u},
        {"0X00ff8000", 0x00FF8000u},
        {"x00FF8000", 0x00FF8000u},
        {"X10", 0x10u},
        {"16744448", 0x00FF8000u},
        {"$008000ff", 0x008000FFu},
        {"+5", 5u},
        {"  12", 12u},
        {" -7", static_cast<std::uint32_t>(-7)},
        {"-$10", static_cast<std::uint32_t>(-16)},
        {"+0x10", 0x10u},
        {"$00000000FF", 0xFFu},
        {"$FFFFFFFF", 0xFFFFFFFFu},
        {"-$FFFFFFFF", 1u},
        {"0", 0u},
        {"000123", 123u},
        {"2147483647", 0x7FFFFFFFu},
        {"-2147483648", 0x80000000u},
        {"0x0", 0u},
    };
    for (const AcceptedLiteral& c : cases) {
        const auto color = TryTextToColor(c.text);
        ASSERT_TRUE(color.has_value()) << c.text;
        EXPECT_EQ(static_cast<std::uint32_t>(*color), c.value) << c.text;
        EXPECT_EQ(static_cast<std::uint32_t>(TextToColor(c.text)), c.value) << c.text;
    }
}

TEST(ColorTextFromText, RefusesOtherTexts) {
    const char* const cases[] = {
        "",
        "$00FF8000 ",
        " ",
        "$",
        "0x",
        "x",
        "-",
        "+",
        "-$",
        "$1FFFFFFFF",
        "4294967295",
        "2147483648",
        "-2147483649",
        "12a",
        "1 2",
        "$GG",
        "#FF8000",
        "\t12",
        "- 5",
        "--5",
        "0x-5",
        "$+5",
        "clRedd",
        " clRed",
        "1.5",
        "1e3",
        "99999999999999999999",
    };
    for (const char* text : cases) {
        EXPECT_FALSE(TryTextToColor(text).has_value()) << '"' << text << '"';
        EXPECT_THROW(TextToColor(text), ConversionError) << '"' << text << '"';
    }
}

TEST(ColorTextFromText, ErrorMessageQuotesTheText) {
    try {
        TextToColor("$00FF8000 ");
        FAIL() << "no error raised";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'$00FF8000 ' is not a valid integer value");
    }
    try {
        TextToColor("");
        FAIL() << "no error raised";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid integer value");
    }
}

TEST(ColorTextFromText, TextFormRoundTrips) {
    for (TColor color : {0x000000, 0x0080FF, 0xFFFFFF, 0x123456, 0x00FE01}) {
        EXPECT_EQ(TextToColor(ColorToText(color)), color);
    }
}

} // namespace
} // namespace twl
