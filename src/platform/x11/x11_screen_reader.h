#pragma once
// The screen read from the X server: one image request for the root window per read, in the
// root window's own pixels, over a connection of the reader's own. The pixels come through shared
// memory (MIT-SHM) where the server offers it, else through the socket (GetImage). The pointer is
// read and moved on the root window too, so positions and pixels always agree, whatever scale
// factor Qt applies to its widgets. Without an X display (Wayland, offscreen) the reader falls back
// to Qt's screen grab and cursor.

#include "platform/screen_reader.h"

#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_own_connection.h"
#include "platform/x11/x11_shm_buffer.h"
#include "platform/x11/x11_window_painter.h"
#include <QObject>

#include <memory>
#include <optional>

namespace twl {

class X11ScreenReader : public ScreenReader {
public:
    // Needs the QGuiApplication to exist already; it takes Qt's connection.
    X11ScreenReader();
    ~X11ScreenReader() override;
    X11ScreenReader(const X11ScreenReader&) = delete;
    X11ScreenReader& operator=(const X11ScreenReader&) = delete;

    Rect Desktop() const override;
    void Read(const Rect& area, SourceBlock& block) override;
    Point CursorPos() const override;
    // The pointer query travels with the region read, so both cost one round trip.
    Point ReadAndLocatePointer(const Rect& area, SourceBlock& block) override;
    void SetCursorPos(Point point) override;
    // On the reader's own connection only, and where the root's pixels are 0x00RRGGBB.
    WindowPainter* Painter() override;
    std::string Describe() const override { return "X11 (the root window's pixels)"; }

private:
    // The reader's own connection, opened at the first use; Qt's when that cannot be had or has
    // failed. Every request of one operation goes over the connection it returned.
    X11Connection Link() const;
    // After each reply: the painter's last put is done with, and the errors queued on the own
    // connection are let go.
    void Answered(xcb_connection_t* connection) const;
    // The shared segment on that connection; null without MIT-SHM, or once it failed.
    X11ShmBuffer* SharedBuffer(xcb_connection_t* connection);
    // Asks the server for the root window's size; keeps the last known one when it cannot.
    void RefreshRoot(const X11Connection& x11) const;
    // The same when Qt reported a change of the screens since the last time.
    void RefreshStaleRoot(const X11Connection& x11) const;
    // Fills the part of the block that lies on the root window.
    void ReadOn(const X11Connection& x11, SourceBlock& block);
    // Copy onScreen (inside the root) into the block; false when the server refused.
    bool ReadRoot(const X11Connection& x11, const Rect& onScreen, SourceBlock& block);
    // The shared segment must hold the rectangle already.
    bool ReadShared(const X11Connection& x11, const X11ShmBuffer& shm, const Rect& onScreen,
                    SourceBlock& block) const;
    bool ReadThroughSocket(const X11Connection& x11, const Rect& onScreen,
                           SourceBlock& block) const;
    void ReadThroughQt(const Rect& onScreen, SourceBlock& block) const;

    std::optional<X11Connection> qt_; // Qt's connection; nullopt off X11
    // The root's pixels are 32 bits of x, red, green, blue (depth 24 or 32, 8 bits a channel),
    // so they are copied without help; any other layout goes through Qt.
    bool rgb32_ = false;
    bool lsbFirst_ = true;
    mutable Rect root_;
    // Set when Qt reports a change of the screens; the root's size is asked for again then.
    std::shared_ptr<bool> rootStale_ = std::make_shared<bool>(false);
    std::unique_ptr<QObject> screenWatch_;
    mutable bool ownTried_ = false;
    mutable std::unique_ptr<X11OwnConnection> own_;
    // On the connection in use; made at the first read.
    mutable std::unique_ptr<X11ShmBuffer> shm_;
    bool shmFailed_ = false; // the socket worked where shared memory did not
    mutable std::unique_ptr<X11WindowPainter> painter_; // on the own connection
};

} // namespace twl
