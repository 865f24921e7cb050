#include "core/sampling/eye_dropper_settings.h"

#include "core/settings/settings.h"

namespace twl {

MagnifierState MagnifierStateFromSettings(const Settings& settings) {
    MagnifierState state;
    state.zoomLevel = settings.zoomLevel;
    state.samplingMode = static_cast<std::uint8_t>(settings.samplingMode);
    state.magnifierSize = static_cast<std::uint8_t>(settings.magnifierSize);
    state.showGrid = settings.showGrid;
    return state;
}

void StoreEyeDropperState(Settings& settings, Point window, TColor sampledColor,
                          const MagnifierState& state) {
    settings.eyeTop = window.y;
    settings.eyeLeft = window.x;
    settings.lastEyeColor = sampledColor;
    settings.zoomLevel = state.zoomLevel;
    settings.samplingMode = state.samplingMode;
    settings.magnifierSize = state.magnifierSize;
    settings.showGrid = state.showGrid;
}

} // namespace twl
