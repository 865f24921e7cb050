#pragma once
// The global hotkey on X11: a passive key grab on the root window, repeated for every Caps Lock
// and Num Lock state so that the locks do not matter. The key events come through Qt's native
// event filter; the handler runs from the event loop once per press, auto-repeat aside.

#include "platform/global_hotkey.h"
#include "platform/x11/x11_connection.h"

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>
#include <optional>
#include <vector>

namespace twl {

class X11GlobalHotkey : public GlobalHotkey, public QAbstractNativeEventFilter {
public:
    // Needs the QGuiApplication to exist already. Off X11, Register always fails.
    X11GlobalHotkey();
    ~X11GlobalHotkey() override;
    X11GlobalHotkey(const X11GlobalHotkey&) = delete;
    X11GlobalHotkey& operator=(const X11GlobalHotkey&) = delete;

    bool Register(const Hotkey& hotkey) override;
    void Unregister() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void Ungrab(const std::vector<std::uint16_t>& lockMasks);
    std::uint16_t FindNumLockMask(const std::vector<std::uint8_t>& numLockKeycodes) const;

    std::optional<X11Connection> x11_;
    bool filterInstalled_ = false;
    // Owns the queued calls of the handler, so none runs after the hotkey is gone.
    QObject context_;

    std::uint8_t keycode_ = 0; // 0 while nothing is grabbed
    std::uint16_t modifiers_ = 0;
    std::uint16_t numLockMask_ = 0;
    std::vector<std::uint16_t> grabbedLocks_;
    bool held_ = false;
    std::uint32_t releaseTime_ = 0;
};

} // namespace twl
