#pragma once
// What the Eye Dropper keeps in the settings: its magnifier, the last sampled colour and its
// position on the screen.

#include "core/base/geometry.h"
#include "core/color/color_text.h"
#include "core/sampling/magnifier_state.h"

namespace twl {

struct Settings;

// The magnifier as the settings left it (zoom, sampling mode, size and grid).
MagnifierState MagnifierStateFromSettings(const Settings& settings);

// Puts the window's top-left corner, the last sampled colour and the magnifier into settings.
void StoreEyeDropperState(Settings& settings, Point window, TColor sampledColor,
                          const MagnifierState& state);

} // namespace twl
