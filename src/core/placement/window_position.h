#pragma once
// Where a tool window goes when it is created, from its stored top and left (nullopt when the
// stored value is empty, missing or not a number).

#include "core/base/geometry.h"
#include "core/base/screen_info.h"

#include <optional>
#include <span>

namespace twl {

// A stored top below the bottom of the desktop (greater than its height) is pulled back to half
// the desktop height; a stored left is taken as it is. Missing values keep builtIn.
Point ApplyStoredPosition(Point builtIn, std::optional<int> top, std::optional<int> left,
                          const ScreenInfo& screen);

// The HTML quick reference: a stored top is clamped as above, a stored left greater than the
// desktop width becomes half of it; a missing top or left centres the window on that axis
// (vertically on the primary display, horizontally on the desktop).
Point QuickReferencePosition(std::optional<int> top, std::optional<int> left, int windowWidth,
                             int windowHeight, const ScreenInfo& screen);

// A window that shows on no monitor (its place was stored while a monitor now gone was there)
// comes back onto the nearest monitor, whole where it fits; a window that shows on any monitor,
// even in part, stays where it is. Without monitors nothing moves.
Point KeepOnSomeMonitor(const Rect& window, std::span<const Rect> monitors);

// A window a docking rule put partly off monitor comes onto it by the least move: whole where it
// fits, its left or top edge on the monitor's where it is wider or taller than the monitor.
Point KeepWithin(const Rect& window, const Rect& monitor);

// The monitor that holds the most of area; the first one where none holds any of it; nullopt
// without monitors.
std::optional<Rect> MonitorHolding(const Rect& area, std::span<const Rect> monitors);

} // namespace twl
