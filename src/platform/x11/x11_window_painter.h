#pragma once
// Puts pictures on the program's windows through a shared-memory segment (MIT-SHM PutImage), on
// the screen reader's connection. The server copies the picture when it handles the request, so
// the segment may be drawn in again once the server has answered any request sent after it: the
// reader's next read does that in the same trip, and only a picture drawn without a read between
// waits for a round trip of its own.

#include "platform/window_painter.h"
#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_shm_buffer.h"

namespace twl {

class X11WindowPainter : public WindowPainter {
public:
    // The connection must be the program's own (its queue holds nothing for Qt) and offer
    // MIT-SHM, and the root's pixels must be 32-bit 0x00RRGGBB in the server's LSB-first order,
    // which is how the canvas holds them.
    explicit X11WindowPainter(const X11Connection& x11);
    ~X11WindowPainter() override;
    X11WindowPainter(const X11WindowPainter&) = delete;
    X11WindowPainter& operator=(const X11WindowPainter&) = delete;

    std::optional<PixelView> Canvas(int width, int height) override;
    bool Put(std::uintptr_t window, Point at) override;

    // The server answered a request sent after the last put, so it is done with the canvas.
    // `refused`: it reported an error meanwhile, perhaps for a put, so the window is looked at
    // again before the next one.
    void Answered(bool refused);

private:
    // The depth of the window when its pixels are 32-bit 0x??RRGGBB; 0 when they are not or the
    // window is gone.
    std::uint8_t UsableDepth(xcb_window_t window) const;

    X11Connection x11_;
    X11ShmBuffer shm_;
    int width_ = 0;
    int height_ = 0;
    bool putPending_ = false;
    xcb_window_t window_ = XCB_NONE; // the window last put on, and its depth (0: unusable)
    std::uint8_t windowDepth_ = 0;
    xcb_gcontext_t context_ = XCB_NONE; // for windows of contextDepth_
    std::uint8_t contextDepth_ = 0;
};

} // namespace twl
