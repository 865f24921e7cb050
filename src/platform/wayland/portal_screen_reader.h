#pragma once
// The screen on Wayland desktops without a screen copy (GNOME, KDE Plasma): the desktop portal's
// Screenshot, asked on the session bus for one picture of the whole desktop as a pick begins, and
// every read of that pick taken from it (the screen is frozen for the pick). The pointer is the X
// server's. GNOME asks the user once whether the program may take screenshots.

#include "platform/screen_reader.h"

#include "core/base/pixel_image.h"

#include <QImage>

#include <memory>
#include <string>

namespace twl {

class PortalScreenReader : public ScreenReader {
public:
    explicit PortalScreenReader(std::unique_ptr<ScreenReader> pointer);
    ~PortalScreenReader() override;

    // True when the session bus has a desktop portal that offers Screenshot.
    static bool Offered();

    // The screens as Qt has them: on XWayland one unit is one logical pixel.
    Rect Desktop() const override;
    void Read(const Rect& area, SourceBlock& block) override;
    Point CursorPos() const override { return pointer_->CursorPos(); }
    void SetCursorPos(Point point) override { pointer_->SetCursorPos(point); }
    std::string Unavailable() const override { return problem_; }
    bool PointerIsOurs() const override { return false; }
    void BeginPick() override;
    bool Frozen() const override { return true; }
    std::string Describe() const override { return "desktop portal Screenshot"; }

private:
    // Asks the portal for a screenshot and waits for its answer (a few seconds at most, longer
    // while the user is asked); the picture, or the problem.
    void TakeScreenshot();

    std::unique_ptr<ScreenReader> pointer_;
    QImage picture_;
    bool taken_ = false;
    std::string problem_;
    int requests_ = 0;
};

} // namespace twl
