#pragma once
// Where the Eye Dropper, Color Properties, Quick Color Palette and Test Layouts windows dock
// beside the main bar. The rules only pick a left and top edge; they never show, hide or size a
// window. A window whose Auto Position flag is off is never moved.

#include "core/palette/bar_geometry.h"

#include <optional>

namespace twl {

// The bar and the screen as they are when a rule runs, in screen pixels.
struct BarPlacement {
    int barLeft = 0;                 // L
    int barTop = 0;                  // T
    int barWidth = kPaletteBarWidth; // W
    int quickPaletteWidth = 0; // three times this splits the screen into a left and a right zone
    int desktopWidth = 0;      // D: the virtual desktop covering all displays
};

// The edges to give the window; an edge left empty keeps its current value.
struct WindowPosition {
    std::optional<int> left;
    std::optional<int> top;
    bool Moves() const { return left.has_value() || top.has_value(); }
};

// The Eye Dropper as the Quick Color Palette sees it.
struct EyeDropperState {
    bool showing = false;
    bool autoPositioned = false;
    int top = 0;
    int height = 0;
};

// 40 below the bar's top; right of a bar in the left zone, left of it otherwise.
WindowPosition PlaceEyeDropper(bool snap, const BarPlacement& bar, int eyeDropperWidth);

// Directly under a showing, auto-positioned Eye Dropper, else 40 below the bar's top; the side
// as for the Eye Dropper.
WindowPosition PlaceQuickPalette(bool snap, const BarPlacement& bar,
                                 const EyeDropperState& eyeDropper);

// Top in line with the selected slot's frame. In the left zone it goes left of the bar when it
// fits there, else right; in the right zone right of the bar when it fits within the desktop,
// else left. On the exact borders between these cases the left edge is kept.
WindowPosition PlaceColorProperties(bool snap, const BarPlacement& bar, int selectedSlot,
                                    int propertiesWidth);

// 40 below the bar's top; the side as for Color Properties.
WindowPosition PlaceTestLayouts(bool snap, const BarPlacement& bar, int testLayoutsWidth);

} // namespace twl
