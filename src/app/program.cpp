#include "app/program.h"

#include "app/error_report.h"
#include "app/single_instance.h"
#include "core/placement/window_position.h"
#include "core/quick_palette/named_colors.h"
#include "core/startup/autostart.h"
#include "platform/dialogs.h"
#include "platform/global_hotkey.h"
#include "platform/monitors.h"
#include "platform/shell.h"
#include "platform/update_downloader.h"
#include "platform/window_position_sync.h"
#include "ui/about/about_window.h"
#include "ui/bar/bar_actions.h"
#include "ui/bar/main_bar.h"
#include "ui/bar/palette_controller.h"
#include "ui/bar/palette_exports.h"
#include "ui/bar/paste_color.h"
#include "ui/bar/pick_flow.h"
#include "ui/bar/tray_icon.h"
#include "ui/bar/web_addresses.h"
#include "ui/bar/window_placer.h"
#include "ui/color_properties/color_properties_window.h"
#include "ui/common/help_page.h"
#include "ui/eye_dropper/eye_dropper_window.h"
#include "ui/fonts/fonts_window.h"
#include "ui/options/options_dialog.h"
#include "ui/quick_palette/quick_palette_window.h"
#include "ui/quick_reference/quick_reference_window.h"
#include "ui/test_layouts/test_layouts_window.h"
#include "ui/update_check/update_check_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace twl {

namespace {

ScreenInfo CurrentScreenInfo() {
    ScreenInfo info;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        const QRect desktop = primary->virtualGeometry();
        info.desktopLeft = desktop.left();
        info.desktopTop = desktop.top();
        info.desktopWidth = desktop.width();
        info.desktopHeight = desktop.height();
        info.primaryHeight = primary->geometry().height();
    }
    return info;
}

} // namespace

Program::Program(Services services, ProgramEnvironment environment, QObject* parent)
    : QObject(parent), services_(services), environment_(std::move(environment)) {}

Program::~Program() = default;

bool Program::Start() {
    folders_ = MakeDataFolders(environment_.appDataFolder, environment_.programFolder);
    if (environment_.useInstanceGuard) {
        instance_ = std::make_unique<SingleInstance>(
            SingleInstance::KeyFor(QString::fromStdString(environment_.programPath),
                                   QString::fromStdString(folders_.userDataFolder)));
        if (!instance_->Claim()) {
            return false;
        }
        connect(instance_.get(), &SingleInstance::anotherStarted, this, &Program::BringForward);
    }

    bar_ = std::make_unique<MainBar>();
    bar_->move(kBuiltInBarLeft, kBuiltInBarTop);
    connect(bar_.get(), &MainBar::closed, this, &Program::Exit);
    palette_ = std::make_unique<PaletteController>(bar_.get(), services_.dialogs);
    placer_ = std::make_unique<WindowPlacer>(*bar_, settings_, palette_->Model());

    CreateDataFolders(environment_.appDataFolder);
    settings_ = LoadSettings(settingsList_, folders_.userDataFolder, folders_.programFolder,
                             CurrentScreenInfo(), environment_.windowsVersionCode);
    if (settings_.firstRunPending) {
        RemoveLegacyAutostart(Autostart());
        settings_.startWithWindows = true;
    }
    bar_->move(settings_.barLeft, settings_.barTop);

    palette_->LoadPalette(folders_.userDataFolder, folders_.programFolder);
    // A bar stored on a monitor that is gone now comes back onto one that is there.
    const QRect barArea = bar_->geometry();
    const Point barPlace = KeepOnSomeMonitor(
        Rect{barArea.x(), barArea.y(), barArea.width(), barArea.height()}, MonitorAreas());
    bar_->move(barPlace.x, barPlace.y);
    palette_->SaveAfterChanges(folders_.userDataFolder);
    connect(palette_.get(), &PaletteController::autoCopyDue, this, &Program::AutoCopyNewest);
    LoadColorValueFormats(formats_, folders_.sharedDataFolder, folders_.programFolder);
    bar_->ApplyStayOnTop(settings_.stayOnTop);

    if (settings_.showAtStart && environment_.buildWindowsAfterFirstPaint) {
        connect(bar_.get(), &MainBar::firstPainted, this, &Program::CreateOtherWindows,
                Qt::SingleShotConnection);
        bar_->show();
        return true;
    }
    CreateOtherWindows();
    if (settings_.showAtStart) {
        bar_->show();
    }
    return true;
}

