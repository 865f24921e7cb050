#include "ui/bar/tray_icon.h"

#include <QGuiApplication>

namespace twl {

TrayIcon::TrayIcon(QMenu* menu, QObject* parent)
    : QSystemTrayIcon(QGuiApplication::windowIcon(), parent) {
    setObjectName(QStringLiteral("TrayIcon"));
    setToolTip(QStringLiteral("VT Tintwell"));
    setContextMenu(menu);
    connect(this, &QSystemTrayIcon::activated, this, [this](ActivationReason why) {
        if (why == Trigger) {
            emit showRequested();
        }
    });
}

} // namespace twl
