#pragma once
// The main bar's three menus: the main menu (title picture, F10), the tray icon's menu and the
// colour menu of a palette slot. Every item carries its design name as its object name; the
// same command in two menus has two items bound to one handler.

#include <QAction>
#include <QMenu>

#include <map>

namespace twl {

struct BarMenus {
    QMenu* mainMenu = nullptr;
    QMenu* trayMenu = nullptr;
    QMenu* colorRightMenu = nullptr;
    // Every item by its design name ("EyeDropper1", "StayonTop2", "HEX2", ...).
    std::map<QString, QAction*> items;

    QAction* Item(const QString& name) const;
};

// The menus are owned by owner (or have no parent when owner is null).
BarMenus BuildBarMenus(QWidget* owner);

} // namespace twl
