#include "sampling/eye_sampler.h"

#include "sampling/color_sampler.h"
#include "sampling/magnifier_drawing.h"
#include "sampling/magnifier_geometry.h"

#include <algorithm>

namespace twl {

EyeSampler::EyeSampler(ScreenReader& screen) : screen_(screen) {}

void EyeSampler::SetImageSide(int side) {
    imageSide_ = side;
    image_ = PixelImage{};
}

void EyeSampler::ReadAround(ScreenPoint point, bool leaveOutOwnWindows) {
    const ScreenRect area =
        TickRegion(point, imageSide_, imageSide_, state_.zoomLevel, state_.samplingMode);
    screen_.Read(area, block_);
    ownAreas_.clear();
    if (!leaveOutOwnWindows || !ownWindows_) {
        return;
    }
    for (const ScreenRect& window : ownWindows_()) {
        const ScreenRect covered = Intersect(window, block_.area);
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
}

bool EyeSampler::TouchesOwnWindows(const ScreenRect& area) const {
    return std::any_of(ownAreas_.begin(), ownAreas_.end(),
                       [&](const ScreenRect& own) { return !Intersect(own, area).Empty(); });
}

void EyeSampler::Draw() {
    DrawMagnifiedImage(state_, block_, screen_.Desktop(), imageSide_, imageSide_, image_);
}

bool EyeSampler::SampleColorAt(ScreenPoint point, bool useCursor) {
    if (useCursor) {
        point = screen_.CursorPos();
    }
    if (!SamplingRadius(state_.samplingMode)) {
        return false;
    }
    ReadAround(point, false);
    return SampleFromBlock(point);
}

bool EyeSampler::SampleFromBlock(ScreenPoint point) {
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

bool EyeSampler::Tick() {
    const ScreenPoint first = screen_.CursorPos();
    ReadAround(first, true);
    const bool sampled = SampleFromBlock(first);
    const ScreenPoint now = screen_.CursorPos();
    state_.currentPoint = now;
    if (now != first) {
        ReadAround(now, true);
    }
    Draw();
    return sampled;
}

bool EyeSampler::RenderMagnifier(NudgeDirection direction, std::uint8_t amount) {
    NudgePoint(state_.currentPoint, direction, amount, screen_.Desktop());
    ReadAround(state_.currentPoint, true);
    Draw();
    return SampleFromBlock(state_.currentPoint);
}

} // namespace twl
