#pragma once
// One system-wide hotkey: the program asks for a key combination and hears when it is pressed,
// whichever program has the focus.

#include "core/settings/hotkey_text.h"

#include <QObject>

namespace twl {

class GlobalHotkey : public QObject {
    Q_OBJECT
public:
    // Takes the combination, giving up any held before. False when it cannot be had: another
    // program holds it, or the key does not exist on this keyboard.
    virtual bool Register(const Hotkey& hotkey) = 0;
    // Gives the held combination back; nothing happens when none is held.
    virtual void Unregister() = 0;

signals:
    // Sent from the event loop each time the held combination is pressed.
    void pressed();
};

} // namespace twl