void Program::CreateOtherWindows() {
    CreateEyeDropper();
    CreateColorProperties();
    CreateQuickPalette();
    CreateTestLayouts();
    CreateBarCommands();
    CreateOptions();
    CreateQuickReference();
    CreateFonts();
    CreateAboutAndUpdateCheck();
    emit creatingWindows();
}

void Program::CreateEyeDropper() {
    eyeDropper_ = std::make_unique<EyeDropperWindow>(settings_, formats_, services_.screen,
                                                     services_.clipboard, services_.dialogs);
    EyeDropperWindow* eye = eyeDropper_.get();
    placer_->SetEyeDropper(eye);
    connect(eye, &EyeDropperWindow::dockRequested, this, [this] { placer_->PlaceEyeDropper(); });
    connect(eye, &EyeDropperWindow::quickPaletteDockRequested, this,
            [this] { placer_->PlaceQuickPalette(); });
    connect(eye, &EyeDropperWindow::eyeDropperRequested, this, &Program::EyeDropperCommand);
    connect(eye, &EyeDropperWindow::helpRequested, this, [this](const QString& page) {
        OpenHelpPage(services_.shell, folders_.programFolder, page.toStdString());
    });
    connect(this, &Program::collectingSettings, eye, &EyeDropperWindow::CollectSettings);
}

void Program::CreateColorProperties() {
    colorProperties_ = std::make_unique<ColorPropertiesWindow>(
        settings_, formats_, *palette_, services_.clipboard, CurrentScreenInfo());
    ColorPropertiesWindow* properties = colorProperties_.get();
    properties->ShowColorProperties(palette_->CurrentColor());
    placer_->SetColorProperties(properties);
    PaletteController* palette = palette_.get();
    connect(palette, &PaletteController::showColorProperties, properties,
            &ColorPropertiesWindow::ShowColorProperties);
    connect(palette, &PaletteController::endHexEdit, properties,
            &ColorPropertiesWindow::EndHexEdit);
    connect(palette, &PaletteController::openColorProperties, properties,
            &ColorPropertiesWindow::ShowWindow);
    connect(palette, &PaletteController::placeColorProperties, this,
            [this] { placer_->PlaceColorProperties(); });
    connect(properties, &ColorPropertiesWindow::colorPicked, palette,
            [palette](TColor color) { palette->AddColorToPalette(color); });
    connect(properties, &ColorPropertiesWindow::colorPropertiesRequested, this,
            &Program::ColorPropertiesCommand);
    connect(eyeDropper_.get(), &EyeDropperWindow::colorPropertiesRequested, this,
            &Program::ColorPropertiesCommand);
    connect(properties, &ColorPropertiesWindow::eyeDropperRequested, this,
            &Program::EyeDropperCommand);
    connect(properties, &ColorPropertiesWindow::helpRequested, this, [this](const QString& page) {
        OpenHelpPage(services_.shell, folders_.programFolder, page.toStdString());
    });
    connect(this, &Program::collectingSettings, properties,
            &ColorPropertiesWindow::CollectSettings);
}

void Program::CreateQuickPalette() {
    quickPalette_ = std::make_unique<QuickPaletteWindow>(
        settings_, services_.screen,
        LoadNamedColors(std::filesystem::path(folders_.programFolder) / "namedcolors.txt"),
        CurrentScreenInfo());
    QuickPaletteWindow* quick = quickPalette_.get();
    placer_->SetQuickPalette(quick);
    PaletteController* palette = palette_.get();
    connect(quick, &QuickPaletteWindow::colorPicked, palette,
            [palette](TColor color) { palette->AddColorToPalette(color); });
    connect(quick, &QuickPaletteWindow::eyeDropperRequested, this, &Program::EyeDropperCommand);
    connect(quick, &QuickPaletteWindow::colorPropertiesRequested, this,
            &Program::ColorPropertiesCommand);
    connect(quick, &QuickPaletteWindow::helpRequested, this, [this](const QString& page) {
        OpenHelpPage(services_.shell, folders_.programFolder, page.toStdString());
    });
    connect(eyeDropper_.get(), &EyeDropperWindow::quickPaletteRequested, this,
            &Program::QuickPaletteCommand);
    connect(colorProperties_.get(), &ColorPropertiesWindow::quickPaletteRequested, this,
            &Program::QuickPaletteCommand);
    connect(this, &Program::collectingSettings, quick, &QuickPaletteWindow::CollectSettings);
}

