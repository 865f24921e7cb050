#include "platform/x11/hotkey_keysyms.h"

#include "core/settings/hotkey_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>

namespace twl {
namespace {

TEST(HotkeyKeysymsTest, EveryKeyNameHasItsOwnKeysym) {
    std::set<std::uint32_t> seen;
    for (const auto& name : HotkeyKeyNames()) {
        const auto keysym = KeysymForKeyName(name);
        ASSERT_TRUE(keysym.has_value()) << name;
        EXPECT_TRUE(seen.insert(*keysym).second) << name << " shares its keysym";
    }
}

TEST(HotkeyKeysymsTest, MapsKeysToTheirX11Keysyms) {
    struct Case {
        const char* name;
        std::uint32_t keysym;
    };
    const Case cases[] = {
        {"Q", 0x0071},     {"q", 0x0071},     {"A", 0x0061},     {"Z", 0x007A},
        {"0", 0x0030},     {"9", 0x0039},     {"F1", 0xFFBE},    {"F12", 0xFFC9},
        {"f13", 0xFFCA},   {"F24", 0xFFD5},   {"Space", 0x0020}, {"Enter", 0xFF0D},
        {"Esc", 0xFF1B},   {"Del", 0xFFFF},   {"PgUp", 0xFF55},  {"PgDn", 0xFF56},
        {"Pause", 0xFF13}, {"Num 0", 0xFFB0}, {"num 7", 0xFFB7}, {"Num +", 0xFFAB},
        {"Num /", 0xFFAF}, {"`", 0x0060},     {"\\", 0x005C},    {"'", 0x0027},
        {"=", 0x003D},     {"-", 0x002D},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeysymForKeyName(c.name), c.keysym) << c.name;
    }
}

TEST(HotkeyKeysymsTest, UnknownNamesHaveNoKeysym) {
    for (const char* name : {"", " ", "F0", "F25", "F01", "F1a", "Fn", "Num", "Num 10", "Num A",
                             "AB", "Win", "Ctrl", "!", "Q ", "F999999999"}) {
        EXPECT_FALSE(KeysymForKeyName(name).has_value()) << '"' << name << '"';
    }
}

TEST(HotkeyKeysymsTest, ModifiersMapToTheX11Masks) {
    EXPECT_EQ(X11ModifierMask(0), 0);
    EXPECT_EQ(X11ModifierMask(kModCtrl), kX11ControlMask);
    EXPECT_EQ(X11ModifierMask(kModShift), kX11ShiftMask);
    EXPECT_EQ(X11ModifierMask(kModAlt), kX11Mod1Mask);
    EXPECT_EQ(X11ModifierMask(kModWin), kX11Mod4Mask);
    EXPECT_EQ(X11ModifierMask(kModCtrl | kModShift | kModAlt | kModWin),
              kX11ControlMask | kX11ShiftMask | kX11Mod1Mask | kX11Mod4Mask);
    EXPECT_EQ(X11ModifierMask(0xF0u), 0) << "bits beyond the four modifiers are ignored";
}

TEST(HotkeyKeysymsTest, FindsNumLocksModifierInTheMapping) {
    // Two keycodes per modifier; Num Lock (77) on Mod2, as most keymaps have it.
    const std::array<std::uint8_t, 16> map = {50, 62, 66, 0, 37,  105, 64, 108,
                                              77, 0,  0,  0, 133, 134, 92, 0};
    const std::array<std::uint8_t, 1> numLock = {77};
    EXPECT_EQ(ModifierMaskOfKeycodes(map, 2, numLock), kX11Mod2Mask);

    std::array<std::uint8_t, 16> onMod5 = map;
    onMod5[8] = 0;
    onMod5[15] = 77;
    EXPECT_EQ(ModifierMaskOfKeycodes(onMod5, 2, numLock), 1u << 7);

    const std::array<std::uint8_t, 2> elsewhere = {200, 0};
    EXPECT_EQ(ModifierMaskOfKeycodes(map, 2, elsewhere), 0) << "a 0 place is no keycode";
    EXPECT_EQ(ModifierMaskOfKeycodes(map, 0, numLock), 0);
    EXPECT_EQ(ModifierMaskOfKeycodes(std::span(map).first(15), 2, numLock), 0)
        << "a short mapping is not read past its end";
    EXPECT_EQ(ModifierMaskOfKeycodes({}, 4, numLock), 0);
}

TEST(HotkeyKeysymsTest, GrabsForEveryLockState) {
    const auto usual = LockCombinations(kX11Mod2Mask);
    const std::vector<std::uint16_t> expected = {0, kX11LockMask, kX11Mod2Mask,
                                                 kX11LockMask | kX11Mod2Mask};
    EXPECT_EQ(usual, expected);

    const std::vector<std::uint16_t> capsOnly = {0, kX11LockMask};
    EXPECT_EQ(LockCombinations(0), capsOnly) << "a keyboard without Num Lock";
    EXPECT_EQ(LockCombinations(kX11LockMask), capsOnly);
}

TEST(HotkeyKeysymsTest, KeyStateMatchesWhateverTheLocks) {
    const std::uint16_t win = kX11Mod4Mask;
    const std::uint16_t numLock = kX11Mod2Mask;
    EXPECT_TRUE(StateMatches(win, win, numLock));
    EXPECT_TRUE(StateMatches(win | kX11LockMask, win, numLock));
    EXPECT_TRUE(StateMatches(win | numLock | kX11LockMask, win, numLock));
    EXPECT_TRUE(StateMatches(win | 0x0100, win, numLock)) << "a held mouse button";
    EXPECT_FALSE(StateMatches(win | kX11ShiftMask, win, numLock)) << "an extra modifier";
    EXPECT_FALSE(StateMatches(0, win, numLock));
    EXPECT_FALSE(StateMatches(win | numLock, win, 0)) << "Mod2 counts when it is not Num Lock";
}

} // namespace
} // namespace twl
