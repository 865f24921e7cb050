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

const xcb_visualtype_t* FindVisual(const xcb_screen_t& screen, xcb_visualid_t id) {
    for (auto depths = xcb_screen_allowed_depths_iterator(&screen); depths.rem > 0;
         xcb_depth_next(&depths)) {
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem > 0;
             xcb_visualtype_next(&visuals)) {
            if (visuals.data->visual_id == id) {
                return visuals.data;
            }
        }
    }
    return nullptr;
}

int BitsPerPixel(const xcb_setup_t& setup, std::uint8_t depth) {
    for (auto formats = xcb_setup_pixmap_formats_iterator(&setup); formats.rem > 0;
         xcb_format_next(&formats)) {
        if (formats.data->depth == depth) {
            return formats.data->bits_per_pixel;
        }
    }
    return 0;
}

bool IsRgb888(const xcb_visualtype_t* visual) {
    return visual != nullptr && visual->red_mask == 0xFF0000u && visual->green_mask == 0x00FF00u &&
           visual->blue_mask == 0x0000FFu;
}

bool DiscardQueuedEvents(xcb_connection_t* connection) {
    bool error = false;
    while (xcb_generic_event_t* event = xcb_poll_for_queued_event(connection)) {
        error = error || event->response_type == 0;
        std::free(event);
    }
    return error;
}

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
