#pragma once
// Points and rectangles in screen pixels. The virtual screen (all monitors together) is a
// rectangle too; on X11 it starts at (0, 0), but nothing here relies on that.

#include <algorithm>
#include <cstdint>

namespace twl {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Left and top are the first column and row inside; an empty rectangle has no width or height.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool Empty() const { return width <= 0 || height <= 0; }
    bool Contains(std::int64_t x, std::int64_t y) const {
        return x >= left && y >= top && x - left < width && y - top < height;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The part that lies in both; empty (at the origin) when they do not meet.
inline Rect Intersect(const Rect& a, const Rect& b) {
    const std::int64_t left = std::max<std::int64_t>(a.left, b.left);
    const std::int64_t top = std::max<std::int64_t>(a.top, b.top);
    const std::int64_t right =
        std::min<std::int64_t>(std::int64_t{a.left} + a.width, std::int64_t{b.left} + b.width);
    const std::int64_t bottom =
        std::min<std::int64_t>(std::int64_t{a.top} + a.height, std::int64_t{b.top} + b.height);
    if (a.Empty() || b.Empty() || right <= left || bottom <= top)
        return {};
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
            static_cast<int>(bottom - top)};
}

// The smallest rectangle holding both; an empty one adds nothing.
inline Rect Union(const Rect& a, const Rect& b) {
    if (a.Empty())
        return b;
    if (b.Empty())
        return a;
    const std::int64_t left = std::min<std::int64_t>(a.left, b.left);
    const std::int64_t top = std::min<std::int64_t>(a.top, b.top);
    const std::int64_t right =
        std::max<std::int64_t>(std::int64_t{a.left} + a.width, std::int64_t{b.left} + b.width);
    const std::int64_t bottom =
        std::max<std::int64_t>(std::int64_t{a.top} + a.height, std::int64_t{b.top} + b.height);
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
            static_cast<int>(bottom - top)};
}

} // namespace twl
