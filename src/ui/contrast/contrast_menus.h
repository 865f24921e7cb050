#pragma once
// The Contrast window's menu (ContrastMenu), built from one command table.

#include "ui/common/action_table.h"

namespace twl {

class ContrastWindow;

class ContrastMenus {
public:
    explicit ContrastMenus(ContrastWindow& window);

    QMenu* WindowMenu() const { return windowMenu_; }
    // An item by its design name ("FollowPalette1"); throws UnknownMenuItem for any other.
    QAction* Item(const char* name) const { return table_.Item(QString::fromLatin1(name)); }
    const ActionTable& Table() const { return table_; }

private:
    ActionTable table_;
    QMenu* windowMenu_ = nullptr;
};

} // namespace twl
