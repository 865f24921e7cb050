#pragma once
// The screen read from the X server: one image request for the root window per read, in the
// root window's own pixels. The pixels come through shared memory (MIT-SHM) where the server
// offers it, else through the socket (GetImage). The pointer is read and moved on the root window
// too, so positions and pixels always agree, whatever scale factor Qt applies to its widgets.
// Without an X display (Wayland, offscreen) the reader falls back to Qt's screen grab and cursor.

#include "platform/screen_reader.h"

#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_shm_buffer.h"
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

private:
    // Asks the server for the root window's size; keeps the last known one when it cannot.
    void RefreshRoot() const;
    // Copy onScreen (inside the root) into the block; false when the server refused.
    bool ReadRoot(const Rect& onScreen, SourceBlock& block);
    // The shared segment must hold the rectangle already.
    bool ReadShared(const Rect& onScreen, SourceBlock& block);
    bool ReadThroughSocket(const Rect& onScreen, SourceBlock& block) const;
    void ReadThroughQt(const Rect& onScreen, SourceBlock& block) const;

    std::optional<X11Connection> x11_;
    // The root's pixels are 32 bits of x, red, green, blue (depth 24 or 32, 8 bits a channel),
    // so they are copied without help; any other layout goes through Qt.
    bool rgb32_ = false;
    bool lsbFirst_ = true;
    mutable Rect root_;
    // Set when Qt reports a change of the screens; the root's size is asked for again then.
    std::shared_ptr<bool> rootStale_ = std::make_shared<bool>(false);
    std::unique_ptr<QObject> screenWatch_;
    std::unique_ptr<X11ShmBuffer> shm_; // null without MIT-SHM, or once it failed
};

} // namespace twl
