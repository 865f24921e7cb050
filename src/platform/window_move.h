#pragma once
// A window moved by the window manager, which follows the pointer while the button that pressed
// it stays down. A move asked for on a quick click reaches the window manager after the button
// is up again: it then goes on moving the window, holding the pointer and the keyboard, until the
// next click, and the keys typed meanwhile never reach the program. A release that comes to the
// program itself shows the window manager had not taken the pointer yet, and ends its move.

class QWidget;

namespace twl {

// True when the window manager takes the move.
bool StartWindowMove(QWidget& window);
// The button that started the move came up before the window manager took the pointer.
void CancelWindowMove(QWidget& window);

} // namespace twl
