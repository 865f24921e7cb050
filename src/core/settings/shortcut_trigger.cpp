#include "core/settings/shortcut_trigger.h"

#include "core/base/ascii_case.h"

#include <string_view>
#include <utility>

namespace twl {

namespace {

struct KeysymName {
    std::string_view key;
    std::string_view keysym;
};

// Named keys, keypad and punctuation; letters, digits, function keys and keypad digits are
// spelled from the key's own name.
constexpr KeysymName kKeysymNames[] = {
    {"Space", "space"},
    {"Enter", "Return"},
    {"Tab", "Tab"},
    {"Esc", "Escape"},
    {"Backspace", "BackSpace"},
    {"Ins", "Insert"},
    {"Del", "Delete"},
    {"Home", "Home"},
    {"End", "End"},
    {"PgUp", "Prior"},
    {"PgDn", "Next"},
    {"Left", "Left"},
    {"Up", "Up"},
    {"Right", "Right"},
    {"Down", "Down"},
    {"Pause", "Pause"},
    {"Num *", "KP_Multiply"},
    {"Num +", "KP_Add"},
    {"Num -", "KP_Subtract"},
    {"Num .", "KP_Decimal"},
    {"Num /", "KP_Divide"},
    {";", "semicolon"},
    {"=", "equal"},
    {",", "comma"},
    {"-", "minus"},
    {".", "period"},
    {"/", "slash"},
    {"`", "grave"},
    {"[", "bracketleft"},
    {"\\", "backslash"},
    {"]", "bracketright"},
    {"'", "apostrophe"},
};

std::string KeysymNameOf(std::string_view key) {
    if (key.size() == 1 && ((key[0] >= 'A' && key[0] <= 'Z') || (key[0] >= 'a' && key[0] <= 'z') ||
                            (key[0] >= '0' && key[0] <= '9'))) {
        return std::string(1, AsciiLower(key[0]));
    }
    if (key.size() >= 2 && key.size() <= 3 && (key[0] == 'F' || key[0] == 'f') && key[1] != '0' &&
        key.find_first_not_of("0123456789", 1) == std::string_view::npos) {
        return "F" + std::string(key.substr(1));
    }
    if (key.size() == 5 && EqualIgnoringAsciiCase(key.substr(0, 4), "Num ") && key[4] >= '0' &&
        key[4] <= '9') {
        return "KP_" + std::string(1, key[4]);
    }
    for (const auto& entry : kKeysymNames) {
        if (EqualIgnoringAsciiCase(entry.key, key)) {
            return std::string(entry.keysym);
        }
    }
    return {};
}

} // namespace

std::string ShortcutTrigger(const Hotkey& hotkey) {
    std::string keysym = KeysymNameOf(hotkey.key);
    if (keysym.empty()) {
        return {};
    }
    std::string trigger;
    const std::pair<unsigned, const char*> modifiers[] = {
        {kModCtrl, "CTRL+"}, {kModAlt, "ALT+"}, {kModShift, "SHIFT+"}, {kModWin, "LOGO+"}};
    for (const auto& [bit, name] : modifiers) {
        if (hotkey.modifiers & bit) {
            trigger += name;
        }
    }
    return trigger + keysym;
}

} // namespace twl
