#pragma once
// A key of a window's key map: the key, the modifiers that must be held with it and those that
// must not be; any other modifier may be held or not.

#include <QKeyEvent>

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

} // namespace twl
