#pragma once
// The monitors as the windowing system shows them now: where each lies in the X server's pixels
// and by how much the widgets on it are scaled.

#include "core/base/screen_scale.h"

#include <vector>

namespace twl {

std::vector<MonitorScale> CurrentMonitors();
// Each monitor in the widgets' scaled units.
std::vector<Rect> MonitorAreas();

} // namespace twl
