#include "core/placement/window_position.h"

namespace twl {

namespace {

int ClampedTop(int top, const ScreenInfo& screen) {
    return screen.desktopHeight < top ? screen.desktopHeight / 2 : top;
}

} // namespace

Point ApplyStoredPosition(Point builtIn, std::optional<int> top, std::optional<int> left,
                          const ScreenInfo& screen) {
    Point point = builtIn;
    if (top) {
        point.y = ClampedTop(*top, screen);
    }
    if (left) {
        point.x = *left;
    }
    return point;
}

Point QuickReferencePosition(std::optional<int> top, std::optional<int> left, int windowWidth,
                             int windowHeight, const ScreenInfo& screen) {
    Point point;
    point.y = top ? ClampedTop(*top, screen) : screen.primaryHeight / 2 - windowHeight / 2;
    if (left) {
        point.x = screen.desktopWidth < *left ? screen.desktopWidth / 2 : *left;
    } else {
        point.x = screen.desktopWidth / 2 - windowWidth / 2;
    }
    return point;
}

} // namespace twl
