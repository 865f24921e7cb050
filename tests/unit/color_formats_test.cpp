#include "core/formats/color_formats.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace twl {
namespace {

std::string TemplateOf(const std::string& line) {
    return line.substr(line.find('=') + 1);
}

TEST(ColorFormatsTest, BuiltInFormatsRenderEveryNotation) {
    const std::vector<std::string> expected = {"336699",          "#336699",
                                               "RGB(51,102,153)", "HSL(210,50,40)",
                                               "HSV(210,67,60)",  "C: 67 M: 33 Y: 0 K: 40",
                                               "$00996633",       "0X00336699",
                                               "0x336699",        "0x336699"};
    const auto formats = DefaultColorValueFormats();
    ASSERT_EQ(formats.size(), expected.size());
    for (std::size_t i = 0; i < formats.size(); ++i) {
        EXPECT_EQ(ExpandTemplate(MakeColor(51, 102, 153), TemplateOf(formats[i])), expected[i])
            << formats[i];
    }
    EXPECT_EQ(formats[1], "HEX with #=#{rh}{gh}{bh}");
    EXPECT_EQ(formats[9], "Actionscript Hex=0x{rh}{gh}{bh}");
}

struct ExpandCase {
    TColor color;
    const char* templ;
    const char* expected;
};

TEST(ColorFormatsTest, ExpandsTemplates) {
    const ExpandCase cases[] = {
        {MakeColor(0, 0, 0), "C: {cc} M: {cm} Y: {cy} K: {ck}", "C: 0 M: 0 Y: 0 K: 100"},
        {MakeColor(255, 0, 1), "HSL({h},{s},{l})", "HSL(360,100,50)"},
        {MakeColor(255, 255, 255), "{r} {g} {b} {hsvs} {hsvv} {ck}", "255 255 255 0 100 0"},
        {MakeColor(10, 11, 255), "{rh}{gh}{bh}", "0A0BFF"},
        // Placeholders match in any letter case.
        {MakeColor(51, 102, 153), "{RH}{Gh}{bH}", "336699"},
        {MakeColor(51, 102, 153), "HSV({HSVH},{HsvS},{hsvV})", "HSV(210,67,60)"},
        // Braces that form no placeholder stay as written.
        {MakeColor(51, 102, 153), "{x}-{r}", "{x}-51"},
        {MakeColor(51, 102, 153), "{r", "{r"},
        {MakeColor(51, 102, 153), "{{r}", "{51"},
        {MakeColor(51, 102, 153), "}{r}}{", "}51}{"},
        {MakeColor(51, 102, 153), "{}{rgb}{ r}", "{}{rgb}{ r}"},
        // Each step works on the text the earlier steps produced: {{rh}} becomes {CC}, which
        // the cyan step then replaces.
        {MakeColor(204, 0, 0), "{{rh}}", "0"},
        {MakeColor(51, 102, 153), "{r}{r}{r}", "515151"},
        {MakeColor(51, 102, 153), "", ""},
        {MakeColor(51, 102, 153), "plain text = 1", "plain text = 1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExpandTemplate(c.color, c.templ), c.expected) << c.templ;
    }
}

TEST(ColorFormatsTest, PlaceholderTableHasSixteenDistinctEntriesInReplacementOrder) {
    const auto table = PlaceholderTable();
    ASSERT_EQ(table.size(), 16u);
    EXPECT_EQ(table.front().placeholder, "{r}");
    EXPECT_EQ(table.front().label, "Red (0-255)");
    EXPECT_EQ(table[6].placeholder, "{rh}");
    EXPECT_EQ(table[11].label, "HSV Lightness (0-100)");
    EXPECT_EQ(table.back().placeholder, "{ck}");
    EXPECT_EQ(table.back().label, "CMYK Black");
    std::set<std::string_view> seen;
    for (const auto& entry : table) {
        EXPECT_TRUE(seen.insert(entry.placeholder).second) << entry.placeholder;
        // Every placeholder is replaced by a value that has no braces left.
        EXPECT_EQ(ExpandTemplate(MakeColor(1, 2, 3), entry.placeholder).find('{'),
                  std::string::npos)
            << entry.placeholder;
    }
}

} // namespace
} // namespace twl
