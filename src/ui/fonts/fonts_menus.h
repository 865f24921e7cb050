#pragma once
// The fonts preview's menu (FontsMenu), built from one command table.

#include "ui/common/action_table.h"

namespace twl {

class FontsWindow;

class FontsMenus {
public:
    explicit FontsMenus(FontsWindow& window);

    QMenu* WindowMenu() const { return windowMenu_; } // FontsMenu
    // An item by its design name ("Maximize1"); throws UnknownMenuItem for any other.
    QAction* Item(const char* name) const { return table_.Item(QString::fromLatin1(name)); }

private:
    ActionTable table_;
    QMenu* windowMenu_ = nullptr;
};

} // namespace twl
