#include "ui/contrast/contrast_menus.h"

#include "core/contrast/contrast.h"
#include "ui/common/simulate_items.h"
#include "ui/contrast/contrast_window.h"

namespace twl {

namespace {

struct ContrastCommand {
    const char* name;
    const char* caption;
    bool checkable;
    void (*run)(ContrastWindow& window);
};

const ContrastCommand kCommands[] = {
    {"SwapColors1", "Swap Colors", false, [](ContrastWindow& w) { w.Swap(); }},
    {"FollowPalette1", "Follow Palette", true, [](ContrastWindow& w) { w.FollowPalette(); }},
    {"FixTextAA1", "Fix Text for AA", false, [](ContrastWindow& w) { w.FixText(kAaNormalText); }},
    {"FixTextAAA1", "Fix Text for AAA", false,
     [](ContrastWindow& w) { w.FixText(kAaaNormalText); }},
    {"CopyReport1", "Copy Report", false, [](ContrastWindow& w) { w.CopyReport(); }},
    {"CloseContrast1", "Close Contrast", false, [](ContrastWindow& w) { w.CloseContrast(); }},
};

const char* const kWindowMenu[] = {"SwapColors1",
                                   "FollowPalette1",
                                   "-N1",
                                   "FixTextAA1",
                                   "FixTextAAA1",
                                   "-N2",
                                   "+Simulate1",
                                   kSimulateItems[0],
                                   kSimulateItems[1],
                                   kSimulateItems[2],
                                   kSimulateItems[3],
                                   kSimulateItems[4],
                                   "<",
                                   "CopyReport1",
                                   "-N3",
                                   "CloseContrast1"};

} // namespace

ContrastMenus::ContrastMenus(ContrastWindow& window) {
    for (const ContrastCommand& command : kCommands) {
        QAction* item = table_.Add(&window, command.name, command.caption, command.checkable);
        QObject::connect(item, &QAction::triggered, &window,
                         [&window, run = command.run] { run(window); });
    }
    AddSimulateItems(table_, &window,
                     [&window](ColorVision vision) { window.SetColorVision(vision); });
    windowMenu_ = table_.BuildMenu(&window, QStringLiteral("ContrastMenu"), kWindowMenu);
}

} // namespace twl
