#include "ui/bar/bar_actions.h"

#include "core/color/color_adjust.h"
#include "core/settings/settings.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/window_position_sync.h"
#include "ui/bar/main_bar.h"
#include "ui/bar/palette_controller.h"
#include "ui/bar/web_addresses.h"
#include "ui/common/color_copy.h"
#include "ui/common/help_page.h"
#include "ui/common/key_binding.h"

#include <array>

namespace twl {

namespace {

using Run = void (*)(BarActions& actions, QAction* item);

// One row of the bar's command table. A row with a name is a menu item; its keys run it too
// while the bar has the focus. A row without a name is a key alone.
struct BarCommand {
    const char* name;
    const char* caption;
    bool checkable;
    std::array<KeyBinding, 2> keys;
    Run run;
};

void Export(BarActions& a, QAction* item) {
    emit a.paletteExportRequested(item->objectName());
}

const BarCommand kCommands[] = {
    // The window commands of the main menu (1) and the tray menu (2).
    {"EyeDropper1",
     "Eye Dropper",
     false,
     {KeyBinding{Qt::Key_F4, {}, Qt::AltModifier}},
     [](BarActions& a, QAction*) { emit a.eyeDropperRequested(); }},
    {"EyeDropper2",
     "Eye Dropper",
     false,
     {},
     [](BarActions& a, QAction*) { emit a.eyeDropperRequested(); }},
    {"QuickColorPalette1",
     "&Quick Color Palette",
     false,
     {KeyBinding{Qt::Key_F5}},
     [](BarActions& a, QAction*) { emit a.quickPaletteRequested(); }},
    {"QuickColorPalette2",
     "&Quick Color Palette",
     false,
     {},
     [](BarActions& a, QAction*) { emit a.quickPaletteRequested(); }},
    {"NamedColors1",
     "Named Colors",
     false,
     {},
     [](BarActions& a, QAction*) { emit a.namedColorsRequested(); }},
    {"NamedColors2",
     "Named Colors",
     false,
     {},
     [](BarActions& a, QAction*) { emit a.namedColorsRequested(); }},
    {"TestLayout1",
     "Test Layouts",
     false,
     {KeyBinding{Qt::Key_F6}},
     [](BarActions& a, QAction*) { emit a.testLayoutsRequested(); }},
    {"TestLayout2",
     "Test Layouts",
     false,
     {},
     [](BarActions& a, QAction*) { emit a.testLayoutsRequested(); }},
    {"WindowsColorDialog1",
     "Windows Color &Dialog...",
     false,
     {},
     [](BarActions& a, QAction*) { a.ColorDialog(); }},
    {"WindowsColorDialog2",
     "Windows Color &Dialog...",
     false,
     {},
     [](BarActions& a, QAction*) { a.ColorDialog(); }},
    {"QuickReference1",
     "HTML Quick Reference",
     false,
     {},
     [](BarActions& a, QAction*) { emit a.quickReferenceRequested(); }},
    {"QuickReference2",
     "HTML Quick Reference",
     false,
     {},
     [](BarActions& a, QAction*) { emit a.quickReferenceRequested(); }},
    {"ContrastChecker1",
     "Co&ntrast Checker",
     false,
     {KeyBinding{Qt::Key_F8}},
     [](BarActions& a, QAction*) { emit a.contrastRequested(); }},
    {"ContrastChecker2",
     "Co&ntrast Checker",
     false,
     {},
     [](BarActions& a, QAction*) { emit a.contrastRequested(); }},
    {"PasteColor1",
     "&Paste Color",
     false,
     {KeyBinding{Qt::Key_V, Qt::ControlModifier}},
     [](BarActions& a, QAction*) { emit a.pasteColorRequested(); }},
    {"PasteColor2",
     "&Paste Color",
     false,
     {},
     [](BarActions& a, QAction*) { emit a.pasteColorRequested(); }},

    // "Copy Palette as" and "Save Palette as": the tray's copy items are numbered 3, as the
    // slot menu's "&HEX" is HEX2.
    {"CopyAllasBitmap1", "Color Swatches", false, {}, Export},
    {"CopyAllasBitmap2", "Color Swatches", false, {}, Export},
    {"HEX1", "&HEX", false, {}, Export},
    {"HEXwith1", "HE&X with #", false, {}, Export},
    {"RGB1", "&RGB", false, {}, Export},
    {"HEX3", "&HEX", false, {}, Export},
    {"HEXwith3", "HE&X with #", false, {}, Export},
    {"RGB3", "&RGB", false, {}, Export},
    {"PortableNetworkGraphicsFile1", "Portable Network Graphics File (.png)", false, {}, Export},
    {"PortableNetworkGraphicsFile2", "Portable Network Graphics File (.png)", false, {}, Export},
    {"WindowsBitmapFile1", "Windows Bitmap File (.bmp)", false, {}, Export},
    {"WindowsBitmapFilebmp1", "Windows Bitmap File (.bmp)", false, {}, Export},
    {"GraphicsInterchangeFormat1", "Graphics Interchange Format (.gif)", false, {}, Export},
    {"GraphicsInterchangeFormatgif1", "Graphics Interchange Format (.gif)", false, {}, Export},
    {"PhotoShopSwatches1", "Photoshop Swatches (.aco)", false, {}, Export},
    {"PhotoShopSwatches2", "Photoshop Swatches (.aco)", false, {}, Export},
    {"VTOrlinColorList1", "VT Orlin Color List...", false, {}, Export},
    {"VTOrlinColorList2", "VT Orlin Color List...", false, {}, Export},
    {"GIMPPalette1", "GIMP Palette (.gpl)...", false, {}, Export},
    {"GIMPPalette2", "GIMP Palette (.gpl)...", false, {}, Export},
    {"AdobeSwatchExchange1", "Adobe Swatch Exchange (.ase)...", false, {}, Export},
    {"AdobeSwatchExchange2", "Adobe Swatch Exchange (.ase)...", false, {}, Export},
    {"PhotoshopSwatcheswithNames1", "Photoshop Swatches with Names (.aco)...", false, {}, Export},
    {"PhotoshopSwatcheswithNames2", "Photoshop Swatches with Names (.aco)...", false, {}, Export},
    {"CSSCustomProperties1", "CSS Custom Properties (.css)...", false, {}, Export},
    {"CSSCustomProperties2", "CSS Custom Properties (.css)...", false, {}, Export},
    {"JSON1", "JSON (.json)...", false, {}, Export},
    {"JSON2", "JSON (.json)...", false, {}, Export},
    // The copies: numbered 3 and 4 after the saves' 1 and 2.
    {"CSSCustomProperties3", "CSS Custom Properties", false, {}, Export},
    {"CSSCustomProperties4", "CSS Custom Properties", false, {}, Export},
    {"JSON3", "JSON", false, {}, Export},
    {"JSON4", "JSON", false, {}, Export},
    {"OpenPalette1",
     "Open Pa&lette...",
     false,
     {},
     [](BarActions& a, QAction*) { emit a.openPaletteRequested(); }},
    {"OpenPalette2",
     "Open Pa&lette...",
     false,
     {},
     [](BarActions& a, QAction*) { emit a.openPaletteRequested(); }},

    // Options. A check item has already changed its tick when it reports the click.
    {"StayonTop1",
     "Stay on Top",
     true,
     {},
     [](BarActions& a, QAction* item) { a.SetStayOnTop(item->isChecked()); }},
    {"StayonTop2",
     "Stay on Top",
     true,
     {},
     [](BarActions& a, QAction* item) { a.SetStayOnTop(item->isChecked()); }},
    {"AutoCopy1",
     "Auto Copy",
     true,
     {},
     [](BarActions& a, QAction* item) { a.SetAutoCopy(item->isChecked()); }},
    {"MoreOptions1",
     "More Options...",
     false,
     {KeyBinding{Qt::Key_F3}},
     [](BarActions& a, QAction*) { emit a.optionsRequested(); }},
    {"Options2",
     "&Options...",
     false,
     {},
     [](BarActions& a, QAction*) { emit a.optionsRequested(); }},

    // Help.
    {"HelpDocuments1",
     "&Help Documents...",
     false,
     {KeyBinding{Qt::Key_F1}},
     [](BarActions& a, QAction*) { a.OpenHelp("index.htm"); }},
    {"Help1", "H&elp...", false, {}, [](BarActions& a, QAction*) { a.OpenHelp("index.htm"); }},
    {"Howto1", "How to...", false, {}, [](BarActions& a, QAction*) { a.OpenHelp("howto.htm"); }},
    {"QuickStartGuide1",
     "Quick Start Guide",
     false,
     {},
     [](BarActions& a, QAction*) { a.OpenHelp("qsg.htm"); }},
    {"KeyboardShortcuts1",
     "Keyboard Shortcuts",
     false,
     {},
     [](BarActions& a, QAction*) { a.OpenHelp("keyboard.htm"); }},
    {"VTJ1", kHomePageCaption, false, {}, [](BarActions& a, QAction*) { a.OpenPage(kHomePage); }},
    {"CheckforNewVersion1",
     "&Check for New Version",
     false,
     {},
     [](BarActions& a, QAction*) { emit a.checkForUpdatesRequested(); }},
    {"Support1", "&Support", false, {}, [](BarActions& a, QAction*) { a.OpenPage(kSupportPage); }},
    {"ReportProblem1",
     "Report Problem",
     false,
     {},
     [](BarActions& a, QAction*) { a.OpenPage(kReportProblemPage); }},
    {"ColorResources1",
     "Color Resources",
     false,
     {},
     [](BarActions& a, QAction*) { a.OpenPage(kColorResourcesPage); }},
    {"OnlineColorSchemeGenerator1",
     "Online Color Scheme Generator",
     false,
     {},
     [](BarActions& a, QAction*) { a.OpenPage(kColorSchemeGeneratorPage); }},
    {"About1", "&About...", false, {}, [](BarActions& a, QAction*) { emit a.aboutRequested(); }},
    {"About2", "&About...", false, {}, [](BarActions& a, QAction*) { emit a.aboutRequested(); }},

    // Hiding, showing and leaving.
    {"HideMiniOrlin1",
     "&Hide TWL",
     false,
     {KeyBinding{Qt::Key_Escape}, KeyBinding{Qt::Key_W, Qt::ControlModifier}},
     [](BarActions& a, QAction*) { a.Hide(); }},
    {"ShowTWL1", "&Show TWL", false, {}, [](BarActions& a, QAction*) { a.Show(); }},
    {"Exit1", "E&xit", false, {}, [](BarActions& a, QAction*) { a.Exit(); }},
    {"Exit2", "E&xit", false, {}, [](BarActions& a, QAction*) { a.Exit(); }},

    // The colour menu of a palette slot.
    {"HEX2", "&HEX", false, {}, [](BarActions& a, QAction*) { a.CopyCurrentAs("HEX"); }},
    {"HEXwith2",
     "HE&X with #",
     false,
     {},
     [](BarActions& a, QAction*) { a.CopyCurrentAs("HEX with #"); }},
    {"ColorSwatch2",
     "Color S&watch",
     false,
     {},
     [](BarActions& a, QAction*) { a.CopyCurrentSwatch(); }},
    {"RGB2", "&RGB", false, {}, [](BarActions& a, QAction*) { a.CopyCurrentAs("RGB"); }},
    {"HSL2", "H&SL", false, {}, [](BarActions& a, QAction*) { a.CopyCurrentAs("HSL"); }},
    {"DelphiHex2",
     "&Delphi Hex",
     false,
     {},
     [](BarActions& a, QAction*) { a.CopyCurrentAs("Delphi Hex"); }},
    {"VBHex2", "V&B Hex", false, {}, [](BarActions& a, QAction*) { a.CopyCurrentAs("VB Hex"); }},
    {"VCHex2",
     "V&C++ Hex",
     false,
     {},
     [](BarActions& a, QAction*) { a.CopyCurrentAs("VC++ Hex"); }},
    {"ActionScriptHex2",
     "&ActionScript Hex",
     false,
     {},
     [](BarActions& a, QAction*) { a.CopyCurrentAs("Actionscript Hex"); }},
    {"MakeWebsafe2", "Make Web Safe", false, {}, [](BarActions& a, QAction*) { a.MakeWebSafe(); }},
    {"Removefrompalette1",
     "Remove from Palette",
     false,
     {},
     [](BarActions& a, QAction*) { a.RemoveSelected(); }},

    // Keys with no menu item.
    {nullptr,
     nullptr,
     false,
     {KeyBinding{Qt::Key_C, Qt::ControlModifier}},
     [](BarActions& a, QAction*) { emit a.autoCopyNewestRequested(); }},
    {nullptr,
     nullptr,
     false,
     {KeyBinding{Qt::Key_F7}},
     [](BarActions& a, QAction*) { emit a.colorPropertiesRequested(); }},
    {nullptr,
     nullptr,
     false,
     {KeyBinding{Qt::Key_F10}},
     [](BarActions& a, QAction*) { a.OpenMainMenuAtTitle(); }},
    {nullptr,
     nullptr,
     false,
     {KeyBinding{Qt::Key_F, Qt::ControlModifier}},
     [](BarActions& a, QAction*) { emit a.fontsRequested(); }},
};

const std::pair<const char*, const char*> kSubmenus[] = {{"CopyPaletteas1", "&Copy Palette as"},
                                                         {"CopyPaletteas2", "&Copy Palette as"},
                                                         {"SavePaletteas1", "Save Palette as"},
                                                         {"SavePaletteas2", "Save Palette as"},
                                                         {"ColorSwatches1", "Color Swatches"},
                                                         {"ColorSwatches2", "Color Swatches"},
                                                         {"Options1", "&Options"},
                                                         {"Help2", "H&elp"},
                                                         {"QuickTips1", "Quick Tips"},
                                                         {"VTontheWeb1", "Online Resources"}};

// "-Name" a separator, "+Name" a submenu whose items follow up to "<".
const char* const kMainMenu[] = {"EyeDropper1",
                                 "QuickColorPalette1",
                                 "NamedColors1",
                                 "TestLayout1",
                                 "WindowsColorDialog1",
                                 "QuickReference1",
                                 "ContrastChecker1",
                                 "-N7",
                                 "PasteColor1",
                                 "+CopyPaletteas1",
                                 "CopyAllasBitmap1",
                                 "HEX1",
                                 "HEXwith1",
                                 "RGB1",
                                 "CSSCustomProperties3",
                                 "JSON3",
                                 "<",
                                 "+SavePaletteas1",
                                 "+ColorSwatches1",
                                 "PortableNetworkGraphicsFile1",
                                 "WindowsBitmapFile1",
                                 "GraphicsInterchangeFormat1",
                                 "PhotoShopSwatches1",
                                 "<",
                                 "VTOrlinColorList1",
                                 "GIMPPalette1",
                                 "AdobeSwatchExchange1",
                                 "PhotoshopSwatcheswithNames1",
                                 "CSSCustomProperties1",
                                 "JSON1",
                                 "<",
                                 "OpenPalette1",
                                 "-N1",
                                 "+Options1",
                                 "StayonTop1",
                                 "AutoCopy1",
                                 "-N12",
                                 "MoreOptions1",
                                 "<",
                                 "+Help2",
                                 "HelpDocuments1",
                                 "Howto1",
                                 "-N8",
                                 "+QuickTips1",
                                 "QuickStartGuide1",
                                 "KeyboardShortcuts1",
                                 "<",
                                 "+VTontheWeb1",
                                 "VTJ1",
                                 "CheckforNewVersion1",
                                 "Support1",
                                 "ReportProblem1",
                                 "-N13",
                                 "ColorResources1",
                                 "OnlineColorSchemeGenerator1",
                                 "<",
                                 "-N10",
                                 "About1",
                                 "<",
                                 "-N2",
                                 "HideMiniOrlin1",
                                 "Exit1"};

const char* const kTrayMenu[] = {"ShowTWL1",
                                 "-N9",
                                 "EyeDropper2",
                                 "QuickColorPalette2",
                                 "NamedColors2",
                                 "TestLayout2",
                                 "WindowsColorDialog2",
                                 "QuickReference2",
                                 "ContrastChecker2",
                                 "-N5",
                                 "PasteColor2",
                                 "+CopyPaletteas2",
                                 "CopyAllasBitmap2",
                                 "HEX3",
                                 "HEXwith3",
                                 "RGB3",
                                 "CSSCustomProperties4",
                                 "JSON4",
                                 "<",
                                 "+SavePaletteas2",
                                 "+ColorSwatches2",
                                 "PortableNetworkGraphicsFile2",
                                 "WindowsBitmapFilebmp1",
                                 "GraphicsInterchangeFormatgif1",
                                 "PhotoShopSwatches2",
                                 "<",
                                 "VTOrlinColorList2",
                                 "GIMPPalette2",
                                 "AdobeSwatchExchange2",
                                 "PhotoshopSwatcheswithNames2",
                                 "CSSCustomProperties2",
                                 "JSON2",
                                 "<",
                                 "OpenPalette2",
                                 "-N11",
                                 "StayonTop2",
                                 "Options2",
                                 "Help1",
                                 "About2",
                                 "-N4",
                                 "Exit2"};

const char* const kSlotMenu[] = {
    "HEX2",   "HEXwith2", "ColorSwatch2",     "RGB2", "HSL2",         "DelphiHex2",
    "VBHex2", "VCHex2",   "ActionScriptHex2", "-N3",  "MakeWebsafe2", "Removefrompalette1"};

} // namespace

BarActions::BarActions(MainBar& bar, PaletteController& palette, Settings& settings,
                       const FormatList& formats, Services services, std::string programFolder)
    : QObject(&bar), bar_(bar), palette_(palette), settings_(settings), formats_(formats),
      services_(services), programFolder_(std::move(programFolder)) {
    for (const BarCommand& command : kCommands) {
        if (command.name == nullptr) {
            continue;
        }
        QAction* item = table_.Add(this, command.name, command.caption, command.checkable);
        connect(item, &QAction::triggered, this,
                [this, item, run = command.run] { run(*this, item); });
    }
    for (const auto& [name, caption] : kSubmenus) {
        table_.AddSubmenu(name, caption);
    }
    mainMenu_ = table_.BuildMenu(&bar, QStringLiteral("MainMenu"), kMainMenu);
    trayMenu_ = table_.BuildMenu(&bar, QStringLiteral("TrayMenu"), kTrayMenu);
    slotMenu_ = table_.BuildMenu(&bar, QStringLiteral("ColorRightMenu"), kSlotMenu);

    QAction* show = Item(QStringLiteral("ShowTWL1"));
    QFont bold = show->font();
    bold.setBold(true);
    show->setFont(bold);
    trayMenu_->setDefaultAction(show);

    Item(QStringLiteral("StayonTop1"))->setChecked(settings_.stayOnTop);
    Item(QStringLiteral("StayonTop2"))->setChecked(settings_.stayOnTop);
    Item(QStringLiteral("AutoCopy1"))->setChecked(settings_.autoCopy);
}

void BarActions::HandleKey(QKeyEvent* event) {
    for (const BarCommand& command : kCommands) {
        for (const KeyBinding& key : command.keys) {
            if (key.Matches(*event)) {
                command.run(*this,
                            command.name ? Item(QString::fromLatin1(command.name)) : nullptr);
                event->accept();
                return;
            }
        }
    }
}

void BarActions::OpenPage(const char* address) {
    services_.shell.Open(address);
}

void BarActions::OpenHelp(const char* page) {
    OpenHelpPage(services_.shell, programFolder_, page);
}

void BarActions::CopyCurrentAs(const char* format) {
    CopyColorAs(services_.clipboard, formats_, palette_.CurrentColor(), format);
}

void BarActions::CopyCurrentSwatch() {
    emit colorSwatchRequested(palette_.CurrentColor());
}

void BarActions::RemoveSelected() {
    palette_.RemoveSelectedColor();
}

void BarActions::MakeWebSafe() {
    if (const auto color = palette_.Model().LineColor(palette_.SelectedSlot())) {
        palette_.ReplaceSelectedColor(ColorToText(SnapToWebSafe(*color)));
    }
}

void BarActions::SetStayOnTop(bool on) {
    settings_.stayOnTop = on;
    Item(QStringLiteral("StayonTop1"))->setChecked(on);
    Item(QStringLiteral("StayonTop2"))->setChecked(on);
    bar_.ApplyStayOnTop(on);
}

void BarActions::SetAutoCopy(bool on) {
    settings_.autoCopy = on;
    Item(QStringLiteral("AutoCopy1"))->setChecked(on);
}

void BarActions::ColorDialog() {
    const auto chosen = services_.dialogs.AskColor(lastDialogColor_);
    if (!chosen) {
        return;
    }
    lastDialogColor_ = *chosen;
    palette_.AddColorToPalette(*chosen);
}

void BarActions::Hide() {
    bar_.hide();
    remembered_.assign(toolWindows_.size(), false);
    for (std::size_t i = 0; i < toolWindows_.size(); ++i) {
        if (QWidget* window = toolWindows_[i]) {
            remembered_[i] = window->isVisible();
            window->close();
        }
    }
}

void BarActions::Show() {
    bar_.showNormal();
    bar_.raise();
    bar_.activateWindow();
    for (std::size_t i = 0; i < toolWindows_.size() && i < remembered_.size(); ++i) {
        if (QWidget* window = toolWindows_[i]; window != nullptr && remembered_[i]) {
            window->show();
        }
    }
}

void BarActions::OpenMainMenuAtTitle() {
    const QPoint bar = SyncWindowPosition(bar_);
    mainMenu_->popup(bar + QPoint(4, 6));
}

void BarActions::Exit() {
    bar_.close();
}

} // namespace twl
