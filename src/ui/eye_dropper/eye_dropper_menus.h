#pragma once
// The Eye Dropper's two menus, built from one command table: the picture's menu (zoom and
// sampling) and the window menu. The zoom and sampling items exist in both and act alike.

#include "ui/common/action_table.h"

namespace twl {

class EyeDropperWindow;
struct MagnifierState;

class EyeDropperMenus {
public:
    explicit EyeDropperMenus(EyeDropperWindow& window);

    QMenu* PictureMenu() const { return pictureMenu_; } // EyeImgMenu: right click on the picture
    QMenu* WindowMenu() const { return windowMenu_; }   // EyeMenu
    // An item by its design name ("N4x1", "ShowGrid1"); throws UnknownMenuItem for any other.
    QAction* Item(const char* name) const { return table_.Item(QString::fromLatin1(name)); }

    // Ticks the zoom, sampling and size items to match the state; a zoom outside 1 to 4 ticks
    // none.
    void TickMagnifierItems(const MagnifierState& state);

private:
    ActionTable table_;
    QMenu* pictureMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
};

} // namespace twl
