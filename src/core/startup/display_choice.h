#pragma once
// Which display the windows use. They need to keep their places and to stay on top, which a
// Wayland client cannot ask for, so on a Wayland desktop they run on XWayland, and a desktop
// without it cannot show them.

#include <string_view>

namespace twl {

enum class DisplayChoice {
    AsIs,          // X11 alone, or a platform chosen by the user (QT_QPA_PLATFORM)
    UseXWayland,   // both displays there: the X11 one
    NeedsXWayland, // Wayland alone
};

DisplayChoice ChooseDisplay(bool hasWayland, bool hasX11, bool platformChosen);

inline constexpr std::string_view kNeedsXWaylandText =
    "tintwell: this Wayland desktop has no XWayland (DISPLAY is not set). Tintwell's bar and "
    "windows need it to keep their places and stay on top: install XWayland and turn it on "
    "(sway: \"xwayland enable\"), then start Tintwell again.";

} // namespace twl
