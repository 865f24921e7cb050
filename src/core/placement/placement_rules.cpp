#include "core/placement/placement_rules.h"

namespace twl {

namespace {

// Tool windows that do not follow a slot open this far below the bar's top.
constexpr int kToolTopOffset = 40;

int ZoneThreshold(const BarPlacement& bar) {
    return 3 * bar.quickPaletteWidth;
}

// Right of the bar in the left zone, left of it otherwise.
int ZoneSideLeft(const BarPlacement& bar, int windowWidth) {
    if (bar.barLeft < ZoneThreshold(bar))
        return bar.barLeft + bar.barWidth;
    return bar.barLeft - windowWidth;
}

// Prefers the left of a bar in the left zone and the right of a bar in the right zone, as long
// as the window fits there. Ties on any comparison leave the edge alone.
std::optional<int> FittingSideLeft(const BarPlacement& bar, int windowWidth) {
    const int left = bar.barLeft;
    const int threshold = ZoneThreshold(bar);
    const int rightEdge = left + bar.barWidth + windowWidth;
    if (left < threshold && left > windowWidth)
        return left - windowWidth;
    if (left < threshold && left < windowWidth)
        return left + bar.barWidth;
    if (left > threshold && bar.desktopWidth < rightEdge)
        return left - windowWidth;
    if (left > threshold && bar.desktopWidth > rightEdge)
        return left + bar.barWidth;
    return std::nullopt;
}

} // namespace

WindowPosition PlaceEyeDropper(bool snap, const BarPlacement& bar, int eyeDropperWidth) {
    if (!snap)
        return {};
    return {ZoneSideLeft(bar, eyeDropperWidth), bar.barTop + kToolTopOffset};
}

WindowPosition PlaceQuickPalette(bool snap, const BarPlacement& bar,
                                 const EyeDropperState& eyeDropper) {
    if (!snap)
        return {};
    const int top = (eyeDropper.showing && eyeDropper.autoPositioned)
                        ? eyeDropper.top + eyeDropper.height + 1
                        : bar.barTop + kToolTopOffset;
    return {ZoneSideLeft(bar, bar.quickPaletteWidth), top};
}

WindowPosition PlaceColorProperties(bool snap, const BarPlacement& bar, int selectedSlot,
                                    int propertiesWidth) {
    if (!snap)
        return {};
    return {FittingSideLeft(bar, propertiesWidth), bar.barTop + SlotFrameTop(selectedSlot)};
}

WindowPosition PlaceTestLayouts(bool snap, const BarPlacement& bar, int testLayoutsWidth) {
    if (!snap)
        return {};
    return {FittingSideLeft(bar, testLayoutsWidth), bar.barTop + kToolTopOffset};
}

} // namespace twl
