#include "core/base/screen_scale.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace twl {

namespace {

int Scaled(int offset, double factor) {
    return static_cast<int>(std::lround(offset * factor));
}

// Squared distance from the point to the rectangle; 0 inside.
std::int64_t DistanceSquared(const Rect& area, Point point) {
    const auto gap = [](std::int64_t value, std::int64_t first, std::int64_t last) {
        return value < first ? first - value : value > last ? value - last : 0;
    };
    const std::int64_t dx = gap(point.x, area.left, std::int64_t{area.left} + area.width - 1);
    const std::int64_t dy = gap(point.y, area.top, std::int64_t{area.top} + area.height - 1);
    return dx * dx + dy * dy;
}

template <typename AreaOf>
const MonitorScale* Nearest(std::span<const MonitorScale> monitors, Point point, AreaOf areaOf) {
    const MonitorScale* nearest = nullptr;
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    for (const MonitorScale& monitor : monitors) {
        const std::int64_t distance = DistanceSquared(areaOf(monitor), point);
        if (distance < best) {
            best = distance;
            nearest = &monitor;
        }
    }
    return nearest;
}

double FactorOf(const MonitorScale& monitor) {
    return monitor.factor > 0 ? monitor.factor : 1.0;
}

} // namespace

Rect MonitorScale::Logical() const {
    const double scale = FactorOf(*this);
    return {physical.left, physical.top, Scaled(physical.width, 1 / scale),
            Scaled(physical.height, 1 / scale)};
}

const MonitorScale* MonitorAtPhysical(std::span<const MonitorScale> monitors, Point physical) {
    return Nearest(monitors, physical, [](const MonitorScale& m) { return m.physical; });
}

const MonitorScale* MonitorAtLogical(std::span<const MonitorScale> monitors, Point logical) {
    return Nearest(monitors, logical, [](const MonitorScale& m) { return m.Logical(); });
}

Point ToPhysical(std::span<const MonitorScale> monitors, Point logical) {
    const MonitorScale* monitor = MonitorAtLogical(monitors, logical);
    if (monitor == nullptr) {
        return logical;
    }
    const Point corner{monitor->physical.left, monitor->physical.top};
    const double scale = FactorOf(*monitor);
    return {corner.x + Scaled(logical.x - corner.x, scale),
            corner.y + Scaled(logical.y - corner.y, scale)};
}

Point ToLogical(std::span<const MonitorScale> monitors, Point physical) {
    const MonitorScale* monitor = MonitorAtPhysical(monitors, physical);
    if (monitor == nullptr) {
        return physical;
    }
    const Rect area = monitor->Logical();
    const double scale = FactorOf(*monitor);
    Point logical{area.left + Scaled(physical.x - area.left, 1 / scale),
                  area.top + Scaled(physical.y - area.top, 1 / scale)};
    // Only a point on the monitor is kept on it; one beyond every monitor keeps its distance.
    if (monitor->physical.Contains(physical.x, physical.y)) {
        logical.x = std::clamp(logical.x, area.left, area.left + area.width - 1);
        logical.y = std::clamp(logical.y, area.top, area.top + area.height - 1);
    }
    return logical;
}

Rect ToPhysical(std::span<const MonitorScale> monitors, const Rect& logical) {
    const Point corner = ToPhysical(monitors, Point{logical.left, logical.top});
    const MonitorScale* monitor = MonitorAtLogical(monitors, Point{logical.left, logical.top});
    const double scale = monitor != nullptr ? FactorOf(*monitor) : 1.0;
    return {corner.x, corner.y, Scaled(logical.width, scale), Scaled(logical.height, scale)};
}

Rect PhysicalDesktop(std::span<const MonitorScale> monitors) {
    Rect all;
    for (const MonitorScale& monitor : monitors) {
        all = Union(all, monitor.physical);
    }
    return all;
}

Rect LogicalDesktop(std::span<const MonitorScale> monitors) {
    Rect all;
    for (const MonitorScale& monitor : monitors) {
        all = Union(all, monitor.Logical());
    }
    return all;
}

} // namespace twl
