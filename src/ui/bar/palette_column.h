#pragma once
// The palette column of the main bar: the grey border strips, the title picture, the
// eye-dropper button, the 20 slot frames with their swatches and the insertion marker shown
// while a slot is dragged. It only shows what it is told; the palette controller decides.

#include "core/palette/bar_geometry.h"
#include "ui/bar/slot_swatch.h"
#include "ui/common/pressable_label.h"

#include <array>

namespace twl {

class PaletteColumn {
public:
    explicit PaletteColumn(QWidget* bar);

    void SetSlotColors(const SlotColorArray& colors);
    // Slots 1 to count are visible, the others hidden.
    void SetVisibleSlots(int count);
    // The border strips follow the bar's height.
    void Layout(int barHeight);
    void ShowMarker(int top);
    void HideMarker();

    SlotSwatch* Swatch(int slot) const { return swatches_[static_cast<std::size_t>(slot - 1)]; }
    QWidget* Frame(int slot) const { return frames_[static_cast<std::size_t>(slot - 1)]; }
    PressableLabel* Title() const { return title_; }
    PressableLabel* EyeDropperButton() const { return eyeDropper_; }
    QWidget* Marker() const { return marker_; }

private:
    QWidget* bar_;
    std::array<QWidget*, 4> strips_{}; // left, right, top, bottom
    PressableLabel* title_;
    PressableLabel* eyeDropper_;
    std::array<QWidget*, kPaletteSlotCount> frames_{};
    std::array<SlotSwatch*, kPaletteSlotCount> swatches_{};
    QWidget* marker_;
};

} // namespace twl
