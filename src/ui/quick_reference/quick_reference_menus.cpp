#include "ui/quick_reference/quick_reference_menus.h"

#include "ui/quick_reference/quick_reference_window.h"

namespace twl {

namespace {

struct QuickReferenceCommand {
    const char* name;
    const char* caption;
    void (*run)(QuickReferenceWindow& window);
};

const QuickReferenceCommand kCommands[] = {
    {"W3CXHTML1", "W3C XHTML", [](QuickReferenceWindow& w) { w.OpenResource("/TR/xhtml1/"); }},
    {"W3CHTML4011", "W3C HTML 4.01", [](QuickReferenceWindow& w) { w.OpenResource("/TR/html4/"); }},
    {"W3CCSS11", "W3C CSS1", [](QuickReferenceWindow& w) { w.OpenResource("/TR/REC-CSS1"); }},
    {"W3CCSS21", "W3C CSS2", [](QuickReferenceWindow& w) { w.OpenResource("/TR/REC-CSS2/"); }},
    {"CloseQuickReference1", "Close Quick Reference",
     [](QuickReferenceWindow& w) { w.CloseQuickReference(); }},
};

const char* const kWindowMenu[] = {
    "+Resources1", "W3CXHTML1", "W3CHTML4011", "W3CCSS11",
    "W3CCSS21",    "<",         "-N1",         "CloseQuickReference1"};

} // namespace

QuickReferenceMenus::QuickReferenceMenus(QuickReferenceWindow& window) {
    for (const QuickReferenceCommand& command : kCommands) {
        QAction* item = table_.Add(&window, command.name, command.caption, false);
        QObject::connect(item, &QAction::triggered, &window,
                         [&window, run = command.run] { run(window); });
    }
    table_.AddSubmenu("Resources1", "Resources");
    windowMenu_ = table_.BuildMenu(&window, QStringLiteral("QRefMenu"), kWindowMenu);
}

} // namespace twl
