// The Test Layouts window's keys. They reach it only while none of its controls has the focus.

#include "ui/common/key_binding.h"
#include "ui/test_layouts/test_layouts_window.h"

namespace twl {

namespace {

const WindowKey<TestLayoutsWindow> kKeys[] = {
    {{Qt::Key_F1}, [](TestLayoutsWindow& w) { emit w.helpRequested(QStringLiteral("test.htm")); }},
    {{Qt::Key_Escape}, [](TestLayoutsWindow& w) { w.CloseTestLayouts(); }},
    {Only(Qt::Key_F10, Qt::ShiftModifier),
     [](TestLayoutsWindow& w) { w.OpenWindowMenuAtButton(); }},
};

} // namespace

void TestLayoutsWindow::keyPressEvent(QKeyEvent* event) {
    RunKeys(kKeys, *this, *event);
    RunKeys(kToolWindowKeys<TestLayoutsWindow>, *this, *event);
    event->accept();
}

} // namespace twl
