#pragma once
// The Eye Dropper's two menus: the picture's menu (zoom and sampling) and the window menu.
// The zoom and sampling items exist in both and are ticked alike.

#include <QAction>
#include <QMenu>

#include <array>

namespace twl {

struct MagnifierState;

struct EyeDropperMenus {
    QMenu* eyeImgMenu = nullptr; // right click on the magnified picture
    QMenu* eyeMenu = nullptr;    // the window menu
    // [0] in the picture's menu (N2x1 …), [1] under "Zoom" / "Sampling" (N2x2 …).
    std::array<std::array<QAction*, 4>, 2> zoom{};
    std::array<std::array<QAction*, 3>, 2> sampling{};
    QAction* normal = nullptr;
    QAction* big = nullptr;
    QAction* addColor = nullptr;
    QAction* showGrid = nullptr;
    QAction* showWebSafeInfo = nullptr;
    QAction* autoPosition = nullptr;
    QAction* savePng = nullptr;
    QAction* saveBmp = nullptr;
    QAction* saveGif = nullptr;
    QAction* copyImage = nullptr;
    QAction* moreOptions = nullptr;
    QAction* close = nullptr;
};

EyeDropperMenus BuildEyeDropperMenus(QWidget* owner);

// Ticks the zoom, sampling and size items to match the state; a zoom outside 1 to 4 ticks none.
void TickMagnifierItems(EyeDropperMenus& menus, const MagnifierState& state);

} // namespace twl
