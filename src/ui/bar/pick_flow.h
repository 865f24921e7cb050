#pragma once
// The roads of a picked colour into the palette: the drag from the bar's eye-dropper button,
// the Eye Dropper's own picks and the global hotkey, which samples under the pointer.

#include "core/base/screen_scale.h"
#include "core/color/color_text.h"

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

namespace twl {

class EyeDropperWindow;
class GlobalHotkey;
class MainBar;
class PaletteController;
struct Settings;

class PickFlow : public QObject {
    Q_OBJECT
public:
    // eyeDropper gives the Eye Dropper, building it the first time a pick needs it.
    PickFlow(MainBar& bar, PaletteController& palette, const Settings& settings,
             GlobalHotkey& hotkey, std::function<EyeDropperWindow&()> eyeDropper);
    ~PickFlow() override;

    // Takes a newly built Eye Dropper into the picks.
    void AttachEyeDropper(EyeDropperWindow& eyeDropper);

    // Registers the hotkey of the settings; false when there is none or it cannot be had.
    bool RegisterHotkey();
    // The hotkey: brings the bar forward and, with Auto Copy on, adds the colour under the
    // pointer (copied only when the settings ask for it on the hotkey too).
    void HotkeyPressed();

    // Where the pointer is not the program's (Wayland), the hotkey's colour is picked on the
    // screen pick overlay: open starts that pick, and true says it did.
    using OverlayPick = std::function<bool(std::function<void(std::optional<TColor>)> done)>;
    void SetOverlayPick(OverlayPick open) { overlayPick_ = std::move(open); }

    // Where the compositor places the program's windows as it likes (Wayland: sway centres a
    // window whenever it asks for a new place or size), the places of the windows a pick leaves
    // out are checked on every tick, not once as it begins.
    void SetPlacesCheckedEachTick(bool each) { placesEachTick_ = each; }

    const GlobalHotkey& HeardHotkey() const { return hotkey_; }

private:
    MainBar& bar_;
    PaletteController& palette_;
    const Settings& settings_;
    GlobalHotkey& hotkey_;
    std::function<EyeDropperWindow&()> eyeDropper_;
    OverlayPick overlayPick_;
    bool placesEachTick_ = false;
    // The monitors as the pick began, so a tick asks nothing of them.
    std::vector<MonitorScale> monitors_;
};

} // namespace twl
