#include "ui/bar/pick_flow.h"

#include "core/settings/settings.h"
#include "platform/global_hotkey.h"
#include "platform/monitors.h"
#include "platform/window_position_sync.h"
#include "ui/bar/main_bar.h"
#include "ui/bar/palette_controller.h"
#include "ui/common/pressable_label.h"
#include "ui/eye_dropper/eye_dropper_window.h"

#include <QMouseEvent>

namespace twl {

PickFlow::PickFlow(MainBar& bar, PaletteController& palette, const Settings& settings,
                   GlobalHotkey& hotkey, std::function<EyeDropperWindow&()> eyeDropper)
    : QObject(&bar), bar_(bar), palette_(palette), settings_(settings), hotkey_(hotkey),
      eyeDropper_(std::move(eyeDropper)) {
    PressableLabel* button = palette.Column().EyeDropperButton();
    connect(button, &PressableLabel::pressed, this, [this](QMouseEvent* event) {
        if (event->button() == Qt::LeftButton) {
            eyeDropper_().BeginBarPick();
        }
    });
    connect(button, &PressableLabel::released, this, [this](QMouseEvent* event) {
        if (event->button() == Qt::LeftButton) {
            eyeDropper_().EndBarPick();
        }
    });
    // The button does nothing while the pointer moves: the timer samples.
    connect(button, &PressableLabel::moved, this, [] {});
    connect(&hotkey, &GlobalHotkey::pressed, this, &PickFlow::HotkeyPressed);
}

void PickFlow::AttachEyeDropper(EyeDropperWindow& eyeDropper) {
    connect(&eyeDropper, &EyeDropperWindow::colorPicked, this,
            [this](TColor color) { palette_.AddColorToPalette(color); });
    eyeDropper.SetNewestColor(palette_.NewestColor());
    connect(&palette_, &PaletteController::paletteChanged, &eyeDropper,
            [this, &eyeDropper] { eyeDropper.SetNewestColor(palette_.NewestColor()); });

    // X11 shows the program's own windows in a screen read, so the magnifier leaves out the Eye
    // Dropper in every pick, and the bar only while a drag from its button runs: in every other
    // pick the bar's colours can be picked like any others. Their places are checked with the X
    // server once as a pick begins, not on every tick, unless the compositor moves them as it
    // likes.
    const auto syncPlaces = [this, &eyeDropper] {
        SyncWindowPosition(eyeDropper);
        if (eyeDropper.BarPicking()) {
            SyncWindowPosition(bar_);
        }
    };
    connect(&eyeDropper, &EyeDropperWindow::pickStarting, this, [this, syncPlaces] {
        monitors_ = CurrentMonitors();
        syncPlaces();
    });
    // The windows' places are in scaled units, the screen reads in the server's pixels.
    eyeDropper.Sampler().SetOwnWindows([this, &eyeDropper, syncPlaces](std::vector<Rect>& own) {
        if (!eyeDropper.Picking()) {
            monitors_ = CurrentMonitors(); // a nudge: the monitors may have changed since
        } else if (placesEachTick_) {
            syncPlaces();
        }
        const auto leaveOut = [&own, this](const QWidget& window) {
            if (window.isVisible()) {
                const QRect frame = window.frameGeometry();
                own.push_back(ToPhysical(
                    monitors_, Rect{frame.x(), frame.y(), frame.width(), frame.height()}));
            }
        };
        leaveOut(eyeDropper);
        if (eyeDropper.BarPicking()) {
            leaveOut(bar_);
        }
    });
}

PickFlow::~PickFlow() {
    hotkey_.Unregister();
}

bool PickFlow::RegisterHotkey() {
    hotkey_.Unregister();
    return settings_.globalHotkey && hotkey_.Register(*settings_.globalHotkey);
}

void PickFlow::HotkeyPressed() {
    if (!bar_.isVisible()) {
        bar_.show();
    }
    const auto autoCopy = settings_.autoCopyOnHotkey ? PaletteController::AutoCopy::Run
                                                     : PaletteController::AutoCopy::Skip;
    if (settings_.autoCopy && overlayPick_ &&
        overlayPick_([this, autoCopy](std::optional<TColor> color) {
            if (color) {
                palette_.AddColorToPalette(*color, autoCopy);
            }
        })) {
        bar_.raise();
        return;
    }
    if (settings_.autoCopy) {
        EyeDropperWindow& eyeDropper = eyeDropper_();
        eyeDropper.SampleColorAt({}, true);
        palette_.AddColorToPalette(eyeDropper.Sampler().SampledColor(), autoCopy);
    }
    bar_.raise();
    bar_.activateWindow();
}

} // namespace twl
