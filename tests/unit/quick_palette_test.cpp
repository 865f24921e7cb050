#include "core/quick_palette/named_colors.h"
#include "core/quick_palette/quick_palette_pictures.h"

#include "core/color/color_adjust.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace twl {
namespace {

TColor PixelColor(std::uint32_t pixel) {
    return MakeColor(int(pixel >> 16 & 0xFF), int(pixel >> 8 & 0xFF), int(pixel & 0xFF));
}

TColor WebSafePixelInCell(const PixelImage& picture, int column, int row, int dx, int dy) {
    return PixelColor(picture.At(9 * column + 1 + dx, 9 * row + 1 + dy));
}

TEST(WebSafePicture, ColumnZeroHoldsTheTwelveBasicColoursInOrder) {
    const TColor expected[] = {
        MakeColor(0, 0, 0),          MakeColor(0x33, 0x33, 0x33), MakeColor(0x66, 0x66, 0x66),
        MakeColor(0x99, 0x99, 0x99), MakeColor(0xCC, 0xCC, 0xCC), MakeColor(255, 255, 255),
        MakeColor(255, 0, 0),        MakeColor(0, 255, 0),        MakeColor(0, 0, 255),
        MakeColor(255, 255, 0),      MakeColor(0, 255, 255),      MakeColor(255, 0, 255)};
    const PixelImage picture = WebSafePicture();
    for (int row = 0; row < kWebSafeRows; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(WebSafePixelInCell(picture, 0, row, 0, 0), expected[row]);
        EXPECT_EQ(WebSafePixelInCell(picture, 0, row, 7, 7), expected[row]);
    }
}

TEST(WebSafePicture, BlockAndStepRuleCells) {
    struct Case {
        int column, row;
        TColor color;
    };
    const Case cases[] = {
        {1, 1, MakeColor(0, 0, 0x33)},         {2, 0, MakeColor(0, 0x33, 0)},
        {6, 5, MakeColor(0, 0xFF, 0xFF)},      {7, 0, MakeColor(0x33, 0, 0)},
        {13, 2, MakeColor(0x66, 0, 0x66)},     {18, 5, MakeColor(0x66, 0xFF, 0xFF)},
        {1, 6, MakeColor(0x99, 0, 0)},         {8, 7, MakeColor(0xCC, 0x33, 0x33)},
        {18, 11, MakeColor(0xFF, 0xFF, 0xFF)}, {13, 6, MakeColor(0xFF, 0, 0)},
    };
    const PixelImage picture = WebSafePicture();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.column << "," << c.row);
        EXPECT_EQ(WebSafeCellColor(c.column, c.row), c.color);
        EXPECT_EQ(WebSafePixelInCell(picture, c.column, c.row, 3, 4), c.color);
    }
}

TEST(WebSafePicture, GridLinesAndTheCellAtColumnOneRowZeroAreGridColoured) {
    const PixelImage picture = WebSafePicture();
    ASSERT_EQ(picture.width, 172);
    ASSERT_EQ(picture.height, 109);
    for (int line = 0; line <= 19; ++line) {
        const int x = std::min(9 * line, 171);
        for (int y = 0; y < picture.height; ++y) {
            ASSERT_EQ(PixelColor(picture.At(x, y)), kWebSafeGridColor) << x << "," << y;
        }
    }
    for (int line = 0; line <= 12; ++line) {
        for (int x = 0; x < picture.width; ++x) {
            ASSERT_EQ(PixelColor(picture.At(x, 9 * line)), kWebSafeGridColor) << x;
        }
    }
    EXPECT_EQ(WebSafeCellColor(1, 0), kWebSafeGridColor);
    for (int d = 0; d < 8; ++d) {
        EXPECT_EQ(WebSafePixelInCell(picture, 1, 0, d, 7 - d), kWebSafeGridColor);
    }
}

// The sample rows are exact.
TEST(SpectrumPicture, RedColumnFollowsTheSampleRows) {
    struct Row {
        int y, red, green, blue;
    };
    const Row rows[] = {{0, 255, 255, 255},  {1, 255, 255, 255}, {2, 252, 242, 242},
                        {10, 245, 183, 183}, {20, 250, 96, 96},  {27, 255, 33, 33},
                        {31, 254, 0, 0},     {33, 238, 0, 0},    {40, 176, 4, 4},
                        {50, 87, 11, 11},    {60, 12, 4, 4},     {61, 5, 3, 3},
                        {62, 0, 0, 0}};
    const PixelImage picture = SpectrumPicture();
    ASSERT_EQ(picture.width, 115);
    ASSERT_EQ(picture.height, 63);
    for (const Row& row : rows) {
        const TColor color = PixelColor(picture.At(0, row.y));
        SCOPED_TRACE(row.y);
        EXPECT_EQ(RedOf(color), row.red);
        EXPECT_EQ(GreenOf(color), row.green);
        EXPECT_EQ(BlueOf(color), row.blue);
    }
}

