#pragma once
// The global hotkey and its text form, "Ctrl+Shift+Z": the modifiers present in the order Ctrl,
// Shift, Alt, Win, each followed by "+", then the key's name. Key names come from one table
// (HotkeyKeyNames) that the X11 hotkey code maps to keysyms.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace twl {

enum HotkeyModifier : unsigned { kModAlt = 1, kModCtrl = 2, kModShift = 4, kModWin = 8 };

struct Hotkey {
    unsigned modifiers = 0; // HotkeyModifier bits
    std::string key;        // a name from HotkeyKeyNames, in its canonical spelling
    bool operator==(const Hotkey&) const = default;
};

// Splits at "+" and trims each part. Modifier names ("Ctrl", "Control", "Shift", "Alt", "Win",
// "Super") are read ignoring case and in any order; the last part is the key, read ignoring case.
// "Num +" is read as the keypad plus even though it holds the separator. An empty text, a part
// before the last that names no modifier, or an unknown key gives nullopt.
std::optional<Hotkey> ParseHotkey(std::string_view text);

std::string FormatHotkey(const Hotkey& hotkey);

// The Options dialog's four modifier boxes.
struct HotkeyBoxes {
    bool win = false, ctrl = false, alt = false, shift = false;
};

// The boxes' modifiers with the key, read ignoring case; nullopt for an empty or unknown key.
std::optional<Hotkey> HotkeyFromBoxes(const HotkeyBoxes& boxes, std::string_view key);
// The other way: the hotkey's modifiers as boxes.
HotkeyBoxes BoxesOfHotkey(const Hotkey& hotkey);

// Every key name in its canonical spelling: "A".."Z", "0".."9", "F1".."F24", the named keys,
// the keypad keys ("Num 0".."Num 9", "Num *", "Num +", "Num -", "Num .", "Num /") and the
// punctuation keys ; = , - . / ` [ \ ] '.
const std::vector<std::string>& HotkeyKeyNames();

} // namespace twl
