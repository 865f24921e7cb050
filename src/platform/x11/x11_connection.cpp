#include "platform/x11/x11_connection.h"

#include <QGuiApplication>

#include <cstdlib>
#include <string_view>

namespace twl {

namespace {

// The screen number of a display name "host:display.screen"; 0 when it names none.
int ScreenNumberOfDisplayName(std::string_view name) {
    const auto colon = name.rfind(':');
    if (colon == std::string_view::npos) {
        return 0;
    }
    const auto dot = name.find('.', colon);
    if (dot == std::string_view::npos) {
        return 0;
    }
    int number = 0;
    for (const char c : name.substr(dot + 1)) {
        if (c < '0' || c > '9' || number > 1000) {
            return 0;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

} // namespace

std::optional<X11Connection> QtX11Connection() {
    auto* application = qGuiApp;
    if (application == nullptr) {
        return std::nullopt;
    }
    const auto* x11 = application->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_setup_t* setup = xcb_get_setup(connection);
    if (setup == nullptr) {
        return std::nullopt;
    }
    const char* displayName = std::getenv("DISPLAY");
    int wanted = ScreenNumberOfDisplayName(displayName != nullptr ? displayName : "");
    // A number the server does not have: take its first screen.
    if (wanted >= xcb_setup_roots_length(setup)) {
        wanted = 0;
    }
    auto screens = xcb_setup_roots_iterator(setup);
    for (int i = 0; i < wanted && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    if (screens.rem <= 0 || screens.data == nullptr) {
        return std::nullopt;
    }
    return X11Connection{connection, screens.data, screens.data->root};
}

} // namespace twl
