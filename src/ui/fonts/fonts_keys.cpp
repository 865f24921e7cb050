// The fonts preview's keys. The lists and the slider pass on the keys they do not use.

#include "ui/common/key_binding.h"
#include "ui/fonts/fonts_window.h"

namespace twl {

namespace {

struct FontsKey {
    KeyBinding binding;
    void (*run)(FontsWindow& window);
};

const FontsKey kKeys[] = {
    {{Qt::Key_Escape}, [](FontsWindow& w) { w.CloseFonts(); }},
    {{Qt::Key_F3}, [](FontsWindow& w) { emit w.optionsRequested(); }},
    {{Qt::Key_F4}, [](FontsWindow& w) { emit w.eyeDropperRequested(); }},
    {{Qt::Key_F5}, [](FontsWindow& w) { emit w.quickPaletteRequested(); }},
    {{Qt::Key_F6}, [](FontsWindow& w) { emit w.testLayoutsRequested(); }},
    {{Qt::Key_F7}, [](FontsWindow& w) { emit w.colorPropertiesRequested(); }},
    {Only(Qt::Key_F10, Qt::ShiftModifier), [](FontsWindow& w) { w.OpenWindowMenuAtButton(); }},
};

} // namespace

void FontsWindow::keyPressEvent(QKeyEvent* event) {
    for (const FontsKey& key : kKeys) {
        if (key.binding.Matches(*event)) {
            key.run(*this);
        }
    }
    event->accept();
}

} // namespace twl
