#include "platform/wayland/portal_global_hotkey.h"

#include "platform/wayland/desktop_portal.h"

#include "core/sampling/portal_answer.h"
#include "core/settings/shortcut_trigger.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>

namespace twl {

namespace {

using portal::kPath;
using portal::kRequest;
using portal::kService;

const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kPickId = QStringLiteral("pick");

// One shortcut as the portal sends and takes it: its id and its properties.
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

QString PathText(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>()) {
        return value.value<QDBusObjectPath>().path();
    }
    return value.metaType() == QMetaType::fromType<QString>() ? value.toString() : QString();
}

} // namespace

} // namespace twl

Q_DECLARE_METATYPE(twl::PortalShortcut)

namespace twl {

PortalGlobalHotkey::PortalGlobalHotkey() {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(kService, kPath, kShortcuts, QStringLiteral("Activated"), this,
                SLOT(Activated(QDBusMessage)));
    bus.connect(kService, kPath, kShortcuts, QStringLiteral("ShortcutsChanged"), this,
                SLOT(ShortcutsChanged(QDBusMessage)));
}

PortalGlobalHotkey::~PortalGlobalHotkey() {
    Unregister();
}

bool PortalGlobalHotkey::Offered() {
    return portal::Offers(kShortcuts);
}

std::string PortalGlobalHotkey::Describe() const {
    std::string text = "desktop portal GlobalShortcuts";
    if (!boundKey_.empty()) {
        text += " (" + boundKey_ + ")";
    }
    return text;
}

bool PortalGlobalHotkey::Register(const Hotkey& hotkey) {
    const QString trigger = QString::fromStdString(ShortcutTrigger(hotkey));
    if (trigger.isEmpty()) {
        return false;
    }
    if (trigger == trigger_ && !session_.isEmpty()) {
        return true;
    }
    // The portal binds a session's shortcuts once: another key takes a session of its own.
    Unregister();
    trigger_ = trigger;
    QVariantMap options;
    options.insert(QStringLiteral("session_handle_token"),
                   QStringLiteral("tintwell%1").arg(QCoreApplication::applicationPid()));
    return Ask(QStringLiteral("CreateSession"), {}, options,
               SLOT(SessionCreated(uint, QVariantMap)));
}

void PortalGlobalHotkey::Unregister() {
    if (!request_.isEmpty()) {
        EndRequest();
    }
    if (!session_.isEmpty()) {
        QDBusConnection::sessionBus().asyncCall(QDBusMessage::createMethodCall(
            kService, session_, QStringLiteral("org.freedesktop.portal.Session"),
            QStringLiteral("Close")));
        session_.clear();
    }
    trigger_.clear();
    boundKey_.clear();
}

bool PortalGlobalHotkey::Ask(const QString& method, const QList<QVariant>& arguments,
                             QVariantMap options, const char* slot) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    const QString token =
        QStringLiteral("tintwell%1_%2").arg(QCoreApplication::applicationPid()).arg(++tokens_);
    options.insert(QStringLiteral("handle_token"), token);
    // The answer is listened for before the question, so it cannot come first.
    request_ = QString::fromStdString(
        PortalRequestPath(bus.baseService().toStdString(), token.toStdString()));
    requestSlot_ = slot;
    bus.connect(kService, request_, kRequest, QStringLiteral("Response"), this, slot);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kShortcuts, method);
    for (const QVariant& argument : arguments) {
        call << argument;
    }
    call << options;
    bus.asyncCall(call);
    return true;
}

void PortalGlobalHotkey::EndRequest() {
    QDBusConnection::sessionBus().disconnect(kService, request_, kRequest,
                                             QStringLiteral("Response"), this, requestSlot_);
    request_.clear();
}

void PortalGlobalHotkey::SessionCreated(uint response, const QVariantMap& results) {
    EndRequest();
    session_ =
        response == 0 ? PathText(results.value(QStringLiteral("session_handle"))) : QString();
    if (!session_.isEmpty()) {
        Bind();
    }
}

void PortalGlobalHotkey::Bind() {
    QVariantMap properties;
    properties.insert(QStringLiteral("description"), QStringLiteral("Pick a colour"));
    properties.insert(QStringLiteral("preferred_trigger"), trigger_);
    const QList<PortalShortcut> shortcuts{{kPickId, properties}};
    Ask(QStringLiteral("BindShortcuts"),
        {QVariant::fromValue(QDBusObjectPath(session_)), QVariant::fromValue(shortcuts), QString()},
        {}, SLOT(ShortcutsBound(uint, QVariantMap)));
}

void PortalGlobalHotkey::ShortcutsBound(uint response, const QVariantMap& results) {
    EndRequest();
    const QVariant shortcuts = results.value(QStringLiteral("shortcuts"));
    if (response == 0 && shortcuts.metaType() == QMetaType::fromType<QDBusArgument>()) {
        ReadShortcuts(shortcuts.value<QDBusArgument>());
    }
}

void PortalGlobalHotkey::ShortcutsChanged(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() == 2 && PathText(arguments[0]) == session_ &&
        arguments[1].metaType() == QMetaType::fromType<QDBusArgument>()) {
        ReadShortcuts(arguments[1].value<QDBusArgument>());
    }
}

void PortalGlobalHotkey::ReadShortcuts(const QDBusArgument& shortcuts) {
    if (shortcuts.currentSignature() != QLatin1String("a(sa{sv})")) {
        return;
    }
    for (const PortalShortcut& shortcut : qdbus_cast<QList<PortalShortcut>>(shortcuts)) {
        if (shortcut.id == kPickId) {
            boundKey_ = shortcut.properties.value(QStringLiteral("trigger_description"))
                            .toString()
                            .toStdString();
        }
    }
}

void PortalGlobalHotkey::Activated(const QDBusMessage& message) {
    // (session, shortcut id, timestamp, options)
    const QList<QVariant> arguments = message.arguments();
    if (!session_.isEmpty() && arguments.size() >= 2 && PathText(arguments[0]) == session_ &&
        arguments[1].toString() == kPickId) {
        emit pressed();
    }
}

} // namespace twl
