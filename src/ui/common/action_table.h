#pragma once
// A window's menu items, built from one table: every item is a QAction whose object name is its
// design name ("StayonTop1", "HEX3"), and the window's menus are laid out from lists of those
// names. A name the table does not know is a programming error and fails loudly.

#include <QAction>
#include <QMenu>

#include <map>
#include <span>
#include <stdexcept>

namespace twl {

// A name a menu layout or a lookup asked for that no table entry has.
class UnknownMenuItem : public std::logic_error {
public:
    explicit UnknownMenuItem(const QString& name);
};

class ActionTable {
public:
    // Adds an item; its submenu items are made by the layouts instead (see BuildMenu).
    QAction* Add(QObject* owner, const char* name, const char* caption, bool checkable);
    // A submenu's own item: its caption, made into a menu where a layout opens it.
    void AddSubmenu(const char* name, const char* caption);

    // The item of that name; throws UnknownMenuItem for a name the table does not have.
    QAction* Item(const QString& name) const;

    // A menu from a layout of names, in order: "Name" an item, "-Name" a separator of that
    // name, "+Name" opens the submenu Name (its items follow), "<" closes it. Throws
    // UnknownMenuItem for a name the table does not have.
    QMenu* BuildMenu(QWidget* owner, const QString& menuName, std::span<const char* const> layout);

private:
    std::map<QString, QAction*> items_;
    std::map<QString, QString> submenus_;
};

} // namespace twl
