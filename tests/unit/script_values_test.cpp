// What the command line's requests make of their texts: colours read as Paste Color reads a line,
// the format a value is printed in, and the kind of file an export writes.

#include "core/formats/color_formats.h"
#include "core/scripting/script_values.h"

#include <gtest/gtest.h>

namespace twl {
namespace {

TEST(ScriptValues, AddTextsAreColoursAsPasteReadsOneLineOrNothingIsTaken) {
    const std::vector<std::string> good{"#ff0000", "RGB(0,255,0)", "$00FF0000", "369"};
    const ColorArguments colors = ReadColorArguments(good);
    EXPECT_EQ(colors.notAColor, std::nullopt);
    EXPECT_EQ(colors.colors, (std::vector<TColor>{0x0000FF, 0x00FF00, 0xFF0000, 0x996633}));

    for (const std::string bad :
         {"bogus", "", "rgb(0,255,0)", "RGB(1,x,3)", "#ff0000\n#00ff00", "#ff0000\r"}) {
        const std::vector<std::string> texts{"#ff0000", bad, "also bad"};
        const ColorArguments result = ReadColorArguments(texts);
        EXPECT_EQ(result.notAColor, bad) << bad;
        EXPECT_TRUE(result.colors.empty()) << bad;
    }
}

TEST(ScriptValues, TheFormatAskedForOrTheDefault) {
    const FormatList formats(DefaultColorValueFormats());
    EXPECT_EQ(ChooseFormat(formats, "rgb", "HSL"), "rgb");
    EXPECT_EQ(ChooseFormat(formats, "Nonesuch", "HSL"), std::nullopt);
    EXPECT_EQ(ChooseFormat(formats, "", "HSL"), std::nullopt);
    EXPECT_EQ(ChooseFormat(formats, std::nullopt, "HSL"), "HSL");
    EXPECT_EQ(ChooseFormat(formats, std::nullopt, ""), "HEX with #");
    EXPECT_EQ(ChooseFormat(formats, std::nullopt, "gone"), "HEX with #");

    EXPECT_EQ(ScriptValue(formats, 0x996633, "rgb"), "RGB(51,102,153)");
    // A list that has lost "HEX with #" still prints it.
    const FormatList mine(std::vector<std::string>{"Mine={b}-{g}-{r}"});
    EXPECT_EQ(ScriptValue(mine, 0x996633, "HEX with #"), "#336699");
    EXPECT_EQ(PaletteValues({"clRed", "not a colour", "$00996633"}, mine, "Mine"),
              (std::vector<std::string>{"0-0-255", "153-102-51"}));
}

TEST(ScriptValues, TheExportKindComesFromTheExtension) {
    EXPECT_EQ(ExportKindFor("/tmp/p.aco"), ExportKind::PhotoshopSwatches);
    EXPECT_EQ(ExportKindFor("P.CLL"), ExportKind::ColorList);
    EXPECT_EQ(ExportKindFor("a.b.txt"), ExportKind::HexText);
    EXPECT_EQ(ExportKindFor("x.Png"), ExportKind::Png);
    EXPECT_EQ(ExportKindFor("x.bmp"), ExportKind::Bmp);
    EXPECT_EQ(ExportKindFor("x.gif"), ExportKind::Gif);
    for (const char* path : {"palette", "x.jpg", "x.aco.bak", "folder.aco/palette", ".", "x."}) {
        EXPECT_EQ(ExportKindFor(path), std::nullopt) << path;
    }
    EXPECT_EQ(ExportKindList(), "the kinds are: .aco .cll .txt .png .bmp .gif");
}

} // namespace
} // namespace twl
