// The Contrast window's keys, while none of its fields has the focus.

#include "ui/common/key_binding.h"
#include "ui/contrast/contrast_window.h"

namespace twl {

namespace {

const WindowKey<ContrastWindow> kKeys[] = {
    {{Qt::Key_F1}, [](ContrastWindow& w) { emit w.helpRequested(QStringLiteral("contrast.htm")); }},
    {{Qt::Key_Escape}, [](ContrastWindow& w) { w.CloseContrast(); }},
    {Only(Qt::Key_C, Qt::ControlModifier), [](ContrastWindow& w) { w.CopyReport(); }},
    {Only(Qt::Key_F10, Qt::ShiftModifier), [](ContrastWindow& w) { w.OpenWindowMenuAtButton(); }},
};

} // namespace

void ContrastWindow::keyPressEvent(QKeyEvent* event) {
    RunKeys(kKeys, *this, *event);
    RunKeys(kToolWindowKeys<ContrastWindow>, *this, *event);
    event->accept();
}

} // namespace twl
