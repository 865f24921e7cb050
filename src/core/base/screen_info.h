#pragma once
// The screen geometry that the stored window positions are checked against.

namespace twl {

struct ScreenInfo {
    // The desktop: the bounding rectangle of all displays.
    int desktopLeft = 0, desktopTop = 0, desktopWidth = 0, desktopHeight = 0;
    // Height of the primary display.
    int primaryHeight = 0;
};

} // namespace twl
