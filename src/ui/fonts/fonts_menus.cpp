#include "ui/fonts/fonts_menus.h"

#include "ui/fonts/fonts_window.h"

namespace twl {

namespace {

struct FontsCommand {
    const char* name;
    const char* caption;
    void (*run)(FontsWindow& window);
};

const FontsCommand kCommands[] = {
    {"Maximize1", "Maximize", [](FontsWindow& w) { w.Maximize(); }},
    {"CloseFonts1", "Close Fonts", [](FontsWindow& w) { w.CloseFonts(); }},
};

const char* const kWindowMenu[] = {"Maximize1", "-N1", "CloseFonts1"};

} // namespace

FontsMenus::FontsMenus(FontsWindow& window) {
    for (const FontsCommand& command : kCommands) {
        QAction* item = table_.Add(&window, command.name, command.caption, false);
        QObject::connect(item, &QAction::triggered, &window,
                         [&window, run = command.run] { run(window); });
    }
    windowMenu_ = table_.BuildMenu(&window, QStringLiteral("FontsMenu"), kWindowMenu);
}

} // namespace twl
