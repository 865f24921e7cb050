#include "core/placement/window_position.h"

#include <algorithm>
#include <cstdint>

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

Point KeepOnSomeMonitor(const Rect& window, std::span<const Rect> monitors) {
    const Point corner{window.left, window.top};
    const Rect* nearest = nullptr;
    std::int64_t best = 0;
    for (const Rect& monitor : monitors) {
        if (!Intersect(window, monitor).Empty()) {
            return corner;
        }
        const auto gap = [](std::int64_t first, std::int64_t size, std::int64_t from,
                            std::int64_t length) {
            return std::max<std::int64_t>(
                {0, from - (first + size - 1), first - (from + length - 1)});
        };
        const std::int64_t dx = gap(window.left, window.width, monitor.left, monitor.width);
        const std::int64_t dy = gap(window.top, window.height, monitor.top, monitor.height);
        if (nearest == nullptr || dx * dx + dy * dy < best) {
            nearest = &monitor;
            best = dx * dx + dy * dy;
        }
    }
    if (nearest == nullptr) {
        return corner;
    }
    return KeepWithin(window, *nearest);
}

Point KeepWithin(const Rect& window, const Rect& monitor) {
    const auto fit = [](int at, int size, int first, int length) {
        return std::max(first, std::min(at, first + length - size));
    };
    return {fit(window.left, window.width, monitor.left, monitor.width),
            fit(window.top, window.height, monitor.top, monitor.height)};
}

std::optional<Rect> MonitorHolding(const Rect& area, std::span<const Rect> monitors) {
    if (monitors.empty()) {
        return std::nullopt;
    }
    const Rect* best = &monitors.front();
    std::int64_t most = 0;
    for (const Rect& monitor : monitors) {
        const Rect shared = Intersect(area, monitor);
        const std::int64_t held = std::int64_t{shared.width} * shared.height;
        if (held > most) {
            most = held;
            best = &monitor;
        }
    }
    return *best;
}

} // namespace twl