void Program::CreateTestLayouts() {
    testLayouts_ =
        std::make_unique<TestLayoutsWindow>(settings_, folders_, *palette_, services_.clipboard,
                                            services_.dialogs, CurrentScreenInfo());
    TestLayoutsWindow* layouts = testLayouts_.get();
    placer_->SetTestLayouts(layouts);
    connect(layouts, &TestLayoutsWindow::errorRaised, this, [this](const QString& message) {
        ReportError(services_.dialogs, message.toStdString());
    });
    layouts->LoadLastLayout();
    connect(palette_.get(), &PaletteController::paletteChanged, layouts,
            [layouts] { layouts->RefreshLayoutColors(false); });
    connect(layouts, &TestLayoutsWindow::eyeDropperRequested, this, &Program::EyeDropperCommand);
    connect(layouts, &TestLayoutsWindow::testLayoutsRequested, this, &Program::TestLayoutsCommand);
    connect(layouts, &TestLayoutsWindow::colorPropertiesRequested, this,
            &Program::ColorPropertiesCommand);
    connect(eyeDropper_.get(), &EyeDropperWindow::testLayoutsRequested, this,
            &Program::TestLayoutsCommand);
    connect(colorProperties_.get(), &ColorPropertiesWindow::testLayoutsRequested, this,
            &Program::TestLayoutsCommand);
    connect(layouts, &TestLayoutsWindow::helpRequested, this, [this](const QString& page) {
        OpenHelpPage(services_.shell, folders_.programFolder, page.toStdString());
    });
    connect(this, &Program::collectingSettings, layouts, &TestLayoutsWindow::CollectSettings);
    // The Quick Color Palette is built before this window: their F5 and F6 meet here.
    connect(layouts, &TestLayoutsWindow::quickPaletteRequested, this,
            &Program::QuickPaletteCommand);
    connect(quickPalette_.get(), &QuickPaletteWindow::testLayoutsRequested, this,
            &Program::TestLayoutsCommand);
}

void Program::CreateBarCommands() {
    actions_ = std::make_unique<BarActions>(
        *bar_, *palette_, settings_, formats_,
        BarActions::Services{services_.clipboard, services_.dialogs, services_.shell},
        folders_.programFolder);
    BarActions* actions = actions_.get();
    actions->AddToolWindow(eyeDropper_.get());
    actions->AddToolWindow(colorProperties_.get());
    actions->AddToolWindow(quickPalette_.get());
    actions->AddToolWindow(testLayouts_.get());
    connect(bar_.get(), &MainBar::keyPressed, actions, &BarActions::HandleKey);
    connect(bar_.get(), &MainBar::moved, this, [this] { placer_->PlaceAll(); });
    connect(actions, &BarActions::eyeDropperRequested, this, &Program::EyeDropperCommand);
    connect(actions, &BarActions::colorPropertiesRequested, this, &Program::ColorPropertiesCommand);
    connect(actions, &BarActions::quickPaletteRequested, this, &Program::QuickPaletteCommand);
    connect(actions, &BarActions::namedColorsRequested, this, &Program::NamedColorsCommand);
    connect(actions, &BarActions::testLayoutsRequested, this, &Program::TestLayoutsCommand);
    connect(actions, &BarActions::autoCopyNewestRequested, this, &Program::AutoCopyNewest);
    connect(actions, &BarActions::pasteColorRequested, this, &Program::PasteColorCommand);
    connect(palette_.get(), &PaletteController::slotMenuRequested, actions,
            [actions](QPoint at) { actions->SlotMenu()->popup(at); });
    connect(palette_->Column().Title(), &PressableLabel::pressed, actions,
            [this, actions](QMouseEvent* event) {
                if (event->button() == Qt::LeftButton) {
                    bar_->StartMove();
                } else if (event->button() == Qt::RightButton) {
                    actions->MainMenu()->popup(event->globalPosition().toPoint());
                }
            });

    exports_ =
        std::make_unique<PaletteExports>(palette_->Model(), services_.clipboard, services_.dialogs);
    PaletteExports* exports = exports_.get();
    connect(actions, &BarActions::paletteExportRequested, exports, &PaletteExports::RunItem);
    connect(actions, &BarActions::colorSwatchRequested, exports, &PaletteExports::CopyColorSwatch);
    connect(colorProperties_.get(), &ColorPropertiesWindow::colorSwatchRequested, exports,
            &PaletteExports::CopyColorSwatch);
    SetCopyTextAndSwatch([exports](const std::string& text, TColor color) {
        exports->CopyTextAndSwatch(text, color);
    });

    tray_ = std::make_unique<TrayIcon>(actions->TrayMenu(), nullptr);
    connect(tray_.get(), &TrayIcon::showRequested, actions, &BarActions::Show);
    tray_->show();

    pickFlow_ =
        std::make_unique<PickFlow>(*bar_, *palette_, *eyeDropper_, settings_, services_.hotkey);
    pickFlow_->RegisterHotkey();
}

