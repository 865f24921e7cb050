#pragma once
// A key of a window's key map: the key, the modifiers that must be held with it and those that
// must not be; any other modifier may be held or not. A window's keys are a table of such keys,
// each with what it does to the window.

#include <QKeyEvent>

#include <cstddef>

namespace twl {

// Shift, Ctrl, Alt and the logo key: "only Ctrl" refuses the other three.
inline constexpr Qt::KeyboardModifiers kAllModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

struct KeyBinding {
    int key = 0;
    Qt::KeyboardModifiers held = Qt::NoModifier;
    Qt::KeyboardModifiers refused = Qt::NoModifier;

    bool Matches(const QKeyEvent& event) const {
        const Qt::KeyboardModifiers mods = event.modifiers();
        return key != 0 && event.key() == key && (mods & held) == held && !(mods & refused);
    }
};

// The key with exactly these of Shift, Ctrl, Alt and the logo key held.
inline KeyBinding Only(int key, Qt::KeyboardModifiers held) {
    return KeyBinding{key, held, kAllModifiers & ~held};
}

// One row of a window's key table.
template <typename Window> struct WindowKey {
    KeyBinding binding;
    void (*run)(Window& window);
};

// Runs every row of the table that the key matches; true when one did.
template <typename Window, std::size_t Count>
bool RunKeys(const WindowKey<Window> (&keys)[Count], Window& window, const QKeyEvent& event) {
    bool ran = false;
    for (const WindowKey<Window>& key : keys) {
        if (key.binding.Matches(event)) {
            key.run(window);
            ran = true;
        }
    }
    return ran;
}

// F3 to F8 in a tool window ask for the same six windows as on the bar: Options, the Eye Dropper,
// the Quick Color Palette, Test Layouts, Color Properties and Contrast.
template <typename Window>
inline const WindowKey<Window> kToolWindowKeys[] = {
    {{Qt::Key_F3}, [](Window& w) { emit w.optionsRequested(); }},
    {{Qt::Key_F4}, [](Window& w) { emit w.eyeDropperRequested(); }},
    {{Qt::Key_F5}, [](Window& w) { emit w.quickPaletteRequested(); }},
    {{Qt::Key_F6}, [](Window& w) { emit w.testLayoutsRequested(); }},
    {{Qt::Key_F7}, [](Window& w) { emit w.colorPropertiesRequested(); }},
    {{Qt::Key_F8}, [](Window& w) { emit w.contrastRequested(); }},
};

} // namespace twl
