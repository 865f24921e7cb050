// The Color Properties window's keys.

#include "ui/color_properties/color_properties_window.h"
#include "ui/common/key_binding.h"

namespace twl {

namespace {

struct ColorPropertiesKey {
    KeyBinding binding;
    void (*run)(ColorPropertiesWindow& window);
};

const ColorPropertiesKey kKeys[] = {
    {{Qt::Key_F1},
     [](ColorPropertiesWindow& w) { emit w.helpRequested(QStringLiteral("colprop.htm")); }},
    {{Qt::Key_Escape}, [](ColorPropertiesWindow& w) { w.CloseColorProperties(); }},
    {{Qt::Key_F3}, [](ColorPropertiesWindow& w) { emit w.optionsRequested(); }},
    {{Qt::Key_F4}, [](ColorPropertiesWindow& w) { emit w.eyeDropperRequested(); }},
    {{Qt::Key_F5}, [](ColorPropertiesWindow& w) { emit w.quickPaletteRequested(); }},
    {{Qt::Key_F6}, [](ColorPropertiesWindow& w) { emit w.testLayoutsRequested(); }},
    {{Qt::Key_F7}, [](ColorPropertiesWindow& w) { emit w.colorPropertiesRequested(); }},
    {Only(Qt::Key_F10, Qt::ShiftModifier),
     [](ColorPropertiesWindow& w) { w.OpenWindowMenuAtButton(); }},
};

} // namespace

void ColorPropertiesWindow::keyPressEvent(QKeyEvent* event) {
    for (const ColorPropertiesKey& key : kKeys) {
        if (key.binding.Matches(*event)) {
            key.run(*this);
        }
    }
    event->accept();
}

} // namespace twl
