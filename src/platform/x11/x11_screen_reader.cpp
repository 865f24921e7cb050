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

// Copies the 32-bit pixels of `area`, packed row after row, into the block as 0x00RRGGBB.
void CopyPixels(const std::uint8_t* from, bool lsbFirst, const Rect& area, SourceBlock& block) {
    const auto width = static_cast<std::size_t>(area.width);
    for (int row = 0; row < area.height; ++row, from += 4 * width) {
        std::uint32_t* to = block.pixels.data() +
                            static_cast<std::size_t>(area.top - block.area.top + row) *
                                static_cast<std::size_t>(block.area.width) +
                            static_cast<std::size_t>(area.left - block.area.left);
        if (lsbFirst && std::endian::native == std::endian::little) {
            // One pass: the top byte (padding) is dropped as each pixel is copied.
            for (std::size_t column = 0; column < width; ++column) {
                std::uint32_t pixel;
                std::memcpy(&pixel, from + 4 * column, sizeof(pixel));
                to[column] = pixel & 0x00FFFFFFu;
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

X11ScreenReader::X11ScreenReader() : qt_(QtX11Connection()) {
    if (!qt_) {
        return;
    }
    const xcb_screen_t& screen = *qt_->screen;
    const xcb_setup_t& setup = *xcb_get_setup(qt_->connection);
    const xcb_visualtype_t* visual = FindVisual(screen, screen.root_visual);
    rgb32_ = (screen.root_depth == 24 || screen.root_depth == 32) &&
             BitsPerPixel(setup, screen.root_depth) == 32 && IsRgb888(visual);
    lsbFirst_ = setup.image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    root_ = {0, 0, screen.width_in_pixels, screen.height_in_pixels};
    // The root's size changes only with the screens, which Qt follows through RandR. It is asked
    // for at the first read, which also opens the reader's own connection.
    *rootStale_ = true;
    screenWatch_ = std::make_unique<QObject>();
    const auto markStale = [stale = rootStale_] { *stale = true; };
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, screenWatch_.get(), markStale);
    QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, screenWatch_.get(), markStale);
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        QObject::connect(primary, &QScreen::virtualGeometryChanged, screenWatch_.get(), markStale);
    }
}

X11ScreenReader::~X11ScreenReader() = default;

X11Connection X11ScreenReader::Link() const {
    if (!ownTried_) {
        ownTried_ = true;
        own_ = X11OwnConnection::Open(*qt_);
    }
    if (own_ && own_->Broken()) {
        // Back to Qt's connection, with a segment of its own and no painter.
        painter_.reset();
        shm_.reset();
        own_.reset();
    }
    return own_ ? own_->Link() : *qt_;
}

void X11ScreenReader::Answered(xcb_connection_t* connection) const {
    if (!own_ || own_->Link().connection != connection) {
        return; // Qt's connection: Qt reads its queue
    }
    const bool refused = DiscardQueuedEvents(connection);
    if (painter_) {
        painter_->Answered(refused);
    }
}

WindowPainter* X11ScreenReader::Painter() {
    if (!qt_ || !rgb32_ || !lsbFirst_ || std::endian::native != std::endian::little) {
        return nullptr;
    }
    const X11Connection x11 = Link();
    if (own_ && !painter_ && X11ShmBuffer::Supported(x11.connection)) {
        painter_ = std::make_unique<X11WindowPainter>(x11);
    }
    return painter_.get();
}

X11ShmBuffer* X11ScreenReader::SharedBuffer(xcb_connection_t* connection) {
    if (!shm_ && !shmFailed_ && rgb32_ && X11ShmBuffer::Supported(connection)) {
        shm_ = std::make_unique<X11ShmBuffer>(connection, X11ShmBuffer::Writer::Server);
    }
    return shm_.get();
}

void X11ScreenReader::RefreshRoot(const X11Connection& x11) const {
    const XcbReply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(
        x11.connection, xcb_get_geometry_unchecked(x11.connection, x11.root), nullptr));
    Answered(x11.connection);
    if (geometry) {
        root_ = {0, 0, geometry->width, geometry->height};
    }
}

void X11ScreenReader::RefreshStaleRoot(const X11Connection& x11) const {
    if (*rootStale_) {
        *rootStale_ = false;
        RefreshRoot(x11);
    }
}

