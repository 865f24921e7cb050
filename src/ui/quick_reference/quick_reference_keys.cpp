// The quick reference's keys, while it has the focus.

#include "ui/common/key_binding.h"
#include "ui/quick_reference/quick_reference_window.h"

namespace twl {

namespace {

struct QuickReferenceKey {
    KeyBinding binding;
    void (*run)(QuickReferenceWindow& window);
};

const QuickReferenceKey kKeys[] = {
    {{Qt::Key_F1},
     [](QuickReferenceWindow& w) { emit w.helpRequested(QStringLiteral("qref.htm")); }},
    {{Qt::Key_Escape}, [](QuickReferenceWindow& w) { w.CloseQuickReference(); }},
    {{Qt::Key_F3}, [](QuickReferenceWindow& w) { emit w.optionsRequested(); }},
    {{Qt::Key_F4}, [](QuickReferenceWindow& w) { emit w.eyeDropperRequested(); }},
    {{Qt::Key_F5}, [](QuickReferenceWindow& w) { emit w.quickPaletteRequested(); }},
    {{Qt::Key_F6}, [](QuickReferenceWindow& w) { emit w.testLayoutsRequested(); }},
    {{Qt::Key_F7}, [](QuickReferenceWindow& w) { emit w.colorPropertiesRequested(); }},
    {Only(Qt::Key_F10, Qt::ShiftModifier),
     [](QuickReferenceWindow& w) { w.OpenWindowMenuAtButton(); }},
};

} // namespace

void QuickReferenceWindow::keyPressEvent(QKeyEvent* event) {
    for (const QuickReferenceKey& key : kKeys) {
        if (key.binding.Matches(*event)) {
            key.run(*this);
        }
    }
    event->accept();
}

} // namespace twl
