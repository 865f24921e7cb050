#include "platform/x11/x11_screen_reader.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <xcb/shm.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace twl {

namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

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

// Copies the 32-bit pixels of `area`, packed row after row, into the block as 0x00RRGGBB.
void CopyPixels(const std::uint8_t* from, bool lsbFirst, const Rect& area, SourceBlock& block) {
    const auto width = static_cast<std::size_t>(area.width);
    for (int row = 0; row < area.height; ++row, from += 4 * width) {
        std::uint32_t* to = block.pixels.data() +
                            static_cast<std::size_t>(area.top - block.area.top + row) *
                                static_cast<std::size_t>(block.area.width) +
                            static_cast<std::size_t>(area.left - block.area.left);
        if (lsbFirst && std::endian::native == std::endian::little) {
            std::memcpy(to, from, 4 * width);
            for (std::size_t column = 0; column < width; ++column) {
                to[column] &= 0x00FFFFFFu;
            }
            continue;
        }
        // Bytes of one pixel: blue, green, red, x in LSB-first order; x, red, green, blue else.
        const int red = lsbFirst ? 2 : 1;
        const int green = lsbFirst ? 1 : 2;
        const int blue = lsbFirst ? 0 : 3;
        for (std::size_t column = 0; column < width; ++column) {
            const std::uint8_t* pixel = from + 4 * column;
            to[column] = std::uint32_t{pixel[red]} << 16 | std::uint32_t{pixel[green]} << 8 |
                         std::uint32_t{pixel[blue]};
        }
    }
}

} // namespace

X11ScreenReader::X11ScreenReader() : x11_(QtX11Connection()) {
    if (!x11_) {
        return;
    }
    const xcb_screen_t& screen = *x11_->screen;
    const xcb_setup_t& setup = *xcb_get_setup(x11_->connection);
    const xcb_visualtype_t* visual = FindVisual(screen, screen.root_visual);
    rgb32_ = (screen.root_depth == 24 || screen.root_depth == 32) &&
             BitsPerPixel(setup, screen.root_depth) == 32 && visual != nullptr &&
             visual->red_mask == 0xFF0000u && visual->green_mask == 0x00FF00u &&
             visual->blue_mask == 0x0000FFu;
    lsbFirst_ = setup.image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    root_ = {0, 0, screen.width_in_pixels, screen.height_in_pixels};
    RefreshRoot();
    // The root's size changes only with the screens, which Qt follows through RandR.
    screenWatch_ = std::make_unique<QObject>();
    const auto markStale = [stale = rootStale_] { *stale = true; };
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, screenWatch_.get(), markStale);
    QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, screenWatch_.get(), markStale);
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        QObject::connect(primary, &QScreen::virtualGeometryChanged, screenWatch_.get(), markStale);
    }
    if (rgb32_ && X11ShmBuffer::Supported(x11_->connection)) {
        shm_ = std::make_unique<X11ShmBuffer>(x11_->connection);
    }
}

X11ScreenReader::~X11ScreenReader() = default;

void X11ScreenReader::RefreshRoot() const {
    xcb_connection_t* connection = x11_->connection;
    const XcbReply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(
        connection, xcb_get_geometry_unchecked(connection, x11_->root), nullptr));
    if (geometry) {
        root_ = {0, 0, geometry->width, geometry->height};
    }
}

