#include "ui/color_properties/color_properties_menus.h"

#include "ui/color_properties/color_properties_window.h"

namespace twl {

namespace {

struct ColorPropertiesCommand {
    const char* name;
    const char* caption;
    bool checkable;
    void (*run)(ColorPropertiesWindow& window, QAction* item);
};

template <const char* Format> void CopyAs(ColorPropertiesWindow& w, QAction*) {
    w.CopyHoveredAs(Format);
}

constexpr char kHex[] = "HEX";
constexpr char kHexWithHash[] = "Hex with #";
constexpr char kRgb[] = "RGB";
constexpr char kHsl[] = "HSL";
constexpr char kDelphiHex[] = "Delphi Hex";
constexpr char kVbHex[] = "VB Hex";
constexpr char kVcHex[] = "VC++ Hex";
constexpr char kActionScriptHex[] = "Actionscript Hex";

// A check item has already changed its tick when it reports the click.
const ColorPropertiesCommand kCommands[] = {
    {"Lighten1", "Lighten", false, [](ColorPropertiesWindow& w, QAction*) { w.Lighten(); }},
    {"Darken1", "Darken", false, [](ColorPropertiesWindow& w, QAction*) { w.Darken(); }},
    {"Saturate1", "Saturate", false, [](ColorPropertiesWindow& w, QAction*) { w.Saturate(); }},
    {"Desaturate1", "Desaturate", false,
     [](ColorPropertiesWindow& w, QAction*) { w.Desaturate(); }},
    {"ShowVariations1", "Show Variations", true,
     [](ColorPropertiesWindow& w, QAction* item) { w.SetVariations(item->isChecked()); }},
    {"ShowWebSafeInfo1", "Show Web Safe Info", true,
     [](ColorPropertiesWindow& w, QAction* item) { w.SetWebSafeInfo(item->isChecked()); }},
    {"Snap1", "Auto Position", true,
     [](ColorPropertiesWindow& w, QAction* item) { w.SetAutoPosition(item->isChecked()); }},
    {"MoreOptions1", "More Options...", false,
     [](ColorPropertiesWindow& w, QAction*) { emit w.moreOptionsRequested(); }},
    {"CloseColorProperties1", "Close Color Properties", false,
     [](ColorPropertiesWindow& w, QAction*) { w.CloseColorProperties(); }},

    // The copy menu of the variations: the colour of the swatch last hovered.
    {"HEX4", "&HEX", false, CopyAs<kHex>},
    {"HEXwith4", "HE&X with #", false, CopyAs<kHexWithHash>},
    {"ColorSwatch4", "Color S&watch", false,
     [](ColorPropertiesWindow& w, QAction*) { w.CopyHoveredSwatch(); }},
    {"RGB4", "&RGB", false, CopyAs<kRgb>},
    {"HSL4", "H&SL", false, CopyAs<kHsl>},
    {"DelphiHex4", "&Delphi Hex", false, CopyAs<kDelphiHex>},
    {"VBHex4", "V&B Hex", false, CopyAs<kVbHex>},
    {"VCHex4", "V&C++ Hex", false, CopyAs<kVcHex>},
    {"ActionScriptHex4", "&ActionScript Hex", false, CopyAs<kActionScriptHex>},
};

const char* const kWindowMenu[] = {"Lighten1",
                                   "Darken1",
                                   "Saturate1",
                                   "Desaturate1",
                                   "-N1",
                                   "ShowVariations1",
                                   "ShowWebSafeInfo1",
                                   "-N2",
                                   "Snap1",
                                   "-N3",
                                   "MoreOptions1",
                                   "CloseColorProperties1"};

const char* const kVariationMenu[] = {"HEX4",   "HEXwith4", "ColorSwatch4",
                                      "RGB4",   "HSL4",     "DelphiHex4",
                                      "VBHex4", "VCHex4",   "ActionScriptHex4"};

} // namespace

ColorPropertiesMenus::ColorPropertiesMenus(ColorPropertiesWindow& window) {
    for (const ColorPropertiesCommand& command : kCommands) {
        QAction* item = table_.Add(&window, command.name, command.caption, command.checkable);
        QObject::connect(item, &QAction::triggered, &window,
                         [&window, item, run = command.run] { run(window, item); });
    }
    windowMenu_ = table_.BuildMenu(&window, QStringLiteral("PropMenu"), kWindowMenu);
    variationMenu_ = table_.BuildMenu(&window, QStringLiteral("VarColorRightMenu"), kVariationMenu);
}

} // namespace twl
