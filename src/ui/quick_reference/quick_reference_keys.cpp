// The quick reference's keys, while it has the focus.

#include "ui/common/key_binding.h"
#include "ui/quick_reference/quick_reference_window.h"

namespace twl {

namespace {

const WindowKey<QuickReferenceWindow> kKeys[] = {
    {{Qt::Key_F1},
     [](QuickReferenceWindow& w) { emit w.helpRequested(QStringLiteral("qref.htm")); }},
    {{Qt::Key_Escape}, [](QuickReferenceWindow& w) { w.CloseQuickReference(); }},
    {Only(Qt::Key_F10, Qt::ShiftModifier),
     [](QuickReferenceWindow& w) { w.OpenWindowMenuAtButton(); }},
};

} // namespace

void QuickReferenceWindow::keyPressEvent(QKeyEvent* event) {
    RunKeys(kKeys, *this, *event);
    RunKeys(kToolWindowKeys<QuickReferenceWindow>, *this, *event);
    event->accept();
}

} // namespace twl