AutostartContext Program::Autostart() {
    return AutostartContext{
        environment_.windowsVersionCode,
        environment_.programFolder,
        environment_.autostartFolder,
        environment_.programPath,
        [this](const std::filesystem::path& program, const std::string& parameter) {
            services_.shell.Launch(program.string(), parameter);
        },
        [this](const std::string& message) { services_.dialogs.ShowMessage(message); }};
}

void Program::CreateOptions() {
    options_ = std::make_unique<OptionsDialog>(settings_, formats_, services_.dialogs, *pickFlow_,
                                               *actions_, *eyeDropper_);
    OptionsDialog* options = options_.get();
    connect(actions_.get(), &BarActions::optionsRequested, options, &OptionsDialog::ShowOptions);
    connect(eyeDropper_.get(), &EyeDropperWindow::optionsRequested, options,
            &OptionsDialog::ShowOptions);
    connect(colorProperties_.get(), &ColorPropertiesWindow::optionsRequested, options,
            &OptionsDialog::ShowOptions);
    connect(quickPalette_.get(), &QuickPaletteWindow::optionsRequested, options,
            &OptionsDialog::ShowOptions);
    connect(testLayouts_.get(), &TestLayoutsWindow::optionsRequested, options,
            &OptionsDialog::ShowOptions);
    connect(eyeDropper_.get(), &EyeDropperWindow::moreOptionsRequested, options,
            [options] { options->ShowOptionsOnPage(OptionsDialog::kEyeDropper); });
    connect(colorProperties_.get(), &ColorPropertiesWindow::moreOptionsRequested, options,
            [options] { options->ShowOptionsOnPage(OptionsDialog::kColorProperties); });
    connect(options, &OptionsDialog::startWithWindowsChanged, this,
            [this](bool on) { ApplyStartWithWindows(Autostart(), on ? "basla" : "baslama"); });
    connect(options, &OptionsDialog::saveRequested, this, [this] {
        SaveFormats();
        SaveSettingsOrReport();
    });
    connect(options, &OptionsDialog::helpRequested, this, [this](const QString& page) {
        OpenHelpPage(services_.shell, folders_.programFolder, page.toStdString());
    });
}

// F3 to F7 in a tool window reach the same five windows as on the bar.
template <typename Window> void Program::ConnectToolKeys(Window* window) {
    connect(window, &Window::optionsRequested, options_.get(), &OptionsDialog::ShowOptions);
    connect(window, &Window::eyeDropperRequested, this, &Program::EyeDropperCommand);
    connect(window, &Window::quickPaletteRequested, this, &Program::QuickPaletteCommand);
    connect(window, &Window::testLayoutsRequested, this, &Program::TestLayoutsCommand);
    connect(window, &Window::colorPropertiesRequested, this, &Program::ColorPropertiesCommand);
}

void Program::CreateQuickReference() {
    quickReference_ = std::make_unique<QuickReferenceWindow>(settings_, services_.clipboard,
                                                             services_.shell, CurrentScreenInfo());
    QuickReferenceWindow* reference = quickReference_.get();
    connect(actions_.get(), &BarActions::quickReferenceRequested, reference,
            &QuickReferenceWindow::ShowQuickReference);
    connect(reference, &QuickReferenceWindow::helpRequested, this, [this](const QString& page) {
        OpenHelpPage(services_.shell, folders_.programFolder, page.toStdString());
    });
    ConnectToolKeys(reference);
    connect(this, &Program::collectingSettings, reference, &QuickReferenceWindow::CollectSettings);
    actions_->AddToolWindow(reference);
}

