#include "platform/x11/x11_own_connection.h"

#include <string_view>

namespace twl {

namespace {

std::string_view Vendor(const xcb_setup_t& setup) {
    return {xcb_setup_vendor(&setup), static_cast<std::size_t>(xcb_setup_vendor_length(&setup))};
}

// The screen of `setup` whose root is `root`; nullptr when it has none.
const xcb_screen_t* ScreenWithRoot(const xcb_setup_t& setup, xcb_window_t root) {
    for (auto screens = xcb_setup_roots_iterator(&setup); screens.rem > 0;
         xcb_screen_next(&screens)) {
        if (screens.data->root == root) {
            return screens.data;
        }
    }
    return nullptr;
}

} // namespace

std::unique_ptr<X11OwnConnection> X11OwnConnection::Open(const X11Connection& qt) {
    // The display named by DISPLAY, as for Qt itself (the program takes no -display option).
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (connection == nullptr) {
        return nullptr;
    }
    const xcb_setup_t* setup =
        xcb_connection_has_error(connection) == 0 ? xcb_get_setup(connection) : nullptr;
    const xcb_setup_t* qtSetup = xcb_get_setup(qt.connection);
    const xcb_screen_t* screen =
        setup != nullptr ? ScreenWithRoot(*setup, qt.root) : static_cast<xcb_screen_t*>(nullptr);
    const bool sameServer = screen != nullptr && qtSetup != nullptr &&
                            setup->release_number == qtSetup->release_number &&
                            Vendor(*setup) == Vendor(*qtSetup) &&
                            screen->root_visual == qt.screen->root_visual;
    if (!sameServer) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::unique_ptr<X11OwnConnection>(
        new X11OwnConnection(X11Connection{connection, screen, screen->root}));
}

X11OwnConnection::~X11OwnConnection() {
    xcb_disconnect(link_.connection);
}

bool X11OwnConnection::Broken() const {
    return xcb_connection_has_error(link_.connection) != 0;
}

} // namespace twl
