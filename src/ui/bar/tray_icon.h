#pragma once
// The program's icon (the application's window icon) in the notification area, with the tray
// menu; a click on it asks for the bar to be shown.

#include <QSystemTrayIcon>

namespace twl {

class TrayIcon : public QSystemTrayIcon {
    Q_OBJECT
public:
    TrayIcon(QMenu* menu, QObject* parent);

signals:
    void showRequested();
};

} // namespace twl
