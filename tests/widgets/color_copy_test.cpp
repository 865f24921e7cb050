// Copying colours as text and the automatic copy after a pick.

#include "core/formats/color_formats.h"
#include "core/formats/format_list.h"
#include "core/settings/settings.h"
#include "fake_services.h"
#include "ui/common/color_copy.h"

#include <gtest/gtest.h>

namespace twl {
namespace {

const TColor kSlateBlue = MakeColor(51, 102, 153);

TEST(CopyColorAs, LooksTheFormatUpByNameAtEachUse) {
    FormatList formats(DefaultColorValueFormats());
    FakeClipboard clipboard;
    CopyColorAs(clipboard, formats, kSlateBlue, "Hex with #");
    EXPECT_EQ(clipboard.text, "#336699");
    CopyColorAs(clipboard, formats, kSlateBlue, "Delphi Hex");
    EXPECT_EQ(clipboard.text, "$00996633");
    formats.SetTemplate("RGB", "rgb({r} {g} {b})");
    CopyColorAs(clipboard, formats, kSlateBlue, "RGB");
    EXPECT_EQ(clipboard.text, "rgb(51 102 153)");
    // A removed format copies the empty text: the clipboard is still replaced.
    formats.DeleteAt(2);
    CopyColorAs(clipboard, formats, kSlateBlue, "RGB");
    EXPECT_EQ(clipboard.text, "");
    EXPECT_EQ(clipboard.sets, 4);
}

TEST(AutoCopyNewest, CopiesOnlyWhileAutoCopyIsOn) {
    FormatList formats(DefaultColorValueFormats());
    FakeClipboard clipboard;
    Settings settings;
    settings.autoCopy = false;
    EXPECT_FALSE(AutoCopyNewest(clipboard, formats, settings, kSlateBlue, nullptr));
    EXPECT_EQ(clipboard.sets, 0);

    settings.autoCopy = true;
    settings.autoCopyFormat = "hsl";
    EXPECT_TRUE(AutoCopyNewest(clipboard, formats, settings, kSlateBlue, nullptr));
    EXPECT_EQ(clipboard.text, "HSL(210,50,40)");
    // An empty palette has no newest colour.
    EXPECT_FALSE(AutoCopyNewest(clipboard, formats, settings, std::nullopt, nullptr));
    EXPECT_EQ(clipboard.sets, 1);
}

TEST(AutoCopyNewest, SendsTheSwatchAlongWhenAsked) {
    FormatList formats(DefaultColorValueFormats());
    FakeClipboard clipboard;
    Settings settings;
    settings.autoCopySwatch = true;
    std::string swatchText;
    TColor swatchColor = 0;
    AutoCopyNewest(clipboard, formats, settings, kSlateBlue, [&](const std::string& t, TColor c) {
        swatchText = t;
        swatchColor = c;
    });
    EXPECT_EQ(swatchText, "336699"); // "HEX" when "copyas" is missing
    EXPECT_EQ(swatchColor, kSlateBlue);
    EXPECT_EQ(clipboard.sets, 0);
    // Without a swatch maker the text goes alone.
    AutoCopyNewest(clipboard, formats, settings, kSlateBlue, nullptr);
    EXPECT_EQ(clipboard.text, "336699");
}

} // namespace
} // namespace twl