TEST(SpectrumPicture, HueRunsAcrossTheColumnsWithoutWrapping) {
    const PixelImage picture = SpectrumPicture();
    struct Column {
        int x;
        TColor pure;
    };
    const Column columns[] = {{20, MakeColor(255, 251, 0)},  {41, MakeColor(0, 255, 4)},
                              {61, MakeColor(0, 255, 255)},  {82, MakeColor(8, 0, 255)},
                              {102, MakeColor(255, 0, 251)}, {114, MakeColor(255, 0, 101)}};
    for (const Column& column : columns) {
        const TColor color = PixelColor(picture.At(column.x, 31));
        SCOPED_TRACE(column.x);
        EXPECT_LE(std::abs(RedOf(color) - RedOf(column.pure)), 1);
        EXPECT_LE(std::abs(GreenOf(color) - GreenOf(column.pure)), 1);
        EXPECT_LE(std::abs(BlueOf(color) - BlueOf(column.pure)), 1);
    }
}

const std::vector<std::string> kLines{"#F0F8FF=aliceblue", "#0000FF=blue",    "008B8B=darkcyan",
                                      "#F0E68C=khaki",     "#87CEEB=SkyBlue", "#FFFF00=yellow"};

TEST(NamedColorFilter, FindsLinesByTheirWholeText) {
    struct Case {
        const char* filter;
        std::vector<std::string> found;
    };
    const Case cases[] = {
        {"   ", {}},
        {"#f0", {"#F0F8FF=aliceblue", "#F0E68C=khaki"}},
        {"blue", {"#F0F8FF=aliceblue", "#0000FF=blue", "#87CEEB=SkyBlue"}},
        {" BLUE ", {"#F0F8FF=aliceblue", "#0000FF=blue", "#87CEEB=SkyBlue"}},
        {"8b", {"008B8B=darkcyan"}},
        {"", kLines},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter);
        const std::vector<std::string> found = FilterNamedColors(kLines, c.filter);
        EXPECT_EQ(found, c.found);
        EXPECT_EQ(FilterBoxColor(found.size()),
                  c.found.empty() ? MakeColor(255, 102, 102) : MakeColor(255, 255, 255));
    }
}

TEST(NamedColorFile, SkipsLinesOutsideTheForm) {
    TempFolder folder;
    {
        std::ofstream file(folder.Path() / "namedcolors.txt", std::ios::binary);
        file << "#FF0000=red\r\nno equals sign\r\n#12345=short\r\nGGGGGG=bad\r\n"
                "00ff00=lime=green\r\n#abcdef12=long\r\n";
    }
    EXPECT_EQ(LoadNamedColors(folder.Path() / "namedcolors.txt"),
              (std::vector<std::string>{"#FF0000=red", "00ff00=lime=green"}));
    EXPECT_EQ(NamedColorNamePart("00ff00=lime=green"), "lime=green");
    EXPECT_EQ(NamedColorValue("00ff00=lime=green"), MakeColor(0, 255, 0));
    EXPECT_TRUE(LoadNamedColors(folder.Path() / "missing.txt").empty());
}

TEST(NamedColorFile, ReadsEveryLineEndAndKeepsTheFirstTenThousandColours) {
    TempFolder folder;
    std::string bytes = "#000001=cr\r#000002=lf\n\n#000003=crlf\r\n";
    for (std::size_t i = 3; i < kMaxNamedColors + 5; ++i) {
        bytes += "#FFFFFF=" + std::to_string(i) + "\n";
    }
    std::ofstream(folder.Path() / "namedcolors.txt", std::ios::binary) << bytes;
    const auto lines = LoadNamedColors(folder.Path() / "namedcolors.txt");
    ASSERT_EQ(lines.size(), kMaxNamedColors);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 3),
              (std::vector<std::string>{"#000001=cr", "#000002=lf", "#000003=crlf"}));
    EXPECT_EQ(lines.back(), "#FFFFFF=" + std::to_string(kMaxNamedColors - 1));
}

TEST(QuickColorText, RgbThenLowerCaseHexAndOneBlank) {
    EXPECT_EQ(QuickColorText(MakeColor(255, 128, 0)), "RGB(255,128,0) | #ff8000 ");
    EXPECT_EQ(QuickColorText(MakeColor(0, 10, 171)), "RGB(0,10,171) | #000aab ");
}

TEST(NamedColorRow, TextColourContrastsWithTheRowColour) {
    EXPECT_EQ(ContrastTextColor(NamedColorValue("#FFFF00=yellow")), MakeColor(0, 0, 0));
    EXPECT_EQ(ContrastTextColor(NamedColorValue("#000080=navy")), MakeColor(255, 255, 255));
}

} // namespace
} // namespace twl
