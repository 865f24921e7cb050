// The fonts preview's keys. The lists and the slider pass on the keys they do not use.

#include "ui/common/key_binding.h"
#include "ui/fonts/fonts_window.h"

namespace twl {

namespace {

const WindowKey<FontsWindow> kKeys[] = {
    {{Qt::Key_Escape}, [](FontsWindow& w) { w.CloseFonts(); }},
    {Only(Qt::Key_F10, Qt::ShiftModifier), [](FontsWindow& w) { w.OpenWindowMenuAtButton(); }},
};

} // namespace

void FontsWindow::keyPressEvent(QKeyEvent* event) {
    RunKeys(kKeys, *this, *event);
    RunKeys(kToolWindowKeys<FontsWindow>, *this, *event);
    event->accept();
}

} // namespace twl
