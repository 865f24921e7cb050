#include "core/settings/hotkey_text.h"
#include "core/settings/shortcut_trigger.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace twl {
namespace {

TEST(HotkeyTextTest, ReadsAndWritesInCanonicalForm) {
    struct Case {
        const char* text;
        unsigned modifiers;
        const char* key;
        const char* written;
    };
    const Case cases[] = {
        {"Win+Q", kModWin, "Q", "Win+Q"},
        {"Ctrl+Shift+Z", kModCtrl | kModShift, "Z", "Ctrl+Shift+Z"},
        {"shift+ctrl+z", kModCtrl | kModShift, "Z", "Ctrl+Shift+Z"},
        {" Alt + Win + Ctrl + Shift + f12 ", kModAlt | kModWin | kModCtrl | kModShift, "F12",
         "Ctrl+Shift+Alt+Win+F12"},
        {"Control+Super+2", kModCtrl | kModWin, "2", "Ctrl+Win+2"},
        {"Q", 0, "Q", "Q"},
        {"pgdn", 0, "PgDn", "PgDn"},
        {"Ctrl+num 5", kModCtrl, "Num 5", "Ctrl+Num 5"},
        {"Ctrl+Num +", kModCtrl, "Num +", "Ctrl+Num +"},
        {"Alt+=", kModAlt, "=", "Alt+="},
        {"Win+\\", kModWin, "\\", "Win+\\"},
        {"Win+Win+Q", kModWin, "Q", "Win+Q"},
    };
    for (const auto& c : cases) {
        const auto hotkey = ParseHotkey(c.text);
        ASSERT_TRUE(hotkey.has_value()) << c.text;
        EXPECT_EQ(hotkey->modifiers, c.modifiers) << c.text;
        EXPECT_EQ(hotkey->key, c.key) << c.text;
        EXPECT_EQ(FormatHotkey(*hotkey), c.written) << c.text;
    }
}

TEST(HotkeyTextTest, RefusesTextThatNamesNoHotkey) {
    for (const char* text : {"", "   ", "Win+", "+Q", "Foo+Q", "Win+Q+Z", "Ctrl", "Win+Ctrl",
                             "Ctrl+Num", "Win+F25", "Win+Numpad", "Win++", "Ctrl+ +Q", "Q W"}) {
        EXPECT_EQ(ParseHotkey(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(HotkeyTextTest, EveryKeyNameRoundTrips) {
    const auto& names = HotkeyKeyNames();
    EXPECT_EQ(std::count(names.begin(), names.end(), "Num +"), 1);
    for (const auto& name : names) {
        const Hotkey hotkey{kModCtrl | kModAlt, name};
        EXPECT_EQ(ParseHotkey(FormatHotkey(hotkey)), hotkey) << name;
        // Every key can be offered to a desktop's global shortcuts.
        EXPECT_NE(ShortcutTrigger(hotkey), "") << name;
    }
}

// The keysym names are those of X11's keysymdef.h (XK_ dropped), as xkbcommon reads them.
TEST(HotkeyTextTest, ATriggerForTheDesktopsShortcutsSpellsTheKeysAsKeysyms) {
    const std::pair<Hotkey, const char*> cases[] = {
        {{kModCtrl | kModShift, "Z"}, "CTRL+SHIFT+z"},
        {{kModWin | kModAlt | kModCtrl | kModShift, "F12"}, "CTRL+ALT+SHIFT+LOGO+F12"},
        {{kModAlt, "Num +"}, "ALT+KP_Add"},
        {{0, "Num 7"}, "KP_7"},
        {{kModCtrl, "PgDn"}, "CTRL+Next"},
        {{kModCtrl, "Enter"}, "CTRL+Return"},
        {{kModCtrl, "Backspace"}, "CTRL+BackSpace"},
        {{kModCtrl, "'"}, "CTRL+apostrophe"},
        {{kModCtrl, "`"}, "CTRL+grave"},
        {{kModCtrl, "\\"}, "CTRL+backslash"},
        {{kModCtrl, "9"}, "CTRL+9"},
        {{kModCtrl, "Pause"}, "CTRL+Pause"},
        {{kModCtrl, "Nope"}, ""},
    };
    for (const auto& [hotkey, trigger] : cases) {
        EXPECT_EQ(ShortcutTrigger(hotkey), trigger) << hotkey.key;
    }
}

} // namespace
} // namespace twl
