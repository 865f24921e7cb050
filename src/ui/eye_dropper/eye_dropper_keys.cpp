// The Eye Dropper's keys.

#include "ui/common/key_binding.h"
#include "ui/eye_dropper/eye_dropper_window.h"

namespace twl {

namespace {

const WindowKey<EyeDropperWindow> kKeys[] = {
    {{Qt::Key_F1},
     [](EyeDropperWindow& w) { emit w.helpRequested(QStringLiteral("eyedrop.htm")); }},
    {{Qt::Key_Escape}, [](EyeDropperWindow& w) { w.CloseEyeDropper(); }},
    {Only(Qt::Key_Return, Qt::ControlModifier), [](EyeDropperWindow& w) { w.AddSampledColor(); }},
    {Only(Qt::Key_Enter, Qt::ControlModifier), [](EyeDropperWindow& w) { w.AddSampledColor(); }},
    {Only(Qt::Key_F10, Qt::ShiftModifier), [](EyeDropperWindow& w) { w.OpenWindowMenuAtButton(); }},
    {Only(Qt::Key_G, Qt::ControlModifier), [](EyeDropperWindow& w) { w.ToggleGrid(); }},
    // The digits of the main keyboard only, not those of the keypad.
    {{Qt::Key_1, Qt::ControlModifier, (kAllModifiers & ~Qt::ControlModifier) | Qt::KeypadModifier},
     [](EyeDropperWindow& w) { w.SetSamplingMode(0); }},
    {{Qt::Key_2, Qt::ControlModifier, (kAllModifiers & ~Qt::ControlModifier) | Qt::KeypadModifier},
     [](EyeDropperWindow& w) { w.SetSamplingMode(1); }},
    {{Qt::Key_3, Qt::ControlModifier, (kAllModifiers & ~Qt::ControlModifier) | Qt::KeypadModifier},
     [](EyeDropperWindow& w) { w.SetSamplingMode(2); }},
};

const std::pair<int, NudgeDirection> kArrows[] = {{Qt::Key_Left, NudgeDirection::Left},
                                                  {Qt::Key_Right, NudgeDirection::Right},
                                                  {Qt::Key_Up, NudgeDirection::Up},
                                                  {Qt::Key_Down, NudgeDirection::Down}};

} // namespace

void EyeDropperWindow::keyPressEvent(QKeyEvent* event) {
    RunKeys(kKeys, *this, *event);
    RunKeys(kToolWindowKeys<EyeDropperWindow>, *this, *event);
    // An arrow nudges the point by one pixel; with Shift alone, by five more.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    for (const auto& [arrowKey, direction] : kArrows) {
        if (event->key() == arrowKey) {
            RenderMagnifier(direction, 1);
            if (mods == Qt::ShiftModifier) {
                RenderMagnifier(direction, 5);
            }
        }
    }
    // The typed characters "+" and "-" step the zoom.
    const QString typed = event->text();
    if (typed == QStringLiteral("+")) {
        if (const auto zoom = ZoomInFrom(sampler_.State().zoomLevel)) {
            SetZoomLevel(*zoom);
        }
    } else if (typed == QStringLiteral("-")) {
        if (const auto zoom = ZoomOutFrom(sampler_.State().zoomLevel)) {
            SetZoomLevel(*zoom);
        }
    }
    event->accept();
}

} // namespace twl
