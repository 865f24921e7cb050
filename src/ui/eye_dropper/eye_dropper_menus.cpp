#include "ui/eye_dropper/eye_dropper_menus.h"

#include "core/sampling/magnifier_state.h"
#include "ui/eye_dropper/eye_dropper_window.h"

namespace twl {

namespace {

struct EyeDropperCommand {
    const char* name;
    const char* caption;
    bool checkable;
    void (*run)(EyeDropperWindow& window, QAction* item);
};

// The zoom and sampling items: [0] in the picture's menu, [1] under "Zoom" and "Sampling".
const char* const kZoomItems[2][4] = {{"N2x1", "N4x1", "N6x1", "N8x1"},
                                      {"N2x2", "N4x2", "N6x2", "N8x2"}};
const char* const kSamplingItems[2][3] = {{"SinglePixel1", "N3x31", "N5x51"},
                                          {"SinglePixel2", "N3x32", "N5x52"}};

template <int Level> void Zoom(EyeDropperWindow& w, QAction*) {
    w.SetZoomLevel(Level);
}
template <int Mode> void Sampling(EyeDropperWindow& w, QAction*) {
    w.SetSamplingMode(Mode);
}
template <int Which> void MagnifierSize(EyeDropperWindow& w, QAction*) {
    w.SetMagnifierSize(Which);
}
template <ImageFormat Format> void Save(EyeDropperWindow& w, QAction*) {
    w.SaveImageAs(Format);
}

// A check item has already changed its tick when it reports the click.
const EyeDropperCommand kCommands[] = {
    {"N2x1", "&2x", true, Zoom<1>},
    {"N4x1", "&4x", true, Zoom<2>},
    {"N6x1", "&6x", true, Zoom<3>},
    {"N8x1", "&8x", true, Zoom<4>},
    {"SinglePixel1", "&Single Pixel", true, Sampling<0>},
    {"N3x31", "3x3", true, Sampling<1>},
    {"N5x51", "5x5", true, Sampling<2>},
    {"N2x2", "2x", true, Zoom<1>},
    {"N4x2", "4x", true, Zoom<2>},
    {"N6x2", "6x", true, Zoom<3>},
    {"N8x2", "8x", true, Zoom<4>},
    {"SinglePixel2", "Single Pixel", true, Sampling<0>},
    {"N3x32", "3x3", true, Sampling<1>},
    {"N5x52", "5x5", true, Sampling<2>},
    {"Normal1", "Normal", true, MagnifierSize<0>},
    {"Big1", "Big", true, MagnifierSize<1>},
    {"AddColortoPalette1", "Add Color to Palette", false,
     [](EyeDropperWindow& w, QAction*) { w.AddSampledColor(); }},
    {"ShowGrid1", "Show Grid", true,
     [](EyeDropperWindow& w, QAction* item) { w.SetGrid(item->isChecked()); }},
    {"ShowWebSafeInfo1", "Show Web Safe Info", true,
     [](EyeDropperWindow& w, QAction* item) { w.SetWebSafeInfo(item->isChecked()); }},
    {"Snap1", "Auto Position", true,
     [](EyeDropperWindow& w, QAction* item) { w.SetAutoPosition(item->isChecked()); }},
    {"PortableNetworkGraphics1", "Portable Network Graphics File (.png)", false,
     Save<ImageFormat::Png>},
    {"WindowsBitmap1", "Windows Bitmap File (.bmp)", false, Save<ImageFormat::Bmp>},
    {"GraphicsInterchangeFormat1", "Graphics Interchange Format (.gif)", false,
     Save<ImageFormat::Gif>},
    {"CopyMagnifiedImage1", "Copy Image", false,
     [](EyeDropperWindow& w, QAction*) { w.CopyImage(); }},
    {"MoreOptions1", "More Options...", false,
     [](EyeDropperWindow& w, QAction*) { emit w.moreOptionsRequested(); }},
    {"CloseEyeDropper1", "Close Eye Dropper", false,
     [](EyeDropperWindow& w, QAction*) { w.CloseEyeDropper(); }},
};

const std::pair<const char*, const char*> kSubmenus[] = {{"Zoom1", "Zoom"},
                                                         {"Sampling1", "Sampling"},
                                                         {"MagnifierSize1", "Magnifier Size"},
                                                         {"SaveImageas1", "Save Image as"}};

const char* const kPictureMenu[] = {"N2x1", "N4x1",         "N6x1",  "N8x1",
                                    "-N1",  "SinglePixel1", "N3x31", "N5x51"};

const char* const kWindowMenu[] = {"+Zoom1",
                                   "N2x2",
                                   "N4x2",
                                   "N6x2",
                                   "N8x2",
                                   "<",
                                   "+Sampling1",
                                   "SinglePixel2",
                                   "N3x32",
                                   "N5x52",
                                   "<",
                                   "+MagnifierSize1",
                                   "Normal1",
                                   "Big1",
                                   "<",
                                   "-N2",
                                   "AddColortoPalette1",
                                   "-N3",
                                   "ShowGrid1",
                                   "ShowWebSafeInfo1",
                                   "Snap1",
                                   "-N4",
                                   "+SaveImageas1",
                                   "PortableNetworkGraphics1",
                                   "WindowsBitmap1",
                                   "GraphicsInterchangeFormat1",
                                   "<",
                                   "CopyMagnifiedImage1",
                                   "-N5",
                                   "MoreOptions1",
                                   "CloseEyeDropper1"};

} // namespace

EyeDropperMenus::EyeDropperMenus(EyeDropperWindow& window) {
    for (const EyeDropperCommand& command : kCommands) {
        QAction* item = table_.Add(&window, command.name, command.caption, command.checkable);
        QObject::connect(item, &QAction::triggered, &window,
                         [&window, item, run = command.run] { run(window, item); });
    }
    for (const auto& [name, caption] : kSubmenus) {
        table_.AddSubmenu(name, caption);
    }
    pictureMenu_ = table_.BuildMenu(&window, QStringLiteral("EyeImgMenu"), kPictureMenu);
    windowMenu_ = table_.BuildMenu(&window, QStringLiteral("EyeMenu"), kWindowMenu);
}

void EyeDropperMenus::TickMagnifierItems(const MagnifierState& state) {
    for (const auto& items : kZoomItems) {
        for (int i = 0; i < 4; ++i) {
            Item(items[i])->setChecked(state.zoomLevel == i + 1);
        }
    }
    for (const auto& items : kSamplingItems) {
        for (int i = 0; i < 3; ++i) {
            Item(items[i])->setChecked(state.samplingMode == i);
        }
    }
    Item("Normal1")->setChecked(state.magnifierSize == 0);
    Item("Big1")->setChecked(state.magnifierSize == 1);
}

} // namespace twl