Rect X11ScreenReader::Desktop() const {
    if (x11_) {
        if (*rootStale_) {
            *rootStale_ = false;
            RefreshRoot();
        }
        return root_;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QRect area = screen->virtualGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

void X11ScreenReader::Read(const Rect& area, SourceBlock& block) {
    ResetSourceBlock(block, area);
    if (!x11_ || !rgb32_) {
        ReadThroughQt(Intersect(block.area, Desktop()), block);
        return;
    }
    // The root size is read again when the server refuses the rectangle (the screen was made
    // smaller) and when Qt reports a change of the screens.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const Rect onScreen = Intersect(block.area, root_);
        if (onScreen.Empty() || ReadRoot(onScreen, block)) {
            return;
        }
        RefreshRoot();
    }
}

bool X11ScreenReader::ReadRoot(const Rect& onScreen, SourceBlock& block) {
    const std::size_t bytes =
        static_cast<std::size_t>(onScreen.width) * static_cast<std::size_t>(onScreen.height) * 4;
    if (!shm_ || !shm_->Reserve(bytes)) {
        return ReadThroughSocket(onScreen, block);
    }
    if (ReadShared(onScreen, block)) {
        return true;
    }
    if (!ReadThroughSocket(onScreen, block)) {
        return false; // the rectangle itself was refused
    }
    // The socket works where shared memory did not: keep to the socket from now on.
    shm_.reset();
    return true;
}

bool X11ScreenReader::ReadShared(const Rect& onScreen, SourceBlock& block) {
    const std::size_t bytes =
        static_cast<std::size_t>(onScreen.width) * static_cast<std::size_t>(onScreen.height) * 4;
    xcb_connection_t* connection = x11_->connection;
    const auto cookie = xcb_shm_get_image(
        connection, x11_->root, static_cast<std::int16_t>(onScreen.left),
        static_cast<std::int16_t>(onScreen.top), static_cast<std::uint16_t>(onScreen.width),
        static_cast<std::uint16_t>(onScreen.height), ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP,
        shm_->Segment(), 0);
    xcb_generic_error_t* error = nullptr;
    const XcbReply<xcb_shm_get_image_reply_t> reply(
        xcb_shm_get_image_reply(connection, cookie, &error));
    std::free(error);
    if (!reply || reply->size < bytes) {
        return false;
    }
    CopyPixels(shm_->Data(), lsbFirst_, onScreen, block);
    return true;
}

bool X11ScreenReader::ReadThroughSocket(const Rect& onScreen, SourceBlock& block) const {
    xcb_connection_t* connection = x11_->connection;
    const auto cookie = xcb_get_image(
        connection, XCB_IMAGE_FORMAT_Z_PIXMAP, x11_->root, static_cast<std::int16_t>(onScreen.left),
        static_cast<std::int16_t>(onScreen.top), static_cast<std::uint16_t>(onScreen.width),
        static_cast<std::uint16_t>(onScreen.height), ~0u);
    xcb_generic_error_t* error = nullptr;
    const XcbReply<xcb_get_image_reply_t> reply(xcb_get_image_reply(connection, cookie, &error));
    std::free(error);
    if (!reply) {
        return false;
    }
    const auto width = static_cast<std::size_t>(onScreen.width);
    const auto height = static_cast<std::size_t>(onScreen.height);
    if (static_cast<std::size_t>(xcb_get_image_data_length(reply.get())) < width * height * 4) {
        return false;
    }
    CopyPixels(xcb_get_image_data(reply.get()), lsbFirst_, onScreen, block);
    return true;
}

void X11ScreenReader::ReadThroughQt(const Rect& onScreen, SourceBlock& block) const {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (onScreen.Empty() || screen == nullptr) {
        return;
    }
    const QImage picture =
        screen->grabWindow(0, onScreen.left, onScreen.top, onScreen.width, onScreen.height)
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    const int width = std::min(onScreen.width, picture.width());
    const int height = std::min(onScreen.height, picture.height());
    for (int row = 0; row < height; ++row) {
        const auto* from = reinterpret_cast<const std::uint32_t*>(picture.constScanLine(row));
        std::uint32_t* to = block.pixels.data() +
                            static_cast<std::size_t>(onScreen.top - block.area.top + row) *
                                static_cast<std::size_t>(block.area.width) +
                            static_cast<std::size_t>(onScreen.left - block.area.left);
        for (int column = 0; column < width; ++column) {
            to[column] = from[column] & 0x00FFFFFFu;
        }
    }
}

Point X11ScreenReader::CursorPos() const {
    if (!x11_) {
        const QPoint point = QCursor::pos();
        return {point.x(), point.y()};
    }
    xcb_connection_t* connection = x11_->connection;
    const XcbReply<xcb_query_pointer_reply_t> pointer(xcb_query_pointer_reply(
        connection, xcb_query_pointer_unchecked(connection, x11_->root), nullptr));
    if (!pointer) {
        return {};
    }
    return {pointer->root_x, pointer->root_y};
}

Point X11ScreenReader::ReadAndLocatePointer(const Rect& area, SourceBlock& block) {
    if (!x11_) {
        Read(area, block);
        return CursorPos();
    }
    xcb_connection_t* connection = x11_->connection;
    // Replies come back in the order of the requests: the pointer's is there by the time the
    // picture's is.
    const auto cookie = xcb_query_pointer_unchecked(connection, x11_->root);
    Read(area, block);
    const XcbReply<xcb_query_pointer_reply_t> pointer(
        xcb_query_pointer_reply(connection, cookie, nullptr));
    if (!pointer) {
        return {};
    }
    return {pointer->root_x, pointer->root_y};
}

void X11ScreenReader::SetCursorPos(Point point) {
    if (!x11_) {
        QCursor::setPos(point.x, point.y);
        return;
    }
    const auto clamp16 = [](int value) {
        return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
    };
    xcb_warp_pointer(x11_->connection, XCB_NONE, x11_->root, 0, 0, 0, 0, clamp16(point.x),
                     clamp16(point.y));
    xcb_flush(x11_->connection);
}

} // namespace twl
