#include "ui/test_layouts/test_layouts_menus.h"

#include "ui/common/simulate_items.h"
#include "ui/test_layouts/test_layouts_window.h"

namespace twl {

namespace {

struct TestLayoutsCommand {
    const char* name;
    const char* caption;
    bool checkable;
    void (*run)(TestLayoutsWindow& window, QAction* item);
};

template <PictureTarget Target> void Render(TestLayoutsWindow& w, QAction*) {
    w.RenderLayoutImage(Target);
}

// A check item has already changed its tick when it reports the click.
const TestLayoutsCommand kCommands[] = {
    {"AutoColor1", "Auto Color", true,
     [](TestLayoutsWindow& w, QAction* item) { w.SetAutoColor(item->isChecked()); }},
    {"Snap1", "Auto Position", true,
     [](TestLayoutsWindow& w, QAction* item) { w.SetAutoPosition(item->isChecked()); }},
    {"PortableNetworkGraphicsFilepng1", "Portable Network Graphics File (.png)", false,
     Render<PictureTarget::Png>},
    {"WindowsBitmapFilebmp1", "Windows Bitmap File (.bmp)", false, Render<PictureTarget::Bmp>},
    {"GraphicsInterchangeFormatgif1", "Graphics Interchange Format (.gif)", false,
     Render<PictureTarget::Gif>},
    {"CopyImage1", "Copy Image", false, Render<PictureTarget::Clipboard>},
    {"Close1", "Close Test Layouts", false,
     [](TestLayoutsWindow& w, QAction*) { w.CloseTestLayouts(); }},
};

const char* const kWindowMenu[] = {"AutoColor1",
                                   "Snap1",
                                   "-N1",
                                   "+SaveImageas1",
                                   "PortableNetworkGraphicsFilepng1",
                                   "WindowsBitmapFilebmp1",
                                   "GraphicsInterchangeFormatgif1",
                                   "<",
                                   "CopyImage1",
                                   "-N3",
                                   "+Simulate1",
                                   kSimulateItems[0],
                                   kSimulateItems[1],
                                   kSimulateItems[2],
                                   kSimulateItems[3],
                                   kSimulateItems[4],
                                   "<",
                                   "-N2",
                                   "Close1"};

} // namespace

TestLayoutsMenus::TestLayoutsMenus(TestLayoutsWindow& window) {
    for (const TestLayoutsCommand& command : kCommands) {
        QAction* item = table_.Add(&window, command.name, command.caption, command.checkable);
        QObject::connect(item, &QAction::triggered, &window,
                         [&window, item, run = command.run] { run(window, item); });
    }
    table_.AddSubmenu("SaveImageas1", "Save Image as");
    AddSimulateItems(table_, &window,
                     [&window](ColorVision vision) { window.SetColorVision(vision); });
    windowMenu_ = table_.BuildMenu(&window, QStringLiteral("TestMenu"), kWindowMenu);
}

} // namespace twl
