// The Quick Color Palette's keys.

#include "ui/common/key_binding.h"
#include "ui/quick_palette/quick_palette_window.h"

namespace twl {

namespace {

const WindowKey<QuickPaletteWindow> kKeys[] = {
    {{Qt::Key_F1},
     [](QuickPaletteWindow& w) {
         emit w.helpRequested(w.Mode() == QuickPaletteMode::NamedColors
                                  ? QStringLiteral("namco.htm")
                                  : QStringLiteral("quipal.htm"));
     }},
    {{Qt::Key_Escape}, [](QuickPaletteWindow& w) { w.CloseQuickPalette(); }},
    {{Qt::Key_F3}, [](QuickPaletteWindow& w) { emit w.optionsRequested(); }},
    {{Qt::Key_F4}, [](QuickPaletteWindow& w) { emit w.eyeDropperRequested(); }},
    {{Qt::Key_F5}, [](QuickPaletteWindow& w) { w.Swap(); }},
    {{Qt::Key_F6}, [](QuickPaletteWindow& w) { emit w.testLayoutsRequested(); }},
    {{Qt::Key_F7}, [](QuickPaletteWindow& w) { emit w.colorPropertiesRequested(); }},
    {{Qt::Key_F8}, [](QuickPaletteWindow& w) { emit w.contrastRequested(); }},
    {Only(Qt::Key_F10, Qt::ShiftModifier),
     [](QuickPaletteWindow& w) { w.OpenWindowMenuAtButton(); }},
};

} // namespace

bool QuickPaletteWindow::HandleKey(const QKeyEvent& event) {
    return RunKeys(kKeys, *this, event);
}

} // namespace twl
