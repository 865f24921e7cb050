#pragma once
// Under a reparenting X11 window manager Qt sometimes keeps a wrong position for a frameless
// window it has just mapped (it may believe the window sits at 0, 0 in its frame). A later
// resize would then move the window there. These functions ask the X server where the window
// really is and put Qt right, which moves nothing on the screen.

#include <QPoint>

class QWidget;

namespace twl {

// The window's true top-left corner on the screen, in the widgets' scaled units; Qt's position
// is corrected to it.
QPoint SyncWindowPosition(QWidget& window);

// Resizes a top-level window in place, keeping its true top-left corner.
void ResizeInPlace(QWidget& window, int width, int height);

} // namespace twl
