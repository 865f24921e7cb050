#include "platform/window_position_sync.h"

#include "platform/monitors.h"
#include "platform/x11/x11_connection.h"

#include <QWidget>

#include <cstdlib>

namespace twl {

QPoint SyncWindowPosition(QWidget& window) {
    if (!window.isVisible() || !window.isWindow()) {
        return window.pos();
    }
    const auto x11 = QtX11Connection();
    if (!x11) {
        return window.pos();
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(
        x11->connection, xcb_translate_coordinates(x11->connection, id, x11->root, 0, 0), nullptr);
    if (reply == nullptr) {
        return window.pos();
    }
    // The server answers in its own pixels; Qt places the window in scaled units.
    const Point corner = ToLogical(CurrentMonitors(), Point{reply->dst_x, reply->dst_y});
    const QPoint truePosition(corner.x, corner.y);
    std::free(reply);
    // For a frameless window the frame adds nothing, so pos() is the window's own corner.
    if (window.pos() != truePosition) {
        window.move(truePosition);
    }
    return truePosition;
}

void ResizeInPlace(QWidget& window, int width, int height) {
    const QPoint position = SyncWindowPosition(window);
    window.setGeometry(QRect(position, QSize(width, height)));
}

} // namespace twl
