#pragma once
// The HTML quick reference's menu (QRefMenu): the W3C's specifications and the close item,
// built from one command table.

#include "ui/common/action_table.h"

namespace twl {

class QuickReferenceWindow;

class QuickReferenceMenus {
public:
    explicit QuickReferenceMenus(QuickReferenceWindow& window);

    QMenu* WindowMenu() const { return windowMenu_; }
    // An item by its design name ("W3CCSS11"); throws UnknownMenuItem for any other.
    QAction* Item(const char* name) const { return table_.Item(QString::fromLatin1(name)); }

private:
    ActionTable table_;
    QMenu* windowMenu_ = nullptr;
};

} // namespace twl
