#pragma once
// An in-memory screen for the widget tests: a picture whose top-left pixel sits at `origin`,
// a pointer that only moves when told to, and a painter only when a test gives one. It counts the
// reads, so a test can tell whether a command looked at the screen at all.

#include "core/base/pixel_image.h"
#include "core/sampling/source_block.h"
#include "platform/screen_reader.h"

#include <cstddef>
#include <cstdint>
#include <utility>

namespace twl {

// Takes pictures as the X11 painter would, keeping the last one put and where it went.
class FakeWindowPainter : public WindowPainter {
public:
    std::optional<PixelView> Canvas(int width, int height) override {
        canvas.Resize(width, height);
        return PixelView{canvas.pixels.data(), width, height, width};
    }
    bool Put(std::uintptr_t window, Point at) override {
        if (refusePuts) {
            return false;
        }
        ++puts;
        putWindow = window;
        putAt = at;
        shown = canvas;
        return true;
    }

    PixelImage canvas;
    PixelImage shown; // the picture last put
    std::uintptr_t putWindow = 0;
    Point putAt;
    int puts = 0;
    bool refusePuts = false;
};

class FakeScreen : public ScreenReader {
public:
    FakeScreen() = default;
    explicit FakeScreen(PixelImage picture, Point pictureOrigin = {})
        : image(std::move(picture)), origin(pictureOrigin) {}
    // A screen of one colour (0x00RRGGBB).
    FakeScreen(int width, int height, std::uint32_t color) { Fill(width, height, color); }

    Rect Desktop() const override { return {origin.x, origin.y, image.width, image.height}; }
    void Read(const Rect& area, SourceBlock& block) override {
        ++reads;
        ReadSourceBlock(image, origin, area, block);
    }
    Point CursorPos() const override { return cursor; }
    void SetCursorPos(Point point) override {
        cursor = point;
        ++cursorMoves;
    }
    WindowPainter* Painter() override { return painter; }
    bool PointerIsOurs() const override { return pointerIsOurs; }
    bool FollowsDrags() const override { return followsDrags; }

    void Fill(int width, int height, std::uint32_t color) {
        image.Resize(width, height);
        image.pixels.assign(image.pixels.size(), kOpaque | color);
    }
    // Paints one pixel given in screen coordinates; a point off the picture is ignored.
    void SetPixel(Point point, std::uint32_t color) {
        const int x = point.x - origin.x;
        const int y = point.y - origin.y;
        if (x < 0 || y < 0 || x >= image.width || y >= image.height) {
            return;
        }
        image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                     static_cast<std::size_t>(x)] = kOpaque | color;
    }

    PixelImage image;
    Point origin;
    Point cursor;
    int reads = 0;
    int cursorMoves = 0;
    WindowPainter* painter = nullptr; // none unless a test gives one
    bool pointerIsOurs = true;        // false stands for a Wayland desktop
    bool followsDrags = true;
};

} // namespace twl