Rect X11ScreenReader::Desktop() const {
    if (qt_) {
        if (*rootStale_) {
            RefreshStaleRoot(Link());
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
    if (!qt_ || !rgb32_) {
        ReadThroughQt(Intersect(block.area, Desktop()), block);
        return;
    }
    ReadOn(Link(), block);
}

void X11ScreenReader::ReadOn(const X11Connection& x11, SourceBlock& block) {
    // The root size is read again when the server refuses the rectangle (the screen was made
    // smaller) and when Qt reports a change of the screens.
    RefreshStaleRoot(x11);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const Rect onScreen = Intersect(block.area, root_);
        if (onScreen.Empty() || ReadRoot(x11, onScreen, block)) {
            return;
        }
        RefreshRoot(x11);
    }
}

bool X11ScreenReader::ReadRoot(const X11Connection& x11, const Rect& onScreen, SourceBlock& block) {
    const std::size_t bytes =
        static_cast<std::size_t>(onScreen.width) * static_cast<std::size_t>(onScreen.height) * 4;
    X11ShmBuffer* shm = SharedBuffer(x11.connection);
    if (shm == nullptr || !shm->Reserve(bytes)) {
        return ReadThroughSocket(x11, onScreen, block);
    }
    if (ReadShared(x11, *shm, onScreen, block)) {
        return true;
    }
    if (!ReadThroughSocket(x11, onScreen, block)) {
        return false; // the rectangle itself was refused
    }
    // The socket works where shared memory did not: keep to the socket from now on.
    shm_.reset();
    shmFailed_ = true;
    return true;
}

bool X11ScreenReader::ReadShared(const X11Connection& x11, const X11ShmBuffer& shm,
                                 const Rect& onScreen, SourceBlock& block) const {
    const std::size_t bytes =
        static_cast<std::size_t>(onScreen.width) * static_cast<std::size_t>(onScreen.height) * 4;
    xcb_connection_t* connection = x11.connection;
    const auto cookie = xcb_shm_get_image(
        connection, x11.root, static_cast<std::int16_t>(onScreen.left),
        static_cast<std::int16_t>(onScreen.top), static_cast<std::uint16_t>(onScreen.width),
        static_cast<std::uint16_t>(onScreen.height), ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, shm.Segment(),
        0);
    xcb_generic_error_t* error = nullptr;
    const XcbReply<xcb_shm_get_image_reply_t> reply(
        xcb_shm_get_image_reply(connection, cookie, &error));
    std::free(error);
    Answered(connection);
    if (!reply || reply->size < bytes) {
        return false;
    }
    CopyPixels(shm.Data(), lsbFirst_, onScreen, block);
    return true;
}

bool X11ScreenReader::ReadThroughSocket(const X11Connection& x11, const Rect& onScreen,
                                        SourceBlock& block) const {
    xcb_connection_t* connection = x11.connection;
    const auto cookie = xcb_get_image(
        connection, XCB_IMAGE_FORMAT_Z_PIXMAP, x11.root, static_cast<std::int16_t>(onScreen.left),
        static_cast<std::int16_t>(onScreen.top), static_cast<std::uint16_t>(onScreen.width),
        static_cast<std::uint16_t>(onScreen.height), ~0u);
    xcb_generic_error_t* error = nullptr;
    const XcbReply<xcb_get_image_reply_t> reply(xcb_get_image_reply(connection, cookie, &error));
    std::free(error);
    Answered(connection);
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
    if (!qt_) {
        const QPoint point = QCursor::pos();
        return {point.x(), point.y()};
    }
    const X11Connection x11 = Link();
    const XcbReply<xcb_query_pointer_reply_t> pointer(xcb_query_pointer_reply(
        x11.connection, xcb_query_pointer_unchecked(x11.connection, x11.root), nullptr));
    Answered(x11.connection);
    if (!pointer) {
        return {};
    }
    return {pointer->root_x, pointer->root_y};
}

Point X11ScreenReader::ReadAndLocatePointer(const Rect& area, SourceBlock& block) {
    if (!qt_) {
        Read(area, block);
        return CursorPos();
    }
    if (!rgb32_) {
        Read(area, block);
        return CursorPos();
    }
    const X11Connection x11 = Link();
    xcb_connection_t* connection = x11.connection;
    RefreshStaleRoot(x11);
    // Replies come back in the order of the requests: the pointer's is there by the time the
    // picture's is.
    const auto cookie = xcb_query_pointer_unchecked(connection, x11.root);
    ResetSourceBlock(block, area);
    ReadOn(x11, block);
    const XcbReply<xcb_query_pointer_reply_t> pointer(
        xcb_query_pointer_reply(connection, cookie, nullptr));
    Answered(connection);
    if (!pointer) {
        return {};
    }
    return {pointer->root_x, pointer->root_y};
}

void X11ScreenReader::SetCursorPos(Point point) {
    if (!qt_) {
        QCursor::setPos(point.x, point.y);
        return;
    }
    const X11Connection x11 = Link();
    const auto clamp16 = [](int value) {
        return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
    };
    xcb_warp_pointer(x11.connection, XCB_NONE, x11.root, 0, 0, 0, 0, clamp16(point.x),
                     clamp16(point.y));
    xcb_flush(x11.connection);
}

} // namespace twl
