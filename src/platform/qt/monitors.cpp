#include "platform/monitors.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace twl {

std::vector<MonitorScale> CurrentMonitors() {
    std::vector<MonitorScale> monitors;
    for (const QScreen* screen : QGuiApplication::screens()) {
        // A screen keeps its corner in both units; its size is scaled.
        const QRect area = screen->geometry();
        const double factor = screen->devicePixelRatio();
        monitors.push_back(
            {{area.x(), area.y(), static_cast<int>(std::lround(area.width() * factor)),
              static_cast<int>(std::lround(area.height() * factor))},
             factor});
    }
    return monitors;
}

std::vector<Rect> MonitorAreas() {
    std::vector<Rect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        areas.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    return areas;
}

} // namespace twl
