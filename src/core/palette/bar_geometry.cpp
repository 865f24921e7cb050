#include "core/palette/bar_geometry.h"

#include <algorithm>

namespace twl {

namespace {

constexpr int kBarHeightWithoutSlots = 65;
constexpr int kFrameLeft = 12;
constexpr int kFirstFrameTop = 56;
constexpr int kFrameSize = 18;
constexpr int kSwatchOffset = 2;
constexpr int kSwatchSize = 15;
// The slot menu opens this far into the swatch.
constexpr int kMenuOffset = 8;
constexpr int kMarkerGapAbove = 3;
constexpr int kMarkerGapBelow = 1;

} // namespace

SlotColorArray SlotColors(const std::vector<std::string>& lines, const SlotColorArray& previous) {
    SlotColorArray colors = previous;
    const std::size_t count = std::min(lines.size(), colors.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<TColor> color = TryTextToColor(lines[i]);
        if (!color)
            break;
        colors[i] = *color;
    }
    return colors;
}

int PaletteBarHeight(int count) {
    return std::max(count, 0) * kSlotStep + kBarHeightWithoutSlots;
}

std::optional<int> VisibleSlotCount(int count) {
    if (count > kPaletteSlotCount)
        return std::nullopt;
    return std::max(count, 0);
}

int SlotFrameTop(int slot) {
    return kFirstFrameTop + kSlotStep * (slot - 1);
}

Rect SlotFrameRect(int slot) {
    return {kFrameLeft, SlotFrameTop(slot), kFrameSize, kFrameSize};
}

Rect SlotSwatchRect() {
    return {kSwatchOffset, kSwatchOffset, kSwatchSize, kSwatchSize};
}

Point SlotMenuPoint(int barLeft, int barTop, int slot) {
    const Rect frame = SlotFrameRect(slot);
    const Rect swatch = SlotSwatchRect();
    return {barLeft + frame.left + swatch.left + kMenuOffset,
            barTop + frame.top + swatch.top + kMenuOffset};
}

int InsertionMarkerTop(int targetTag, int draggedSlot) {
    const Rect frame = SlotFrameRect(targetTag + 1);
    if (targetTag < draggedSlot)
        return frame.top - kMarkerGapAbove;
    return frame.top + frame.height + kMarkerGapBelow;
}

} // namespace twl
