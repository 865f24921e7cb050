#pragma once
// Puts a picture straight on one of the program's windows, past the toolkit's painting: the
// picture is drawn into the painter's own memory and handed to the display server, which copies
// it into the window. The window keeps showing it until the next put or until the toolkit
// paints that part again.

#include "core/base/geometry.h"
#include "core/base/pixel_image.h"

#include <cstdint>
#include <optional>

namespace twl {

class WindowPainter {
public:
    virtual ~WindowPainter() = default;
    // Memory for a picture of width x height pixels (0xFFRRGGBB), to be drawn in and then put;
    // nullopt when this painter cannot put a picture of that size.
    virtual std::optional<PixelView> Canvas(int width, int height) = 0;
    // Puts the picture last drawn on the canvas at `at` (device pixels) of the native window
    // `window`. False when it cannot: the window is then to be painted the toolkit's way.
    virtual bool Put(std::uintptr_t window, Point at) = 0;
};

} // namespace twl
