#include "ui/eye_dropper/eye_sampler.h"

#include "core/sampling/color_sampler.h"
#include "core/sampling/magnifier_drawing.h"
#include "core/sampling/magnifier_geometry.h"

#include <algorithm>

namespace twl {

namespace {

// A tick's read reaches this many screen pixels beyond what the picture and the sample need, so
// that a pointer that moved a little since the last tick still finds its pixels in it.
constexpr int kPointerMargin = 8;

Rect Grown(const Rect& area, int margin) {
    return {area.left - margin, area.top - margin, area.width + 2 * margin,
            area.height + 2 * margin};
}

} // namespace

EyeSampler::EyeSampler(ScreenReader& screen) : screen_(screen) {}

void EyeSampler::SetImageSide(int side) {
    imageSide_ = side;
    image_ = PixelImage{};
    drawnValid_ = false;
}

const PixelImage& EyeSampler::Image() const {
    if (!drawnValid_) {
        image_ = PixelImage{};
    } else if (imageStale_) {
        image_.Resize(drawnSide_, drawnSide_);
        DrawPicture(PixelView{image_.pixels.data(), image_.width, image_.height, image_.width});
    }
    imageStale_ = false;
    return image_;
}

void EyeSampler::DrawPicture(const PixelView& target) const {
    MagnifierState state = drawnState_;
    DrawMagnifiedImage(state, drawnBlock_, drawnDesktop_,
                       PixelView{target.pixels, std::min(target.width, drawnSide_),
                                 std::min(target.height, drawnSide_), target.stride});
}

Rect EyeSampler::Needed(Point point) const {
    return TickRegion(point, imageSide_, imageSide_, state_.zoomLevel, state_.samplingMode);
}

Point EyeSampler::ReadAround(Point point, bool leaveOutOwnWindows, int margin) {
    const Rect area = Grown(Needed(point), margin);
    const Point pointer = screen_.ReadAndLocatePointer(area, block_);
    ownAreas_.clear();
    if (!leaveOutOwnWindows || !ownWindows_) {
        return pointer;
    }
    ownWindowAreas_.clear();
    ownWindows_(ownWindowAreas_);
    for (const Rect& window : ownWindowAreas_) {
        const Rect covered = Intersect(window, block_.area);
        if (covered.Empty()) {
            continue;
        }
        ownAreas_.push_back(covered);
        for (int y = covered.top; y < covered.top + covered.height; ++y) {
            auto row = block_.pixels.begin() +
                       static_cast<std::ptrdiff_t>(y - block_.area.top) * block_.area.width +
                       (covered.left - block_.area.left);
            std::fill(row, row + covered.width, kOutsidePixel);
        }
    }
    return pointer;
}

bool EyeSampler::TouchesOwnWindows(const Rect& area) const {
    return std::any_of(ownAreas_.begin(), ownAreas_.end(),
                       [&](const Rect& own) { return !Intersect(own, area).Empty(); });
}

void EyeSampler::Draw() {
    // The picture itself is drawn where it is shown (or saved), from the block kept here. The
    // two blocks change places, so a steady tick copies and allocates nothing.
    if (state_.zoomLevel <= 0) {
        state_.zoomLevel = 1;
    }
    std::swap(drawnBlock_, block_);
    drawnState_ = state_;
    drawnDesktop_ = screen_.Desktop();
    drawnSide_ = imageSide_;
    drawnValid_ = true;
    imageStale_ = true;
}

bool EyeSampler::SampleColorAt(Point point, bool useCursor) {
    if (useCursor) {
        point = screen_.CursorPos();
    }
    if (!SamplingRadius(state_.samplingMode)) {
        return false;
    }
    ReadAround(point, false, 0);
    return SampleFromBlock(point);
}

bool EyeSampler::SampleFromBlock(Point point) {
    if (!SamplingRadius(state_.samplingMode) || !screen_.Unavailable().empty() ||
        TouchesOwnWindows(SamplerRect(point, state_.samplingMode))) {
        return false;
    }
    if (const auto color = SampleColor(block_, point, state_.samplingMode)) {
        sampledColor_ = *color;
        return true;
    }
    return false;
}

EyeSampler::TickResult EyeSampler::Tick() {
    // The read goes around where the pointer was last seen, and the pointer's new place comes
    // back with it in the same trip. Only when it has gone beyond the read's margin is the
    // screen read again around its new place.
    const Point now = ReadAround(state_.currentPoint, true, kPointerMargin);
    const Rect needed = Needed(now);
    if (Intersect(block_.area, needed) != needed) {
        ReadAround(now, true, kPointerMargin);
    }
    state_.currentPoint = now;
    TickResult result;
    result.sampled = SampleFromBlock(now);
    const bool same = drawnValid_ && state_.currentPoint == drawnState_.currentPoint &&
                      state_.zoomLevel == drawnState_.zoomLevel &&
                      state_.samplingMode == drawnState_.samplingMode &&
                      state_.showGrid == drawnState_.showGrid && drawnSide_ == imageSide_ &&
                      block_.area == drawnBlock_.area && block_.pixels == drawnBlock_.pixels;
    if (!same) {
        Draw();
        result.redrawn = true;
    }
    return result;
}

bool EyeSampler::RenderMagnifier(NudgeDirection direction, std::uint8_t amount) {
    NudgePoint(state_.currentPoint, direction, amount, screen_.Desktop());
    ReadAround(state_.currentPoint, true, 0);
    const bool sampled = SampleFromBlock(state_.currentPoint);
    Draw();
    return sampled;
}

} // namespace twl
