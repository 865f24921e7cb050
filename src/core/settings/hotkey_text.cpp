#include "core/settings/hotkey_text.h"

#include "core/base/ascii_case.h"
#include "core/base/blanks.h"

namespace twl {

namespace {

std::vector<std::string> BuildKeyNames() {
    std::vector<std::string> names;
    for (char c = 'A'; c <= 'Z'; ++c) {
        names.emplace_back(1, c);
    }
    for (char c = '0'; c <= '9'; ++c) {
        names.emplace_back(1, c);
    }
    for (int f = 1; f <= 24; ++f) {
        std::string name = "F"; // built in two steps: g++ 12 at -O3 misreads "F" + to_string
        name += std::to_string(f);
        names.push_back(std::move(name));
    }
    for (const char* name : {"Space", "Enter", "Tab", "Esc", "Backspace", "Ins", "Del", "Home",
                             "End", "PgUp", "PgDn", "Left", "Up", "Right", "Down", "Pause"}) {
        names.emplace_back(name);
    }
    for (char c = '0'; c <= '9'; ++c) {
        names.push_back(std::string("Num ") + c);
    }
    for (const char* name : {"Num *", "Num +", "Num -", "Num .", "Num /"}) {
        names.emplace_back(name);
    }
    for (const char c : std::string_view(";=,-./`[\\]'")) {
        names.emplace_back(1, c);
    }
    return names;
}

std::optional<unsigned> ModifierOfName(std::string_view name) {
    struct Entry {
        std::string_view name;
        unsigned bit;
    };
    static constexpr Entry kModifiers[] = {{"Ctrl", kModCtrl},   {"Control", kModCtrl},
                                           {"Shift", kModShift}, {"Alt", kModAlt},
                                           {"Win", kModWin},     {"Super", kModWin}};
    for (const auto& entry : kModifiers) {
        if (EqualIgnoringAsciiCase(entry.name, name)) {
            return entry.bit;
        }
    }
    return std::nullopt;
}

const std::string* CanonicalKeyName(std::string_view name) {
    for (const auto& known : HotkeyKeyNames()) {
        if (EqualIgnoringAsciiCase(known, name)) {
            return &known;
        }
    }
    return nullptr;
}

} // namespace

const std::vector<std::string>& HotkeyKeyNames() {
    static const std::vector<std::string> names = BuildKeyNames();
    return names;
}

std::optional<Hotkey> ParseHotkey(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t plus = text.find('+', start);
        parts.push_back(TrimBlanks(
            text.substr(start, plus == std::string_view::npos ? text.npos : plus - start)));
        if (plus == std::string_view::npos) {
            break;
        }
        start = plus + 1;
    }
    // The keypad plus is the one key whose name holds the separator: "Ctrl+Num +" splits into
    // "Ctrl", "Num" and an empty last part, which join back into "Num +".
    std::string keyPart(parts.back());
    if (keyPart.empty() && parts.size() >= 2 &&
        EqualIgnoringAsciiCase(parts[parts.size() - 2], "Num")) {
        parts.pop_back();
        keyPart = "Num +";
    }
    parts.pop_back();

    Hotkey hotkey;
    for (const auto part : parts) {
        const auto bit = ModifierOfName(part);
        if (!bit) {
            return std::nullopt;
        }
        hotkey.modifiers |= *bit;
    }
    const std::string* key = CanonicalKeyName(keyPart);
    if (key == nullptr) {
        return std::nullopt;
    }
    hotkey.key = *key;
    return hotkey;
}

std::string FormatHotkey(const Hotkey& hotkey) {
    std::string text;
    if (hotkey.modifiers & kModCtrl) {
        text += "Ctrl+";
    }
    if (hotkey.modifiers & kModShift) {
        text += "Shift+";
    }
    if (hotkey.modifiers & kModAlt) {
        text += "Alt+";
    }
    if (hotkey.modifiers & kModWin) {
        text += "Win+";
    }
    return text + hotkey.key;
}

std::optional<Hotkey> HotkeyFromBoxes(const HotkeyBoxes& boxes, std::string_view key) {
    const std::string* name = CanonicalKeyName(key);
    if (name == nullptr) {
        return std::nullopt;
    }
    Hotkey hotkey;
    hotkey.modifiers = (boxes.alt ? kModAlt : 0u) | (boxes.ctrl ? kModCtrl : 0u) |
                       (boxes.shift ? kModShift : 0u) | (boxes.win ? kModWin : 0u);
    hotkey.key = *name;
    return hotkey;
}

HotkeyBoxes BoxesOfHotkey(const Hotkey& hotkey) {
    return HotkeyBoxes{(hotkey.modifiers & kModWin) != 0, (hotkey.modifiers & kModCtrl) != 0,
                       (hotkey.modifiers & kModAlt) != 0, (hotkey.modifiers & kModShift) != 0};
}

} // namespace twl
