// The Test Layouts window's keys. They reach it only while none of its controls has the focus.

#include "ui/common/key_binding.h"
#include "ui/test_layouts/test_layouts_window.h"

namespace twl {

namespace {

struct TestLayoutsKey {
    KeyBinding binding;
    void (*run)(TestLayoutsWindow& window);
};

const TestLayoutsKey kKeys[] = {
    {{Qt::Key_F1}, [](TestLayoutsWindow& w) { emit w.helpRequested(QStringLiteral("test.htm")); }},
    {{Qt::Key_Escape}, [](TestLayoutsWindow& w) { w.CloseTestLayouts(); }},
    {{Qt::Key_F3}, [](TestLayoutsWindow& w) { emit w.optionsRequested(); }},
    {{Qt::Key_F4}, [](TestLayoutsWindow& w) { emit w.eyeDropperRequested(); }},
    {{Qt::Key_F5}, [](TestLayoutsWindow& w) { emit w.quickPaletteRequested(); }},
    {{Qt::Key_F6}, [](TestLayoutsWindow& w) { emit w.testLayoutsRequested(); }},
    {{Qt::Key_F7}, [](TestLayoutsWindow& w) { emit w.colorPropertiesRequested(); }},
    {Only(Qt::Key_F10, Qt::ShiftModifier),
     [](TestLayoutsWindow& w) { w.OpenWindowMenuAtButton(); }},
};

} // namespace

void TestLayoutsWindow::keyPressEvent(QKeyEvent* event) {
    for (const TestLayoutsKey& key : kKeys) {
        if (key.binding.Matches(*event)) {
            key.run(*this);
        }
    }
    event->accept();
}

} // namespace twl