// The fonts preview: Ctrl+F on the bar shows it; its samples are written at exit.
void Program::CreateFonts() {
    fonts_ = std::make_unique<FontsWindow>(folders_.userDataFolder + "fonttextsamples.txt");
    FontsWindow* fonts = fonts_.get();
    actions_->AddToolWindow(fonts);
    connect(actions_.get(), &BarActions::fontsRequested, fonts, &FontsWindow::ShowWindow);
    ConnectToolKeys(fonts);
}

void Program::CreateAboutAndUpdateCheck() {
    about_ = std::make_unique<AboutWindow>(services_.shell);
    connect(actions_.get(), &BarActions::aboutRequested, about_.get(), &AboutWindow::ShowAbout);
    updateCheck_ = std::make_unique<UpdateCheckWindow>(
        folders_.userDataFolder, UpdateServerBase(kHomePage), services_.dialogs, services_.shell,
        &LoadUpdateDownloader);
    connect(actions_.get(), &BarActions::checkForUpdatesRequested, updateCheck_.get(),
            &UpdateCheckWindow::ShowAndCheck);
}

void Program::EyeDropperCommand() {
    eyeDropper_->ShowEyeDropper();
    placer_->PlaceEyeDropper();
    placer_->PlaceQuickPalette();
}

void Program::PasteColorCommand() {
    RunCommand(services_.dialogs, [this] { PasteColor(services_.clipboard, *palette_); });
}

void Program::ColorPropertiesCommand() {
    colorProperties_->ShowWindow();
    placer_->PlaceColorProperties();
}

void Program::QuickPaletteCommand() {
    quickPalette_->ShowWindow();
    placer_->PlaceQuickPalette();
    quickPalette_->SetQuickPaletteMode(QuickPaletteMode::Palette);
}

void Program::NamedColorsCommand() {
    quickPalette_->ShowWindow();
    placer_->PlaceQuickPalette();
    quickPalette_->SetQuickPaletteMode(QuickPaletteMode::NamedColors);
}

void Program::TestLayoutsCommand() {
    testLayouts_->ShowWindow();
    placer_->PlaceTestLayouts();
}

void Program::BringForward() {
    if (!bar_) {
        return;
    }
    bar_->show();
    bar_->raise();
    bar_->activateWindow();
}

void Program::CollectLiveSettings() {
    const QPoint bar = SyncWindowPosition(*bar_);
    settings_.barLeft = bar.x();
    settings_.barTop = bar.y();
    const auto screens = QGuiApplication::screens();
    settings_.monitor = std::max<qsizetype>(0, screens.indexOf(bar_->screen()));
    emit collectingSettings(settings_);
}

void Program::SaveSettingsOrReport() {
    CollectLiveSettings();
    if (!SaveSettings(settingsList_, settings_, folders_.userDataFolder)) {
        services_.dialogs.ShowMessage("ERROR! Can not save settings file!");
    }
}

void Program::Exit() {
    if (ended_ || !bar_) {
        return;
    }
    ended_ = true;
    // A picture that cannot be written is no reason to stop the exit.
    if (eyeDropper_) {
        eyeDropper_->WriteMagnifiedBitmap(folders_.userDataFolder + "magnified.bmp");
    }
    // Nor is a samples file that cannot be written.
    if (fonts_) {
        fonts_->SaveSamples();
    }
    palette_->SavePalette(folders_.userDataFolder);
    SaveSettingsOrReport();
    SaveFormats();
    Quit();
}

void Program::EndSession() {
    if (ended_ || !bar_) {
        return;
    }
    ended_ = true;
    palette_->SavePalette(folders_.userDataFolder);
    SaveSettingsOrReport();
    Quit();
}

void Program::SaveFormats() {
    SaveColorValueFormats(
        formats_, folders_.sharedDataFolder, folders_.userDataFolder,
        [this](const std::string& message) { services_.dialogs.ShowMessage(message); });
}

void Program::AutoCopyNewest() {
    twl::AutoCopyNewest(services_.clipboard, formats_, settings_, palette_->NewestColor(),
                        copyTextAndSwatch_);
}

void Program::Quit() {
    bar_->hide();
    QCoreApplication::exit(0);
}

} // namespace twl
