#include "ui/bar/bar_menus.h"

#include "ui/bar/web_addresses.h"

#include <string>

namespace twl {

namespace {

struct Entry {
    const char* caption;
    const char* name;
};

class MenuBuilder {
public:
    explicit MenuBuilder(BarMenus& menus) : menus_(menus) {}

    QAction* Add(QMenu* menu, const QString& caption, const char* name, bool checkable = false) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(checkable);
        menus_.items[action->objectName()] = action;
        return action;
    }
    QMenu* Sub(QMenu* menu, const QString& caption, const char* name) {
        QMenu* sub = menu->addMenu(caption);
        sub->menuAction()->setObjectName(QString::fromLatin1(name));
        menus_.items[sub->menuAction()->objectName()] = sub->menuAction();
        return sub;
    }
    void Separator(QMenu* menu, const char* name) {
        QAction* separator = menu->addSeparator();
        separator->setObjectName(QString::fromLatin1(name));
    }

    // The window commands both the main menu and the tray menu offer; suffix "1" or "2".
    void Tools(QMenu* menu, const char* suffix) {
        const Entry entries[] = {{"Eye Dropper", "EyeDropper"},
                                 {"&Quick Color Palette", "QuickColorPalette"},
                                 {"Named Colors", "NamedColors"},
                                 {"Test Layouts", "TestLayout"},
                                 {"Windows Color &Dialog...", "WindowsColorDialog"},
                                 {"HTML Quick Reference", "QuickReference"}};
        for (const Entry& entry : entries) {
            Named(menu, entry.caption, std::string(entry.name) + suffix);
        }
    }
    // "&Copy Palette as" and "Save Palette as" with their items. The tray's copy items are
    // numbered 3, as the slot menu's "&HEX" is HEX2.
    void PaletteExports(QMenu* menu, const char* copyName, const char* saveName,
                        const char* swatchesName, bool inTray) {
        const std::string s = inTray ? "2" : "1";
        const std::string copySuffix = inTray ? "3" : "1";
        QMenu* copy = Sub(menu, QStringLiteral("&Copy Palette as"), copyName);
        Named(copy, "Color Swatches", "CopyAllasBitmap" + s);
        Named(copy, "&HEX", "HEX" + copySuffix);
        Named(copy, "HE&X with #", "HEXwith" + copySuffix);
        Named(copy, "&RGB", "RGB" + copySuffix);
        QMenu* save = Sub(menu, QStringLiteral("Save Palette as"), saveName);
        QMenu* swatches = Sub(save, QStringLiteral("Color Swatches"), swatchesName);
        Named(swatches, "Portable Network Graphics File (.png)",
              std::string("PortableNetworkGraphicsFile") + s);
        Named(swatches, "Windows Bitmap File (.bmp)", std::string("WindowsBitmapFile") + s);
        Named(swatches, "Graphics Interchange Format (.gif)",
              std::string("GraphicsInterchangeFormat") + s);
        Named(swatches, "Photoshop Swatches (.aco)", std::string("PhotoShopSwatches") + s);
        Named(save, "VT Orlin Color List...", std::string("VTOrlinColorList") + s);
    }

