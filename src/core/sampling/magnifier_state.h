#pragma once
// What the Eye Dropper remembers about its magnifier, and the small rules that change it:
// keyboard nudges of the point and zoom stepping.

#include "core/base/geometry.h"

#include <cstdint>
#include <optional>

namespace twl {

struct MagnifierState {
    int zoomLevel = 1;              // magnification is 2 x zoomLevel; normally 1..4
    std::uint8_t samplingMode = 1;  // 0 one pixel, 1 the 3x3 mean, 2 the 5x5 mean
    std::uint8_t magnifierSize = 1; // 0 Normal, 1 Big
    bool showGrid = true;           // the grid is never drawn at 2x
    Point currentPoint;             // the point the picture is centred on
};

enum class NudgeDirection { None = 0, Left = 1, Right = 2, Up = 3, Down = 4 };

// Moves the point by `amount` unless it already sits on the edge it would move towards (left
// needs x > left edge, right needs x < right edge, and so on). An accepted move is applied whole,
// even past the edge. Any other direction leaves the point. Returns whether the move was
// accepted.
bool NudgePoint(Point& point, NudgeDirection direction, std::uint8_t amount, const Rect& desktop);

// "+" and the wheel up: 1 -> 2 -> 3 -> 4; nothing at 4 or at any value outside 1..3.
std::optional<int> ZoomInFrom(int zoomLevel);
// "-" and the wheel down: 4 -> 3 -> 2 -> 1; nothing at 1 or at any value outside 2..4.
std::optional<int> ZoomOutFrom(int zoomLevel);

} // namespace twl
