#pragma once
// The screen where nothing can read it (a Wayland desktop with neither a screen copy nor a
// desktop portal): every read shows the screen as unreadable, and the reason goes with it, so no
// pick takes a colour it did not read. The pointer is still the X server's.

#include "platform/screen_reader.h"

#include <memory>
#include <string>

namespace twl {

class UnavailableScreenReader : public ScreenReader {
public:
    UnavailableScreenReader(std::string reason, std::unique_ptr<ScreenReader> pointer)
        : reason_(std::move(reason)), pointer_(std::move(pointer)) {}

    Rect Desktop() const override { return pointer_->Desktop(); }
    void Read(const Rect& area, SourceBlock& block) override { ResetSourceBlock(block, area); }
    Point CursorPos() const override { return pointer_->CursorPos(); }
    void SetCursorPos(Point point) override { pointer_->SetCursorPos(point); }
    std::string Unavailable() const override { return reason_; }
    bool PointerIsOurs() const override { return false; }
    std::string Describe() const override { return "none (" + reason_ + ")"; }

private:
    std::string reason_;
    std::unique_ptr<ScreenReader> pointer_;
};

} // namespace twl
