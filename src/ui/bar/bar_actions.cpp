#include "ui/bar/bar_actions.h"

#include "app/program.h"
#include "core/color/color_adjust.h"
#include "platform/dialogs.h"
#include "platform/global_hotkey.h"
#include "platform/shell.h"
#include "platform/window_position_sync.h"
#include "ui/bar/bar_pictures.h"
#include "ui/bar/main_bar.h"
#include "ui/bar/palette_controller.h"
#include "ui/bar/web_addresses.h"
#include "ui/bar/window_placer.h"
#include "ui/common/help_page.h"
#include "ui/eye_dropper/eye_dropper_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSystemTrayIcon>

namespace twl {

BarCommands::BarCommands(Program& program) : program_(program) {
    menus_ = BuildBarMenus(&program.MainBar());
    menus_.Item("StayonTop1")->setChecked(program.CurrentSettings().stayOnTop);
    menus_.Item("StayonTop2")->setChecked(program.CurrentSettings().stayOnTop);
    menus_.Item("AutoCopy1")->setChecked(program.CurrentSettings().autoCopy);
    ConnectItems();

    tray_ = new QSystemTrayIcon(TrayPicture(), this);
    tray_->setToolTip(QStringLiteral("VT Tintwell"));
    tray_->setContextMenu(menus_.trayMenu);
    connect(tray_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger) {
                    Show();
                }
            });
    tray_->show();

    Form1& bar = program.MainBar();
    bar.OnKey([this](QKeyEvent* event) { return OnBarKey(event); });
    bar.OnMoved([this] { program_.Placer().PlaceAll(); });
    PressableLabel* title = program.Palette().View().Title();
    title->onPress = [this, &bar](QMouseEvent* event) {
        if (event->button() == Qt::LeftButton) {
            bar.StartMove();
        } else if (event->button() == Qt::RightButton) {
            menus_.mainMenu->popup(event->globalPosition().toPoint());
        }
    };
    program.Palette().Hooks().openSlotMenu = [this](QPoint at) {
        menus_.colorRightMenu->popup(at);
    };
    program.Platform().hotkey.OnPressed([this] { HotkeyPressed(); });
}

BarCommands::~BarCommands() {
    program_.Platform().hotkey.Unregister();
}

void BarCommands::Connect(const QString& item, std::function<void()> command) {
    if (QAction* action = menus_.Item(item)) {
        connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    }
}

void BarCommands::Later(const QString& item, const std::function<void()>& command) {
    Connect(item, [&command] {
        if (command) {
            command();
        }
    });
}

void BarCommands::OpenPage(const char* address) {
    program_.Platform().shell.Open(address);
}

void BarCommands::OpenHelp(const char* page) {
    OpenHelpPage(program_.Platform().shell, program_.Folders().programFolder, page);
}

void BarCommands::CopyCurrentAs(const char* format) {
    CopyColorAs(program_.Platform().clipboard, program_.Formats(),
                program_.Palette().CurrentColor(), format);
}

void BarCommands::ConnectItems() {
    for (const char* n : {"1", "2"}) {
        const QString s = QString::fromLatin1(n);
        Connect("EyeDropper" + s, [this] { program_.EyeDropperCommand(); });
        Later("QuickColorPalette" + s, later_.quickPalette);
        Later("NamedColors" + s, later_.namedColors);
        Later("TestLayout" + s, later_.testLayouts);
        Connect("WindowsColorDialog" + s, [this] { ColorDialog(); });
        Later("QuickReference" + s, later_.quickReference);
        Later("PasteColor" + s, later_.pasteColor);
        // A check item has already changed its tick when it reports the click.
        Connect("StayonTop" + s,
                [this, s] { SetStayOnTop(menus_.Item("StayonTop" + s)->isChecked()); });
        Connect("Exit" + s, [this] { program_.MainBar().close(); });
        for (const char* item :
             {"CopyAllasBitmap", "PortableNetworkGraphicsFile", "WindowsBitmapFile",
              "GraphicsInterchangeFormat", "PhotoShopSwatches", "VTOrlinColorList"}) {
            const QString name = QString::fromLatin1(item) + s;
            Connect(name, [this, name] {
                if (later_.paletteExport) {
                    later_.paletteExport(name);
                }
            });
        }
    }
    for (const char* item : {"HEX1", "HEXwith1", "RGB1", "HEX3", "HEXwith3", "RGB3"}) {
        const QString name = QString::fromLatin1(item);
        Connect(name, [this, name] {
            if (later_.paletteExport) {
                later_.paletteExport(name);
            }
        });
    }
    Connect("AutoCopy1", [this] {
        program_.CurrentSettings().autoCopy = menus_.Item("AutoCopy1")->isChecked();
    });
    Later("MoreOptions1", later_.options);
    Later("Options2", later_.options);
    Connect("HelpDocuments1", [this] { OpenHelp("index.htm"); });
    Connect("Help1", [this] { OpenHelp("index.htm"); });
    Connect("Howto1", [this] { OpenHelp("howto.htm"); });
    Connect("QuickStartGuide1", [this] { OpenHelp("qsg.htm"); });
    Connect("KeyboardShortcuts1", [this] { OpenHelp("keyboard.htm"); });
    Connect("VTJ1", [this] { OpenPage(kHomePage); });
    Later("CheckforNewVersion1", later_.checkForUpdates);
    Connect("Support1", [this] { OpenPage(kSupportPage); });
    Connect("ReportProblem1", [this] { OpenPage(kReportProblemPage); });
    Connect("ColorResources1", [this] { OpenPage(kColorResourcesPage); });
    Connect("OnlineColorSchemeGenerator1", [this] { OpenPage(kColorSchemeGeneratorPage); });
    Later("About1", later_.about);
    Later("About2", later_.about);
    Connect("HideMiniOrlin1", [this] { Hide(); });
    Connect("ShowTWL1", [this] { Show(); });

    const std::pair<const char*, const char*> copies[] = {{"HEX2", "HEX"},
                                                          {"HEXwith2", "HEX with #"},
                                                          {"RGB2", "RGB"},
                                                          {"HSL2", "HSL"},
                                                          {"DelphiHex2", "Delphi Hex"},
                                                          {"VBHex2", "VB Hex"},
                                                          {"VCHex2", "VC++ Hex"},
                                                          {"ActionScriptHex2", "Actionscript Hex"}};
    for (const auto& [item, format] : copies) {
        Connect(QString::fromLatin1(item), [this, format = format] { CopyCurrentAs(format); });
    }
    Connect("ColorSwatch2", [this] {
        if (later_.copyColorSwatch) {
            later_.copyColorSwatch(program_.Palette().CurrentColor());
        }
    });
    Connect("MakeWebsafe2", [this] { MakeWebSafe(); });
    Connect("Removefrompalette1", [this] { program_.Palette().RemoveSelectedColor(); });
}

