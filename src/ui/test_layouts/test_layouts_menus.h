#pragma once
// The Test Layouts window's menu (TestMenu), built from one command table.

#include "ui/common/action_table.h"

namespace twl {

class TestLayoutsWindow;

class TestLayoutsMenus {
public:
    explicit TestLayoutsMenus(TestLayoutsWindow& window);

    QMenu* WindowMenu() const { return windowMenu_; } // TestMenu
    // An item by its design name ("AutoColor1"); throws UnknownMenuItem for any other.
    QAction* Item(const char* name) const { return table_.Item(QString::fromLatin1(name)); }
    const ActionTable& Table() const { return table_; }

private:
    ActionTable table_;
    QMenu* windowMenu_ = nullptr;
};

} // namespace twl