    QAction* Named(QMenu* menu, const char* caption, const std::string& name) {
        return Add(menu, QString::fromUtf8(caption), name.c_str());
    }

private:
    BarMenus& menus_;
};

void BuildMainMenu(MenuBuilder& b, QMenu* menu) {
    b.Tools(menu, "1");
    b.Separator(menu, "N7");
    b.Add(menu, QStringLiteral("&Paste Color"), "PasteColor1");
    b.PaletteExports(menu, "CopyPaletteas1", "SavePaletteas1", "ColorSwatches1", false);
    b.Separator(menu, "N1");
    QMenu* options = b.Sub(menu, QStringLiteral("&Options"), "Options1");
    b.Add(options, QStringLiteral("Stay on Top"), "StayonTop1", true);
    b.Add(options, QStringLiteral("Auto Copy"), "AutoCopy1", true);
    b.Separator(options, "N12");
    b.Add(options, QStringLiteral("More Options..."), "MoreOptions1");
    QMenu* help = b.Sub(menu, QStringLiteral("H&elp"), "Help2");
    b.Add(help, QStringLiteral("&Help Documents..."), "HelpDocuments1");
    b.Add(help, QStringLiteral("How to..."), "Howto1");
    b.Separator(help, "N8");
    QMenu* tips = b.Sub(help, QStringLiteral("Quick Tips"), "QuickTips1");
    b.Add(tips, QStringLiteral("Quick Start Guide"), "QuickStartGuide1");
    b.Add(tips, QStringLiteral("Keyboard Shortcuts"), "KeyboardShortcuts1");
    QMenu* web = b.Sub(help, QStringLiteral("Online Resources"), "VTontheWeb1");
    b.Add(web, QStringLiteral("VT Home Page (%1)").arg(QString::fromLatin1(kHomePageHost)), "VTJ1");
    b.Add(web, QStringLiteral("&Check for New Version"), "CheckforNewVersion1");
    b.Add(web, QStringLiteral("&Support"), "Support1");
    b.Add(web, QStringLiteral("Report Problem"), "ReportProblem1");
    b.Separator(web, "N13");
    b.Add(web, QStringLiteral("Color Resources"), "ColorResources1");
    b.Add(web, QStringLiteral("Online Color Scheme Generator"), "OnlineColorSchemeGenerator1");
    b.Separator(help, "N10");
    b.Add(help, QStringLiteral("&About..."), "About1");
    b.Separator(menu, "N2");
    b.Add(menu, QStringLiteral("&Hide TWL"), "HideMiniOrlin1");
    b.Add(menu, QStringLiteral("E&xit"), "Exit1");
}

void BuildTrayMenu(MenuBuilder& b, QMenu* menu) {
    QAction* show = b.Add(menu, QStringLiteral("&Show TWL"), "ShowTWL1");
    QFont bold = show->font();
    bold.setBold(true);
    show->setFont(bold);
    menu->setDefaultAction(show);
    b.Separator(menu, "N9");
    b.Tools(menu, "2");
    b.Separator(menu, "N5");
    b.Add(menu, QStringLiteral("&Paste Color"), "PasteColor2");
    b.PaletteExports(menu, "CopyPaletteas2", "SavePaletteas2", "ColorSwatches2", true);
    b.Separator(menu, "N11");
    b.Add(menu, QStringLiteral("Stay on Top"), "StayonTop2", true);
    b.Add(menu, QStringLiteral("&Options..."), "Options2");
    b.Add(menu, QStringLiteral("H&elp..."), "Help1");
    b.Add(menu, QStringLiteral("&About..."), "About2");
    b.Separator(menu, "N4");
    b.Add(menu, QStringLiteral("E&xit"), "Exit2");
}

void BuildColorRightMenu(MenuBuilder& b, QMenu* menu) {
    b.Add(menu, QStringLiteral("&HEX"), "HEX2");
    b.Add(menu, QStringLiteral("HE&X with #"), "HEXwith2");
    b.Add(menu, QStringLiteral("Color S&watch"), "ColorSwatch2");
    b.Add(menu, QStringLiteral("&RGB"), "RGB2");
    b.Add(menu, QStringLiteral("H&SL"), "HSL2");
    b.Add(menu, QStringLiteral("&Delphi Hex"), "DelphiHex2");
    b.Add(menu, QStringLiteral("V&B Hex"), "VBHex2");
    b.Add(menu, QStringLiteral("V&C++ Hex"), "VCHex2");
    b.Add(menu, QStringLiteral("&ActionScript Hex"), "ActionScriptHex2");
    b.Separator(menu, "N3");
    b.Add(menu, QStringLiteral("Make Web Safe"), "MakeWebsafe2");
    b.Add(menu, QStringLiteral("Remove from Palette"), "Removefrompalette1");
}

} // namespace

QAction* BarMenus::Item(const QString& name) const {
    const auto found = items.find(name);
    return found == items.end() ? nullptr : found->second;
}

BarMenus BuildBarMenus(QWidget* owner) {
    BarMenus menus;
    MenuBuilder builder(menus);
    menus.mainMenu = new QMenu(owner);
    menus.mainMenu->setObjectName(QStringLiteral("MainMenu"));
    BuildMainMenu(builder, menus.mainMenu);
    menus.trayMenu = new QMenu(owner);
    menus.trayMenu->setObjectName(QStringLiteral("TrayMenu"));
    BuildTrayMenu(builder, menus.trayMenu);
    menus.colorRightMenu = new QMenu(owner);
    menus.colorRightMenu->setObjectName(QStringLiteral("ColorRightMenu"));
    BuildColorRightMenu(builder, menus.colorRightMenu);
    return menus;
}

} // namespace twl
