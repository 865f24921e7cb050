#include "core/placement/window_position.h"

namespace twl {

namespace {

int ClampedTop(int top, const ScreenInfo& screen) {
    return screen.desktopHeight < top ? screen.desktopHeight / 2 : top;
}

} // namespace

WindowPoint ApplyStoredPosition(WindowPoint builtIn, std::optional<int> top,
                                std::optional<int> left, const ScreenInfo& screen) {
    WindowPoint point = builtIn;
    if (top) {
        point.top = ClampedTop(*top, screen);
    }
    if (left) {
        point.left = *left;
    }
    return point;
}

WindowPoint QuickReferencePosition(std::optional<int> top, std::optional<int> left, int windowWidth,
                                   int windowHeight, const ScreenInfo& screen) {
    WindowPoint point;
    point.top = top ? ClampedTop(*top, screen) : screen.primaryHeight / 2 - windowHeight / 2;
    if (left) {
        point.left = screen.desktopWidth < *left ? screen.desktopWidth / 2 : *left;
    } else {
        point.left = screen.desktopWidth / 2 - windowWidth / 2;
    }
    return point;
}

} // namespace twl
