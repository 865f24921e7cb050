#include "core/startup/display_choice.h"

namespace twl {

DisplayChoice ChooseDisplay(bool hasWayland, bool hasX11, bool platformChosen) {
    if (platformChosen || !hasWayland) {
        return DisplayChoice::AsIs;
    }
    return hasX11 ? DisplayChoice::UseXWayland : DisplayChoice::NeedsXWayland;
}

} // namespace twl
