#pragma once
// The global hotkey on Wayland desktops whose portal offers GlobalShortcuts (KDE Plasma): the
// program opens a session with the portal and binds one shortcut, "pick", with the hotkey as its
// preferred key; the desktop may ask the user, or let them choose another key in its settings.
// The portal's Activated signal for it is the press. Every call is answered later, on the event
// loop, so Register waits for nothing.

#include "platform/global_hotkey.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QString>
#include <QVariantMap>

#include <string>

namespace twl {

class PortalGlobalHotkey : public GlobalHotkey {
    Q_OBJECT
public:
    PortalGlobalHotkey();
    ~PortalGlobalHotkey() override;

    // True when the session bus has a desktop portal that offers GlobalShortcuts.
    static bool Offered();

    // True when the portal was asked; the binding itself is answered later.
    bool Register(const Hotkey& hotkey) override;
    void Unregister() override;
    std::string Describe() const override;
    bool DesktopBinds() const override { return true; }
    std::string BoundKey() const override { return boundKey_; }

private slots:
    void SessionCreated(uint response, const QVariantMap& results);
    void ShortcutsBound(uint response, const QVariantMap& results);
    void Activated(const QDBusMessage& message);
    void ShortcutsChanged(const QDBusMessage& message);

private:
    // Calls a portal method that answers through a request object; the answer goes to slot.
    bool Ask(const QString& method, const QList<QVariant>& arguments, QVariantMap options,
             const char* slot);
    // Stops listening for the awaited answer.
    void EndRequest();
    void Bind();
    void ReadShortcuts(const QDBusArgument& shortcuts);

    QString trigger_; // the hotkey as the portal's preferred trigger
    QString session_; // the session's object path, "" while there is none
    QString request_; // the request whose answer is awaited, "" when none
    const char* requestSlot_ = nullptr;
    std::string boundKey_;
    int tokens_ = 0;
};

} // namespace twl
