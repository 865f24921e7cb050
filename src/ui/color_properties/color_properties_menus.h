#pragma once
// The Color Properties window's two menus, built from one command table: the window menu and
// the copy menu of the variation swatches.

#include "ui/common/action_table.h"

namespace twl {

class ColorPropertiesWindow;

class ColorPropertiesMenus {
public:
    explicit ColorPropertiesMenus(ColorPropertiesWindow& window);

    QMenu* WindowMenu() const { return windowMenu_; }       // PropMenu
    QMenu* VariationMenu() const { return variationMenu_; } // VarColorRightMenu
    // An item by its design name ("Lighten1", "HEX4"); throws UnknownMenuItem for any other.
    QAction* Item(const char* name) const { return table_.Item(QString::fromLatin1(name)); }

private:
    ActionTable table_;
    QMenu* windowMenu_ = nullptr;
    QMenu* variationMenu_ = nullptr;
};

} // namespace twl
