#pragma once
// The X display the program's Qt runs on, for the services that talk to the X server directly.

#include <xcb/xcb.h>

#include <optional>

namespace twl {

struct X11Connection {
    xcb_connection_t* connection = nullptr;
    const xcb_screen_t* screen = nullptr; // the default screen, from the connection setup
    xcb_window_t root = XCB_NONE;
};

// Qt's own connection and the root window of its default screen; nullopt when there is no
// application yet or Qt runs on another platform (Wayland, offscreen).
std::optional<X11Connection> QtX11Connection();

} // namespace twl
