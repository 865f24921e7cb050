#include "platform/x11/x11_window_painter.h"

#include <xcb/shm.h>

#include <cstdlib>
#include <memory>

namespace twl {

namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

} // namespace

X11WindowPainter::X11WindowPainter(const X11Connection& x11)
    : x11_(x11), shm_(x11.connection, X11ShmBuffer::Writer::Program) {}

X11WindowPainter::~X11WindowPainter() {
    // The connection is the reader's own and outlives the painter.
    if (context_ != XCB_NONE) {
        xcb_free_gc(x11_.connection, context_);
    }
}

std::optional<PixelView> X11WindowPainter::Canvas(int width, int height) {
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    if (putPending_) {
        // No read since the last put: wait until the server has taken that picture.
        std::free(xcb_get_input_focus_reply(x11_.connection, xcb_get_input_focus(x11_.connection),
                                            nullptr));
        Answered(DiscardQueuedEvents(x11_.connection));
    }
    if (!shm_.Reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4)) {
        return std::nullopt;
    }
    width_ = width;
    height_ = height;
    return PixelView{reinterpret_cast<std::uint32_t*>(shm_.Data()), width, height, width};
}

bool X11WindowPainter::Put(std::uintptr_t window, Point at) {
    const auto id = static_cast<xcb_window_t>(window);
    if (width_ <= 0 || id == XCB_NONE || shm_.Segment() == 0) {
        return false;
    }
    if (id != window_) {
        window_ = id;
        windowDepth_ = UsableDepth(id);
    }
    if (windowDepth_ == 0) {
        return false;
    }
    xcb_connection_t* connection = x11_.connection;
    if (context_ == XCB_NONE || contextDepth_ != windowDepth_) {
        if (context_ != XCB_NONE) {
            xcb_free_gc(connection, context_);
        }
        // A context serves every drawable of its depth on the same screen.
        context_ = xcb_generate_id(connection);
        const std::uint32_t noExposures = 0;
        xcb_create_gc(connection, context_, id, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
        contextDepth_ = windowDepth_;
    }
    const auto width = static_cast<std::uint16_t>(width_);
    const auto height = static_cast<std::uint16_t>(height_);
    xcb_shm_put_image(connection, id, context_, width, height, 0, 0, width, height,
                      static_cast<std::int16_t>(at.x), static_cast<std::int16_t>(at.y),
                      windowDepth_, XCB_IMAGE_FORMAT_Z_PIXMAP, 0, shm_.Segment(), 0);
    xcb_flush(connection);
    putPending_ = true;
    return true;
}

void X11WindowPainter::Answered(bool refused) {
    putPending_ = false;
    if (refused) {
        window_ = XCB_NONE;
    }
}

std::uint8_t X11WindowPainter::UsableDepth(xcb_window_t window) const {
    xcb_connection_t* connection = x11_.connection;
    const auto geometryCookie = xcb_get_geometry(connection, window);
    const auto attributesCookie = xcb_get_window_attributes(connection, window);
    const XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, geometryCookie, nullptr));
    const XcbReply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, attributesCookie, nullptr));
    if (!geometry || !attributes || geometry->root != x11_.root ||
        (geometry->depth != 24 && geometry->depth != 32) ||
        BitsPerPixel(*xcb_get_setup(connection), geometry->depth) != 32 ||
        !IsRgb888(FindVisual(*x11_.screen, attributes->visual))) {
        return 0;
    }
    return geometry->depth;
}

} // namespace twl
