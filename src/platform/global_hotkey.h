#pragma once
// One system-wide hotkey: the program asks for a key combination and hears when it is pressed,
// whichever program has the focus.

#include "core/settings/hotkey_text.h"

#include <QObject>

#include <string>

namespace twl {

class GlobalHotkey : public QObject {
    Q_OBJECT
public:
    // Takes the combination, giving up any held before. False when it cannot be had: another
    // program holds it, or the key does not exist on this keyboard.
    virtual bool Register(const Hotkey& hotkey) = 0;
    // Gives the held combination back; nothing happens when none is held.
    virtual void Unregister() = 0;
    // How the key is heard, for --diagnose.
    virtual std::string Describe() const { return "XGrabKey"; }
    // True where the desktop binds the key for the program (its global shortcuts), so it is
    // heard whichever window has the focus, and the desktop's settings may change it.
    virtual bool DesktopBinds() const { return false; }
    // The key the desktop has bound, as it names it ("" until it has said).
    virtual std::string BoundKey() const { return {}; }

signals:
    // Sent from the event loop each time the held combination is pressed.
    void pressed();
};

} // namespace twl
