#include "ui/quick_palette/quick_palette_menus.h"

#include "ui/quick_palette/quick_palette_window.h"

namespace twl {

namespace {

struct QuickPaletteCommand {
    const char* name;
    const char* caption;
    bool checkable;
    void (*run)(QuickPaletteWindow& window, QAction* item);
};

// A check item has already changed its tick when it reports the click.
const QuickPaletteCommand kCommands[] = {
    {"AddColortoPalette1", "Add Color to Palette", false,
     [](QuickPaletteWindow& w, QAction*) { w.AddSelectedNamedColor(); }},
    {"Snap1", "Auto Position", true,
     [](QuickPaletteWindow& w, QAction* item) { w.SetAutoPosition(item->isChecked()); }},
    {"Close1", "Close Quick Color Palette", false,
     [](QuickPaletteWindow& w, QAction*) { w.CloseQuickPalette(); }},
};

const char* const kWindowMenu[] = {"AddColortoPalette1", "Snap1", "-N1", "Close1"};

} // namespace

QuickPaletteMenus::QuickPaletteMenus(QuickPaletteWindow& window) {
    for (const QuickPaletteCommand& command : kCommands) {
        QAction* item = table_.Add(&window, command.name, command.caption, command.checkable);
        QObject::connect(item, &QAction::triggered, &window,
                         [&window, item, run = command.run] { run(window, item); });
    }
    windowMenu_ = table_.BuildMenu(&window, QStringLiteral("QuiMenu"), kWindowMenu);
}

} // namespace twl
