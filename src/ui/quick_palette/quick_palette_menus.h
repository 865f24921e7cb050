#pragma once
// The Quick Color Palette's window menu (QuiMenu), built from one command table.

#include "ui/common/action_table.h"

namespace twl {

class QuickPaletteWindow;

class QuickPaletteMenus {
public:
    explicit QuickPaletteMenus(QuickPaletteWindow& window);

    QMenu* WindowMenu() const { return windowMenu_; } // QuiMenu
    // An item by its design name ("Snap1"); throws UnknownMenuItem for any other.
    QAction* Item(const char* name) const { return table_.Item(QString::fromLatin1(name)); }

private:
    ActionTable table_;
    QMenu* windowMenu_ = nullptr;
};

} // namespace twl
