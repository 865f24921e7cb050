#pragma once
// Two kinds of screen coordinates meet in the program: the X server's pixels (physical: screen
// reads, the pointer, where a window really is) and the scaled units of the widgets (logical: a
// window's geometry, which the desktop's scale factor divides). Each monitor keeps its top-left
// corner in both kinds; inside it one logical pixel is `factor` physical pixels wide. Every
// conversion between the two goes through these functions.

#include "core/base/geometry.h"

#include <span>

namespace twl {

struct MonitorScale {
    Rect physical;       // the monitor in the X server's pixels
    double factor = 1.0; // physical pixels per logical pixel

    // The monitor in logical units: the same corner, the size divided and rounded.
    Rect Logical() const;
};

// The monitor holding the point, else the nearest one; null when there are none.
const MonitorScale* MonitorAtPhysical(std::span<const MonitorScale> monitors, Point physical);
const MonitorScale* MonitorAtLogical(std::span<const MonitorScale> monitors, Point logical);

// The offset from the monitor's corner is scaled and rounded (halves away from the corner), as
// windows are placed on the screen. Without monitors a point stays as it is.
Point ToPhysical(std::span<const MonitorScale> monitors, Point logical);
// The offset is divided and rounded, and the result kept on the point's monitor: the last
// physical column of a monitor stays on it.
Point ToLogical(std::span<const MonitorScale> monitors, Point physical);
// A window's rectangle: its corner as a point, its size scaled and rounded.
Rect ToPhysical(std::span<const MonitorScale> monitors, const Rect& logical);

// All monitors together, in each kind of unit.
Rect PhysicalDesktop(std::span<const MonitorScale> monitors);
Rect LogicalDesktop(std::span<const MonitorScale> monitors);

} // namespace twl
