#pragma once
// The screen on a wlroots desktop, where the program's windows run on XWayland: the pixels come
// from the compositor's screen copy over the program's own Wayland connection, the pointer and
// the desktop's size from the X server (XWayland's root is the desktop in logical units). A read
// takes the newest capture that holds its area and asks for the next one, so a tick waits for
// no frame; only a read beyond the newest capture waits for its own.

#include "platform/screen_reader.h"
#include "platform/wayland/wayland_capture.h"

#include <memory>

namespace twl {

class ScreencopyScreenReader : public ScreenReader {
public:
    // pointer: where the pointer is read and moved (the X server's reader).
    ScreencopyScreenReader(std::unique_ptr<WaylandCapture> capture,
                           std::unique_ptr<ScreenReader> pointer);
    ~ScreencopyScreenReader() override;

    Rect Desktop() const override;
    void Read(const Rect& area, SourceBlock& block) override;
    Point CursorPos() const override { return pointer_->CursorPos(); }
    void SetCursorPos(Point point) override { pointer_->SetCursorPos(point); }
    bool PointerIsOurs() const override { return false; }
    // XWayland goes on reporting the pointer to the window a held button was pressed on.
    bool FollowsDrags() const override { return true; }
    void BeginPick() override;
    std::string Describe() const override { return "wlroots screen copy"; }

private:
    std::unique_ptr<WaylandCapture> capture_;
    std::unique_ptr<ScreenReader> pointer_;
};

} // namespace twl
