// A desktop portal of the tests' own that offers GlobalShortcuts alone, as KDE Plasma's does: it
// opens sessions, binds the shortcuts it is given (printing "bound ID TRIGGER" for each, the
// trigger being the preferred one) and answers with a trigger description of its own ("Meta+P"
// for a preferred "LOGO+p"). A line "activate ID" on stdin sends Activated for the last session;
// a closed session prints "closed". It runs until stdin ends.

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QSocketNotifier>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

struct Shortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const Shortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, Shortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

// "LOGO+SHIFT+p" becomes "Meta+Shift+P", as a desktop would show it.
QString Described(const QString& trigger) {
    QStringList parts = trigger.split(QLatin1Char('+'));
    for (QString& part : parts) {
        part = part == QLatin1String("LOGO")    ? QStringLiteral("Meta")
               : part == QLatin1String("CTRL")  ? QStringLiteral("Ctrl")
               : part == QLatin1String("SHIFT") ? QStringLiteral("Shift")
               : part == QLatin1String("ALT")   ? QStringLiteral("Alt")
                                                : part.left(1).toUpper() + part.mid(1);
    }
    return parts.join(QLatin1Char('+'));
}

} // namespace

Q_DECLARE_METATYPE(Shortcut)

namespace {

class Portal : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
        const QString member = message.member();
        if (message.interface() == QLatin1String("org.freedesktop.DBus.Properties") &&
            member == QLatin1String("Get") &&
            message.arguments().value(0).toString() == kShortcuts) {
            bus.send(message.createReply(QVariant::fromValue(QDBusVariant(1U))));
            return true;
        }
        if (message.interface() == QLatin1String("org.freedesktop.portal.Session") &&
            member == QLatin1String("Close")) {
            std::printf("closed\n");
            std::fflush(stdout);
            bus.send(message.createReply());
            return true;
        }
        if (message.interface() != kShortcuts) {
            return false;
        }
        const QList<QVariant> arguments = message.arguments();
        const QVariantMap options = qdbus_cast<QVariantMap>(arguments.constLast());
        const QString token = options.value(QStringLiteral("handle_token")).toString();
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString request =
            kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
        QVariantMap results;
        if (member == QLatin1String("CreateSession")) {
            session_ = kPath + QStringLiteral("/session/") + sender + QLatin1Char('/') +
                       options.value(QStringLiteral("session_handle_token")).toString();
            results.insert(QStringLiteral("session_handle"), session_);
        } else if (member == QLatin1String("BindShortcuts") && arguments.size() == 4) {
            QList<Shortcut> shortcuts = qdbus_cast<QList<Shortcut>>(arguments[1]);
            for (Shortcut& shortcut : shortcuts) {
                const QString trigger =
                    shortcut.properties.value(QStringLiteral("preferred_trigger")).toString();
                std::printf("bound %s %s\n", qPrintable(shortcut.id), qPrintable(trigger));
                shortcut.properties.insert(QStringLiteral("trigger_description"),
                                           Described(trigger));
            }
            std::fflush(stdout);
            results.insert(QStringLiteral("shortcuts"), QVariant::fromValue(shortcuts));
        } else {
            return false;
        }
        bus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QDBusMessage response = QDBusMessage::createSignal(
            request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        response << 0U << results;
        bus.send(response);
        return true;
    }

    void Activate(const QString& id) {
        QDBusMessage activated =
            QDBusMessage::createSignal(kPath, kShortcuts, QStringLiteral("Activated"));
        activated << QVariant::fromValue(QDBusObjectPath(session_)) << id << qulonglong{0}
                  << QVariantMap();
        QDBusConnection::sessionBus().send(activated);
        std::printf("activated %s\n", qPrintable(id));
        std::fflush(stdout);
    }

private:
    QString session_ = kPath;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    qDBusRegisterMetaType<Shortcut>();
    qDBusRegisterMetaType<QList<Shortcut>>();
    QDBusConnection bus = QDBusConnection::sessionBus();
    Portal portal;
    if (!bus.registerVirtualObject(kPath, &portal, QDBusConnection::SubPath) ||
        !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"))) {
        std::fprintf(stderr, "shortcuts_portal: cannot take the portal's name\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        std::string line;
        if (!std::getline(std::cin, line)) {
            app.quit();
            return;
        }
        if (line.rfind("activate ", 0) == 0) {
            portal.Activate(QString::fromStdString(line.substr(9)));
        }
    });
    return app.exec();
}
