#include "core/sampling/magnifier_state.h"

namespace twl {

bool NudgePoint(Point& point, NudgeDirection direction, std::uint8_t amount, const Rect& desktop) {
    const std::int64_t lastColumn = std::int64_t{desktop.left} + desktop.width - 1;
    const std::int64_t lastRow = std::int64_t{desktop.top} + desktop.height - 1;
    switch (direction) {
    case NudgeDirection::Left:
        if (point.x <= desktop.left)
            return false;
        point.x -= amount;
        return true;
    case NudgeDirection::Right:
        if (point.x >= lastColumn)
            return false;
        point.x += amount;
        return true;
    case NudgeDirection::Up:
        if (point.y <= desktop.top)
            return false;
        point.y -= amount;
        return true;
    case NudgeDirection::Down:
        if (point.y >= lastRow)
            return false;
        point.y += amount;
        return true;
    default:
        return false;
    }
}

std::optional<int> ZoomInFrom(int zoomLevel) {
    if (zoomLevel >= 1 && zoomLevel <= 3)
        return zoomLevel + 1;
    return std::nullopt;
}

std::optional<int> ZoomOutFrom(int zoomLevel) {
    if (zoomLevel >= 2 && zoomLevel <= 4)
        return zoomLevel - 1;
    return std::nullopt;
}

} // namespace twl
