// The Options dialog's pure parts: the hotkey from its boxes, the choosers' selection by name and
// the format editor's rules.

#include "core/formats/format_edit.h"
#include "core/formats/format_list.h"
#include "core/settings/hotkey_text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace twl {
namespace {

TEST(HotkeyFromBoxesTest, EachBoxGivesItsOwnModifier) {
    struct Case {
        HotkeyBoxes boxes;
        unsigned modifiers;
    };
    const Case cases[] = {
        {{.alt = true}, kModAlt},
        {{.ctrl = true}, kModCtrl},
        {{.shift = true}, kModShift},
        {{.win = true}, kModWin},
        {{}, 0u},
    };
    for (const auto& c : cases) {
        const auto hotkey = HotkeyFromBoxes(c.boxes, "Z");
        ASSERT_TRUE(hotkey);
        EXPECT_EQ(hotkey->modifiers, c.modifiers);
        EXPECT_EQ(BoxesOfHotkey(*hotkey).win, c.boxes.win);
        EXPECT_EQ(BoxesOfHotkey(*hotkey).ctrl, c.boxes.ctrl);
        EXPECT_EQ(BoxesOfHotkey(*hotkey).alt, c.boxes.alt);
        EXPECT_EQ(BoxesOfHotkey(*hotkey).shift, c.boxes.shift);
    }
}

TEST(HotkeyFromBoxesTest, CtrlAltAndQ) {
    const auto hotkey = HotkeyFromBoxes({.ctrl = true, .alt = true}, "q");
    ASSERT_TRUE(hotkey);
    EXPECT_EQ(FormatHotkey(*hotkey), "Ctrl+Alt+Q");
    EXPECT_EQ(hotkey, ParseHotkey("Ctrl+Alt+Q"));
}

TEST(HotkeyFromBoxesTest, NoKeyOrAnUnknownKeyGivesNone) {
    EXPECT_FALSE(HotkeyFromBoxes({.ctrl = true}, ""));
    EXPECT_FALSE(HotkeyFromBoxes({.ctrl = true}, "Nokey"));
}

TEST(FindFormatNameTest, MatchesIgnoringCaseAndFirstWins) {
    const std::vector<std::string> names{"HEX", "RGB", "rgb", "Delphi Hex"};
    EXPECT_EQ(FindFormatName(names, "hex"), 0u);
    EXPECT_EQ(FindFormatName(names, "Rgb"), 1u);
    EXPECT_EQ(FindFormatName(names, "DELPHI HEX"), 3u);
    EXPECT_FALSE(FindFormatName(names, "HSL"));
    EXPECT_FALSE(FindFormatName(names, ""));
    EXPECT_FALSE(FindFormatName({}, "HEX"));
}

TEST(ApplyFormatEditTest, NewAppendsExactlyAsTyped) {
    FormatList list({"HEX={rh}{gh}{bh}", "RGB={r},{g},{b}"});
    EXPECT_EQ(ApplyFormatEdit(list, FormatEditMode::New, 0, " My =", "#{rh}"),
              FormatEditResult::Done);
    EXPECT_EQ(list.Lines().back(), " My ==#{rh}");
    EXPECT_EQ(list.Count(), 3u);
}

TEST(ApplyFormatEditTest, NewRefusesANameThatExistsInAnyCase) {
    FormatList list({"HEX={rh}{gh}{bh}"});
    EXPECT_EQ(ApplyFormatEdit(list, FormatEditMode::New, 0, "hex", "{r}"),
              FormatEditResult::NameExists);
    EXPECT_EQ(list.Count(), 1u);
}

TEST(ApplyFormatEditTest, EditReplacesInPlaceEvenWithAnExistingName) {
    FormatList list({"HEX={rh}{gh}{bh}", "RGB={r},{g},{b}", "HSL={h}"});
    EXPECT_EQ(ApplyFormatEdit(list, FormatEditMode::Edit, 1, "RGB2", "{r}"),
              FormatEditResult::Done);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"HEX={rh}{gh}{bh}", "RGB2={r}", "HSL={h}"}));
    EXPECT_EQ(ApplyFormatEdit(list, FormatEditMode::Edit, 2, "hex", "{l}"), FormatEditResult::Done);
    EXPECT_EQ(list.Lines()[2], "hex={l}");
}

TEST(ApplyFormatEditTest, EitherBoxEmptyChangesNothing) {
    for (const auto mode : {FormatEditMode::New, FormatEditMode::Edit}) {
        FormatList list({"HEX={rh}{gh}{bh}"});
        EXPECT_EQ(ApplyFormatEdit(list, mode, 0, "", "{r}"), FormatEditResult::EmptyBox);
        EXPECT_EQ(ApplyFormatEdit(list, mode, 0, "Name", ""), FormatEditResult::EmptyBox);
        EXPECT_EQ(list.Lines(), std::vector<std::string>{"HEX={rh}{gh}{bh}"});
    }
}

TEST(ValuePartsTest, TheEditorOffersEveryPlaceholderOnce) {
    ASSERT_EQ(ValueParts().size(), PlaceholderTable().size());
    for (const auto& part : ValueParts()) {
        EXPECT_EQ(std::ranges::count_if(PlaceholderTable(),
                                        [&](const Placeholder& known) {
                                            return known.placeholder == part.placeholder;
                                        }),
                  1)
            << part.placeholder;
    }
    EXPECT_EQ(ValueParts()[0].placeholder, "{rh}");
    EXPECT_EQ(ValueParts()[3].label, "Red (0-255)");
    EXPECT_EQ(ValueParts()[15].placeholder, "{hsvv}");
}

} // namespace
} // namespace twl
