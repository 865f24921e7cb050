#include "ui/eye_dropper/eye_sampler.h"

#include "core/sampling/color_sampler.h"
#include "core/sampling/magnifier_drawing.h"
#include "core/sampling/magnifier_geometry.h"

#include <algorithm>

namespace twl {

EyeSampler::EyeSampler(ScreenReader& screen) : screen_(screen) {}

void EyeSampler::SetImageSide(int side) {
    imageSide_ = side;
    image_ = PixelImage{};
    drawnValid_ = false;
}

Point EyeSampler::ReadAround(Point point, bool leaveOutOwnWindows) {
    const Rect area =
        TickRegion(point, imageSide_, imageSide_, state_.zoomLevel, state_.samplingMode);
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
    DrawMagnifiedImage(state_, block_, screen_.Desktop(), imageSide_, imageSide_, image_);
    // Copied into memory kept from the last time, so a steady tick allocates nothing.
    drawnBlock_.area = block_.area;
    drawnBlock_.pixels.assign(block_.pixels.begin(), block_.pixels.end());
    drawnState_ = state_;
    drawnValid_ = true;
}

bool EyeSampler::SampleColorAt(Point point, bool useCursor) {
    if (useCursor) {
        point = screen_.CursorPos();
    }
    if (!SamplingRadius(state_.samplingMode)) {
        return false;
    }
    ReadAround(point, false);
    return SampleFromBlock(point);
}

bool EyeSampler::SampleFromBlock(Point point) {
    if (!SamplingRadius(state_.samplingMode) ||
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
    const Point first = screen_.CursorPos();
    const Point now = ReadAround(first, true);
    TickResult result;
    result.sampled = SampleFromBlock(first);
    state_.currentPoint = now;
    if (now != first) {
        ReadAround(now, true);
    }
    const bool same = drawnValid_ && state_.currentPoint == drawnState_.currentPoint &&
                      state_.zoomLevel == drawnState_.zoomLevel &&
                      state_.samplingMode == drawnState_.samplingMode &&
                      state_.showGrid == drawnState_.showGrid && image_.width == imageSide_ &&
                      block_.area == drawnBlock_.area && block_.pixels == drawnBlock_.pixels;
    if (!same) {
        Draw();
        result.redrawn = true;
    }
    return result;
}

bool EyeSampler::RenderMagnifier(NudgeDirection direction, std::uint8_t amount) {
    NudgePoint(state_.currentPoint, direction, amount, screen_.Desktop());
    ReadAround(state_.currentPoint, true);
    Draw();
    return SampleFromBlock(state_.currentPoint);
}

} // namespace twl
