#pragma once
// The "Simulate" submenu of the windows that show colours as people with a colour-vision
// deficiency see them: one item a vision, exactly one checked.

#include "core/contrast/color_vision.h"
#include "ui/common/action_table.h"

#include <functional>

namespace twl {

// The submenu's name and its items' names, in the order of ColorVision.
inline constexpr const char* kSimulateMenuName = "Simulate1";
inline constexpr const char* kSimulateItems[kColorVisionCount] = {
    "NormalVision1", "Protanopia1", "Deuteranopia1", "Tritanopia1", "Achromatopsia1"};

// Adds the submenu and its items to table; a click on one reports its vision to chosen.
void AddSimulateItems(ActionTable& table, QObject* owner, std::function<void(ColorVision)> chosen);
// Checks the vision's item, and so unchecks the others.
void CheckSimulateItem(const ActionTable& table, ColorVision vision);

} // namespace twl
