#pragma once
// The X display the program's Qt runs on, for the services that talk to the X server directly.

#include <xcb/xcb.h>

#include <cstdint>
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

// The visual of that id among the screen's; nullptr when it has none.
const xcb_visualtype_t* FindVisual(const xcb_screen_t& screen, xcb_visualid_t id);
// Bits a pixel of that depth takes in an image; 0 for a depth the server does not have.
int BitsPerPixel(const xcb_setup_t& setup, std::uint8_t depth);
// True for a visual of 8 bits a channel, red above green above blue (0x00RRGGBB).
bool IsRgb888(const xcb_visualtype_t* visual);

// Frees what waits in the queue of a connection that listens to no events: the errors of
// requests without replies. True when there was one. Never for Qt's connection.
bool DiscardQueuedEvents(xcb_connection_t* connection);

} // namespace twl
