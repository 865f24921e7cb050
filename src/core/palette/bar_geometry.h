#pragma once
// The rules of the palette bar that need no window: which colour each slot shows, how tall the
// bar is, which slots are visible, and where the slots, the slot menu and the drag marker sit.
// All sizes are in pixels; slots are numbered 1 to 20 from the top.

#include "core/base/geometry.h"
#include "core/color/color_text.h"
#include "core/palette/palette_list.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace twl {

using SlotColorArray = std::array<TColor, kPaletteSlotCount>;

inline constexpr int kPaletteBarWidth = 42;
inline constexpr int kSlotStep = 22;
inline constexpr int kInsertionMarkerLeft = 9;
inline constexpr int kInsertionMarkerWidth = 24;
inline constexpr int kInsertionMarkerHeight = 2;

// The colours the 20 swatches show after painting from lines: slot n takes the colour of line n
// until the first missing or invalid line; that slot and all later ones keep their previous
// colour.
SlotColorArray SlotColors(const std::vector<std::string>& lines, const SlotColorArray& previous);

// count × 22 + 65: 65 for an empty palette, 505 for 20 colours. A negative count counts as 0.
int PaletteBarHeight(int count);

// How many slots, from slot 1 down, are visible for a list of count lines; the rest are hidden.
// nullopt for more than 20 lines: the slots then stay as they were.
std::optional<int> VisibleSlotCount(int count);

// Slot n's frame on the bar, 18 × 18 at (12, 56 + 22 × (n − 1)).
Rect SlotFrameRect(int slot);
// The top row of slot n's frame on the bar.
int SlotFrameTop(int slot);
// The swatch inside any slot's frame, 15 × 15 at (2, 2).
Rect SlotSwatchRect();

// Screen point of the top-left corner of slot n's colour menu: 8 pixels into its swatch.
Point SlotMenuPoint(int barLeft, int barTop, int slot);

// The insertion marker's top while the slot with 0-based index draggedSlot is dragged over the
// slot with 0-based index targetTag: just above the target when the colour moves up, just below
// it otherwise (a drag over itself included).
int InsertionMarkerTop(int targetTag, int draggedSlot);

} // namespace twl
