// The Color Properties window's keys.

#include "ui/color_properties/color_properties_window.h"
#include "ui/common/key_binding.h"

namespace twl {

namespace {

const WindowKey<ColorPropertiesWindow> kKeys[] = {
    {{Qt::Key_F1},
     [](ColorPropertiesWindow& w) { emit w.helpRequested(QStringLiteral("colprop.htm")); }},
    {{Qt::Key_Escape}, [](ColorPropertiesWindow& w) { w.CloseColorProperties(); }},
    {Only(Qt::Key_F10, Qt::ShiftModifier),
     [](ColorPropertiesWindow& w) { w.OpenWindowMenuAtButton(); }},
};

} // namespace

void ColorPropertiesWindow::keyPressEvent(QKeyEvent* event) {
    RunKeys(kKeys, *this, *event);
    RunKeys(kToolWindowKeys<ColorPropertiesWindow>, *this, *event);
    event->accept();
}

} // namespace twl