bool BarCommands::RegisterHotkey() {
    GlobalHotkey& hotkey = program_.Platform().hotkey;
    hotkey.Unregister();
    const auto& wanted = program_.CurrentSettings().globalHotkey;
    return wanted && hotkey.Register(*wanted);
}

void BarCommands::MakeWebSafe() {
    PaletteController& palette = program_.Palette();
    if (const auto color = palette.Model().LineColor(palette.SelectedSlot())) {
        palette.ReplaceSelectedColor(ColorToText(SnapToWebSafe(*color)));
    }
}

void BarCommands::ToggleStayOnTop() {
    SetStayOnTop(!program_.CurrentSettings().stayOnTop);
}

void BarCommands::SetStayOnTop(bool on) {
    Settings& settings = program_.CurrentSettings();
    settings.stayOnTop = on;
    menus_.Item("StayonTop1")->setChecked(settings.stayOnTop);
    menus_.Item("StayonTop2")->setChecked(settings.stayOnTop);
    program_.MainBar().ApplyStayOnTop(settings.stayOnTop);
}

void BarCommands::ToggleAutoCopy() {
    Settings& settings = program_.CurrentSettings();
    settings.autoCopy = !settings.autoCopy;
    menus_.Item("AutoCopy1")->setChecked(settings.autoCopy);
}

void BarCommands::ColorDialog() {
    const auto chosen = program_.Platform().dialogs.AskColor(lastDialogColor_);
    if (!chosen) {
        return;
    }
    lastDialogColor_ = *chosen;
    program_.Palette().AddColorToPalette(*chosen);
}

void BarCommands::Hide() {
    program_.MainBar().hide();
    remembered_.assign(toolWindows_.size(), false);
    for (std::size_t i = 0; i < toolWindows_.size(); ++i) {
        if (QWidget* window = toolWindows_[i]) {
            remembered_[i] = window->isVisible();
            window->close();
        }
    }
}

void BarCommands::Show() {
    Form1& bar = program_.MainBar();
    bar.showNormal();
    bar.raise();
    bar.activateWindow();
    for (std::size_t i = 0; i < toolWindows_.size() && i < remembered_.size(); ++i) {
        if (QWidget* window = toolWindows_[i]; window != nullptr && remembered_[i]) {
            window->show();
        }
    }
}

void BarCommands::HotkeyPressed() {
    Form1& bar = program_.MainBar();
    if (!bar.isVisible()) {
        bar.show();
    }
    const Settings& settings = program_.CurrentSettings();
    if (settings.autoCopy) {
        Form2& eyeDropper = program_.EyeDropper();
        eyeDropper.SampleColorAt({}, true);
        PaletteController& palette = program_.Palette();
        palette.InsertColorAtTop(eyeDropper.Sampler().SampledColor());
        palette.ShowPalette();
        palette.SizePaletteBar();
        if (settings.autoCopyOnHotkey) {
            program_.AutoCopyNewest();
        }
        palette.RefreshTestLayouts();
    }
    bar.raise();
    bar.activateWindow();
}

bool BarCommands::OnBarKey(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    const auto run = [](const std::function<void()>& command) {
        if (command) {
            command();
        }
    };
    switch (key) {
    case Qt::Key_Escape:
        Hide();
        return true;
    case Qt::Key_F1:
        OpenHelp("index.htm");
        return true;
    case Qt::Key_W:
        if (ctrl) {
            Hide();
            return true;
        }
        return false;
    case Qt::Key_C:
        if (ctrl) {
            program_.AutoCopyNewest();
            return true;
        }
        return false;
    case Qt::Key_V:
        if (ctrl) {
            run(later_.pasteColor);
            return true;
        }
        return false;
    case Qt::Key_F3:
        run(later_.options);
        return true;
    case Qt::Key_F4:
        if (mods & Qt::AltModifier) {
            return false; // the window manager's
        }
        program_.EyeDropperCommand();
        return true;
    case Qt::Key_F5:
        run(later_.quickPalette);
        return true;
    case Qt::Key_F6:
        run(later_.testLayouts);
        return true;
    case Qt::Key_F7:
        run(later_.colorProperties);
        return true;
    case Qt::Key_F10: {
        const QPoint bar = SyncWindowPosition(program_.MainBar());
        menus_.mainMenu->popup(bar + QPoint(4, 6));
        return true;
    }
    default:
        return false;
    }
}

} // namespace twl
