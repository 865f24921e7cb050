#include "platform/window_move.h"

#include "platform/x11/x11_connection.h"

#include <QCursor>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <cstring>

namespace twl {

namespace {

constexpr std::uint32_t kMoveResizeCancel = 11; // _NET_WM_MOVERESIZE_CANCEL
constexpr std::uint32_t kFromApplication = 1;   // the source indication of a normal program

xcb_atom_t MoveResizeAtom(xcb_connection_t* connection) {
    constexpr const char kName[] = "_NET_WM_MOVERESIZE";
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

} // namespace

bool StartWindowMove(QWidget& window) {
    QWindow* handle = window.windowHandle();
    return handle != nullptr && handle->startSystemMove();
}

void CancelWindowMove(QWidget& window) {
    const auto x11 = QtX11Connection();
    if (!x11 || !window.isWindow()) {
        return;
    }
    static const xcb_atom_t moveResize = MoveResizeAtom(x11->connection);
    if (moveResize == XCB_ATOM_NONE) {
        return;
    }
    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window.winId());
    message.type = moveResize;
    const QPoint pointer = QCursor::pos();
    message.data.data32[0] = static_cast<std::uint32_t>(pointer.x());
    message.data.data32[1] = static_cast<std::uint32_t>(pointer.y());
    message.data.data32[2] = kMoveResizeCancel;
    message.data.data32[3] = 1; // the left button
    message.data.data32[4] = kFromApplication;
    xcb_send_event(x11->connection, 0, x11->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(x11->connection);
}

} // namespace twl
