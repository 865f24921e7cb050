#include "platform/wayland/desktop_portal.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace twl::portal {

bool Offers(const QString& interface) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << interface << QStringLiteral("version");
    return bus.call(get, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage;
}

} // namespace twl::portal
