#pragma once
// The screen as the eye dropper sees it: the virtual screen's rectangle, one region read per
// tick, and the pointer.

#include "core/base/geometry.h"
#include "core/sampling/source_block.h"
#include "platform/window_painter.h"

#include <string>

namespace twl {

class ScreenReader {
public:
    virtual ~ScreenReader() = default;
    // The virtual screen: all monitors together.
    virtual Rect Desktop() const = 0;
    // Fills the block with the screen pixels of area (0x00RRGGBB); pixels outside the virtual
    // screen hold kOutsidePixel.
    virtual void Read(const Rect& area, SourceBlock& block) = 0;
    virtual Point CursorPos() const = 0;
    // Read, then where the pointer is now; a reader may ask for both in one trip.
    virtual Point ReadAndLocatePointer(const Rect& area, SourceBlock& block) {
        Read(area, block);
        return CursorPos();
    }
    virtual void SetCursorPos(Point point) = 0;
    // What keeps the reader from reading the screen ("" when it can): a pick then gives no colour.
    virtual std::string Unavailable() const { return {}; }
    // True where the pointer is known only over the program's own windows (Wayland): picks that
    // wait for a click elsewhere go through the screen pick overlay.
    virtual bool PointerIsOurs() const { return true; }
    // True where a drag that starts on one of the program's windows can be followed live: the
    // pointer is reported anywhere while the button is held on it, and each tick reads the
    // screen afresh. The drag from the bar's eye-dropper button then shows the live magnifier.
    virtual bool FollowsDrags() const { return PointerIsOurs(); }
    // A pick begins: a reader that shows a still picture takes it now.
    virtual void BeginPick() {}
    // True where one picture serves a whole pick (the screen is frozen for it).
    virtual bool Frozen() const { return false; }
    // How the screen is read, for --diagnose.
    virtual std::string Describe() const { return "X11"; }
    // A painter that talks to the display over the reader's own channel, so that the next read
    // also tells that the display is done with the last picture put; null where there is none.
    virtual WindowPainter* Painter() { return nullptr; }
};

} // namespace twl
