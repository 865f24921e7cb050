#include "platform/x11/hotkey_keysyms.h"

#include "core/base/ascii_case.h"
#include "core/settings/hotkey_text.h"

#include <algorithm>

namespace twl {

namespace {

struct NamedKeysym {
    std::string_view name;
    std::uint32_t keysym;
};

// Named keys, keypad and punctuation; letters, digits and function keys are computed.
constexpr NamedKeysym kNamedKeysyms[] = {
    {"Space", 0x0020},     {"Enter", 0xFF0D}, {"Tab", 0xFF09},   {"Esc", 0xFF1B},
    {"Backspace", 0xFF08}, {"Ins", 0xFF63},   {"Del", 0xFFFF},   {"Home", 0xFF50},
    {"End", 0xFF57},       {"PgUp", 0xFF55},  {"PgDn", 0xFF56},  {"Left", 0xFF51},
    {"Up", 0xFF52},        {"Right", 0xFF53}, {"Down", 0xFF54},  {"Pause", 0xFF13},
    {"Num *", 0xFFAA},     {"Num +", 0xFFAB}, {"Num -", 0xFFAD}, {"Num .", 0xFFAE},
    {"Num /", 0xFFAF},     {";", 0x003B},     {"=", 0x003D},     {",", 0x002C},
    {"-", 0x002D},         {".", 0x002E},     {"/", 0x002F},     {"`", 0x0060},
    {"[", 0x005B},         {"\\", 0x005C},    {"]", 0x005D},     {"'", 0x0027},
};

constexpr std::uint32_t kKeysymF1 = 0xFFBE;      // F1..F35 are consecutive
constexpr std::uint32_t kKeysymKeypad0 = 0xFFB0; // keypad 0..9 are consecutive

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// 1..24 for "F1".."F24" (any case), else 0.
int FunctionKeyNumber(std::string_view name) {
    if (name.size() < 2 || name.size() > 3 || AsciiLower(name[0]) != 'f' || name[1] == '0') {
        return 0;
    }
    int number = 0;
    for (const char c : name.substr(1)) {
        if (!IsDigit(c)) {
            return 0;
        }
        number = number * 10 + (c - '0');
    }
    return number <= 24 ? number : 0;
}

} // namespace

std::optional<std::uint32_t> KeysymForKeyName(std::string_view name) {
    if (name.size() == 1) {
        const char c = AsciiLower(name[0]);
        if ((c >= 'a' && c <= 'z') || IsDigit(c)) {
            return static_cast<std::uint32_t>(c); // Latin-1 keysyms are the character codes
        }
    }
    if (const int f = FunctionKeyNumber(name); f != 0) {
        return kKeysymF1 + static_cast<std::uint32_t>(f - 1);
    }
    if (name.size() == 5 && EqualIgnoringAsciiCase(name.substr(0, 4), "Num ") && IsDigit(name[4])) {
        return kKeysymKeypad0 + static_cast<std::uint32_t>(name[4] - '0');
    }
    for (const auto& entry : kNamedKeysyms) {
        if (EqualIgnoringAsciiCase(entry.name, name)) {
            return entry.keysym;
        }
    }
    return std::nullopt;
}

std::uint16_t X11ModifierMask(unsigned hotkeyModifiers) {
    std::uint16_t mask = 0;
    if (hotkeyModifiers & kModCtrl) {
        mask |= kX11ControlMask;
    }
    if (hotkeyModifiers & kModShift) {
        mask |= kX11ShiftMask;
    }
    if (hotkeyModifiers & kModAlt) {
        mask |= kX11Mod1Mask;
    }
    if (hotkeyModifiers & kModWin) {
        mask |= kX11Mod4Mask;
    }
    return mask;
}

std::uint16_t ModifierMaskOfKeycodes(std::span<const std::uint8_t> modifierMap,
                                     std::size_t keycodesPerModifier,
                                     std::span<const std::uint8_t> keycodes) {
    if (keycodesPerModifier == 0 || modifierMap.size() < 8 * keycodesPerModifier) {
        return 0;
    }
    for (std::size_t row = 0; row < 8; ++row) {
        const auto rowKeys = modifierMap.subspan(row * keycodesPerModifier, keycodesPerModifier);
        for (const std::uint8_t keycode : rowKeys) {
            if (keycode != 0 &&
                std::find(keycodes.begin(), keycodes.end(), keycode) != keycodes.end()) {
                return static_cast<std::uint16_t>(1u << row);
            }
        }
    }
    return 0;
}

std::vector<std::uint16_t> LockCombinations(std::uint16_t numLockMask) {
    std::vector<std::uint16_t> combinations;
    for (const std::uint16_t mask : {std::uint16_t{0}, kX11LockMask, numLockMask,
                                     static_cast<std::uint16_t>(kX11LockMask | numLockMask)}) {
        if (std::find(combinations.begin(), combinations.end(), mask) == combinations.end()) {
            combinations.push_back(mask);
        }
    }
    return combinations;
}

bool StateMatches(std::uint16_t state, std::uint16_t wanted, std::uint16_t numLockMask) {
    const auto ignored = static_cast<std::uint16_t>(kX11LockMask | numLockMask);
    return (state & kX11AllModifiers & ~ignored) == (wanted & ~ignored);
}

} // namespace twl
