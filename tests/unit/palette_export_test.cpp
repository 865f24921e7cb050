#include "core/export/palette_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace twl {
namespace {

std::string Bytes(std::initializer_list<unsigned char> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

TEST(PhotoshopSwatches, OneColourIsFourteenBytesWithEachComponentTwice) {
    const std::vector<TColor> colors{MakeColor(0x12, 0x34, 0x56)};
    EXPECT_EQ(PhotoshopSwatches(colors), Bytes({0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x12, 0x12,
                                                0x34, 0x34, 0x56, 0x56, 0x00, 0x00}));
}

TEST(PhotoshopSwatches, NoneAndFullComponentsBecomeTheSmallestAndLargestWords) {
    const std::vector<TColor> colors{MakeColor(255, 0, 255), MakeColor(0, 255, 0)};
    const std::string bytes = PhotoshopSwatches(colors);
    ASSERT_EQ(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(4, 10), Bytes({0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0}));
    EXPECT_EQ(bytes.substr(14, 10), Bytes({0, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0, 0}));
}

TEST(PhotoshopSwatches, TwentyColoursKeepPaletteOrderAndCountTwenty) {
    std::vector<TColor> colors;
    for (int i = 1; i <= 20; ++i) {
        colors.push_back(MakeColor(i, 0, 0));
    }
    const std::string bytes = PhotoshopSwatches(colors);
    ASSERT_EQ(bytes.size(), 204u);
    EXPECT_EQ(bytes.substr(0, 4), Bytes({0x00, 0x01, 0x00, 0x14}));
    EXPECT_EQ(bytes.substr(6, 2), Bytes({1, 1}));     // the first entry first
    EXPECT_EQ(bytes.substr(196, 2), Bytes({20, 20})); // the twentieth last
    EXPECT_EQ(PhotoshopSwatches({}), Bytes({0, 1, 0, 0}));
}

struct TextCase {
    std::vector<TColor> colors;
    PaletteTextForm form;
    std::string text;
};

TEST(PaletteText, OneLinePerColourEachEndingInCrLf) {
    const TColor white = MakeColor(255, 255, 255);
    const TColor black = MakeColor(0, 0, 0);
    const TColor low = MakeColor(0, 5, 10);
    const TextCase cases[] = {
        {{white, black}, PaletteTextForm::Hex, "FFFFFF\r\n000000\r\n"},
        {{white, black}, PaletteTextForm::HexWithHash, "#FFFFFF\r\n#000000\r\n"},
        {{white, black}, PaletteTextForm::Rgb, "RGB(255,255,255)\r\nRGB(0,0,0)\r\n"},
        {{low}, PaletteTextForm::Rgb, "RGB(0,5,10)\r\n"},
        {{low}, PaletteTextForm::Hex, "00050A\r\n"},
        {{MakeColor(0xAB, 0xCD, 0xEF)}, PaletteTextForm::HexWithHash, "#ABCDEF\r\n"},
        {{}, PaletteTextForm::Hex, ""},
        {{}, PaletteTextForm::Rgb, ""},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(PaletteText(c.colors, c.form), c.text);
    }
    EXPECT_EQ(PaletteText(std::vector<TColor>{white, black}, PaletteTextForm::Hex).size(), 16u);
}

TEST(ColorList, HashLinesWithCrLfAndNothingForAnEmptyPalette) {
    const std::vector<TColor> colors{MakeColor(255, 128, 0), MakeColor(1, 2, 3)};
    EXPECT_EQ(ColorList(colors), "#FF8000\r\n#010203\r\n");
    EXPECT_EQ(ColorList({}), "");
}

TEST(PaletteColors, ReadsNamesAndHexTextsAndRefusesTheRest) {
    EXPECT_EQ(PaletteColors({"clRed", "$00563412"}),
              (std::vector<TColor>{MakeColor(255, 0, 0), MakeColor(0x12, 0x34, 0x56)}));
    EXPECT_THROW(PaletteColors({"clRed", "no colour"}), ConversionError);
}

} // namespace
} // namespace twl
