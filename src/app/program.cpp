#include "app/program.h"

#include "app/error_report.h"
#include "app/single_instance.h"
#include "core/fonts/sample_texts.h"
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
#include "ui/common/program_icon.h"
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
    // The bar moves by its title from its first paint on, before its menus are built.
    connect(palette_->Column().Title(), &PressableLabel::pressed, bar_.get(),
            [this](QMouseEvent* event) {
                if (event->button() == Qt::LeftButton) {
                    bar_->StartMove();
                }
            });
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
        connect(bar_.get(), &MainBar::firstPainted, this, &Program::CreateBarCommands,
                Qt::SingleShotConnection);
        bar_->show();
        return true;
    }
    CreateBarCommands();
    if (settings_.showAtStart) {
        bar_->show();
    }
    return true;
}

BarActions& Program::Actions() {
    CreateBarCommands();
    return *actions_;
}

TrayIcon& Program::Tray() {
    CreateBarCommands();
    return *tray_;
}

PickFlow& Program::Picks() {
    CreateBarCommands();
    return *pickFlow_;
}

template <typename Window>
Window& Program::Built(std::unique_ptr<Window>& window, void (Program::*create)()) {
    if (!window) {
        (this->*create)();
    }
    return *window;
}

EyeDropperWindow& Program::EyeDropper() {
    return Built(eyeDropper_, &Program::CreateEyeDropper);
}

ColorPropertiesWindow& Program::ColorProperties() {
    return Built(colorProperties_, &Program::CreateColorProperties);
}

QuickPaletteWindow& Program::QuickPalette() {
    return Built(quickPalette_, &Program::CreateQuickPalette);
}

TestLayoutsWindow& Program::TestLayouts() {
    CreateBarCommands();
    return *testLayouts_;
}

OptionsDialog& Program::Options() {
    return Built(options_, &Program::CreateOptions);
}

QuickReferenceWindow& Program::QuickReference() {
    return Built(quickReference_, &Program::CreateQuickReference);
}

FontsWindow& Program::Fonts() {
    return Built(fonts_, &Program::CreateFonts);
}

AboutWindow& Program::About() {
    return Built(about_, &Program::CreateAbout);
}

UpdateCheckWindow& Program::UpdateCheck() {
    return Built(updateCheck_, &Program::CreateUpdateCheck);
}

void Program::CreateBarCommands() {
    if (actions_) {
        return;
    }
    actions_ = std::make_unique<BarActions>(
        *bar_, *palette_, settings_, formats_,
        BarActions::Services{services_.clipboard, services_.dialogs, services_.shell},
        folders_.programFolder);
    BarActions* actions = actions_.get();
    connect(bar_.get(), &MainBar::keyPressed, actions, &BarActions::HandleKey);
    connect(bar_.get(), &MainBar::moved, this, [this] { placer_->PlaceAll(); });
    connect(actions, &BarActions::eyeDropperRequested, this, &Program::EyeDropperCommand);
    connect(actions, &BarActions::colorPropertiesRequested, this, &Program::ColorPropertiesCommand);
    connect(actions, &BarActions::quickPaletteRequested, this, &Program::QuickPaletteCommand);
    connect(actions, &BarActions::namedColorsRequested, this, &Program::NamedColorsCommand);
    connect(actions, &BarActions::testLayoutsRequested, this, &Program::TestLayoutsCommand);
    connect(actions, &BarActions::optionsRequested, this, &Program::OptionsCommand);
    connect(actions, &BarActions::quickReferenceRequested, this,
            [this] { QuickReference().ShowQuickReference(); });
    connect(actions, &BarActions::fontsRequested, this, [this] { Fonts().ShowWindow(); });
    connect(actions, &BarActions::aboutRequested, this, [this] { About().ShowAbout(); });
    connect(actions, &BarActions::checkForUpdatesRequested, this,
            [this] { UpdateCheck().ShowAndCheck(); });
    connect(actions, &BarActions::autoCopyNewestRequested, this, &Program::AutoCopyNewest);
    connect(actions, &BarActions::pasteColorRequested, this, &Program::PasteColorCommand);
    connect(palette_.get(), &PaletteController::slotMenuRequested, actions,
            [actions](QPoint at) { actions->SlotMenu()->popup(at); });
    connect(palette_->Column().Title(), &PressableLabel::pressed, actions,
            [actions](QMouseEvent* event) {
                if (event->button() == Qt::RightButton) {
                    actions->MainMenu()->popup(event->globalPosition().toPoint());
                }
            });
    // The palette asks for Color Properties (a double click, the hex field) before it exists.
    connect(palette_.get(), &PaletteController::openColorProperties, this,
            [this] { ColorProperties().ShowWindow(); });
    connect(palette_.get(), &PaletteController::placeColorProperties, this,
            [this] { placer_->PlaceColorProperties(); });

    exports_ =
        std::make_unique<PaletteExports>(palette_->Model(), services_.clipboard, services_.dialogs);
    PaletteExports* exports = exports_.get();
    connect(actions, &BarActions::paletteExportRequested, exports, &PaletteExports::RunItem);
    connect(actions, &BarActions::colorSwatchRequested, exports, &PaletteExports::CopyColorSwatch);
    SetCopyTextAndSwatch([exports](const std::string& text, TColor color) {
        exports->CopyTextAndSwatch(text, color);
    });

    // The icon pictures are read once the bar shows: every window, and the tray, take it from here.
    QGuiApplication::setWindowIcon(ProgramIcon());
    tray_ = std::make_unique<TrayIcon>(actions->TrayMenu(), nullptr);
    connect(tray_.get(), &TrayIcon::showRequested, actions, &BarActions::Show);
    tray_->show();

    pickFlow_ = std::make_unique<PickFlow>(*bar_, *palette_, settings_, services_.hotkey,
                                           [this]() -> EyeDropperWindow& { return EyeDropper(); });
    pickFlow_->RegisterHotkey();

    // Test Layouts is light to build and reads its last layout now, as the program starts: a
    // damaged one is reported at once, and its areas take the palette's colours of the start.
    CreateTestLayouts();
}

// F3 to F7 in a tool window reach the same five windows as on the bar.
template <typename Window> void Program::ConnectToolKeys(Window* window) {
    connect(window, &Window::optionsRequested, this, &Program::OptionsCommand);
    connect(window, &Window::eyeDropperRequested, this, &Program::EyeDropperCommand);
    connect(window, &Window::quickPaletteRequested, this, &Program::QuickPaletteCommand);
    connect(window, &Window::testLayoutsRequested, this, &Program::TestLayoutsCommand);
    connect(window, &Window::colorPropertiesRequested, this, &Program::ColorPropertiesCommand);
}

template <typename Window> void Program::ConnectHelp(Window* window) {
    connect(window, &Window::helpRequested, this, [this](const QString& page) {
        OpenHelpPage(services_.shell, folders_.programFolder, page.toStdString());
    });
}

void Program::CreateEyeDropper() {
    CreateBarCommands();
    eyeDropper_ = std::make_unique<EyeDropperWindow>(settings_, formats_, services_.screen,
                                                     services_.clipboard, services_.dialogs);
    EyeDropperWindow* eye = eyeDropper_.get();
    placer_->SetEyeDropper(eye);
    actions_->AddToolWindow(eye);
    pickFlow_->AttachEyeDropper(*eye);
    connect(eye, &EyeDropperWindow::dockRequested, this, [this] { placer_->PlaceEyeDropper(); });
    connect(eye, &EyeDropperWindow::quickPaletteDockRequested, this,
            [this] { placer_->PlaceQuickPalette(); });
    connect(eye, &EyeDropperWindow::moreOptionsRequested, this,
            [this] { Options().ShowOptionsOnPage(OptionsDialog::kEyeDropper); });
    ConnectToolKeys(eye);
    ConnectHelp(eye);
    connect(this, &Program::collectingSettings, eye, &EyeDropperWindow::CollectSettings);
}

void Program::CreateColorProperties() {
    CreateBarCommands();
    colorProperties_ = std::make_unique<ColorPropertiesWindow>(
        settings_, formats_, *palette_, services_.clipboard, CurrentScreenInfo());
    ColorPropertiesWindow* properties = colorProperties_.get();
    properties->ShowColorProperties(palette_->CurrentColor());
    placer_->SetColorProperties(properties);
    actions_->AddToolWindow(properties);
    PaletteController* palette = palette_.get();
    connect(palette, &PaletteController::showColorProperties, properties,
            &ColorPropertiesWindow::ShowColorProperties);
    connect(palette, &PaletteController::endHexEdit, properties,
            &ColorPropertiesWindow::EndHexEdit);
    connect(properties, &ColorPropertiesWindow::colorPicked, palette,
            [palette](TColor color) { palette->AddColorToPalette(color); });
    connect(properties, &ColorPropertiesWindow::colorSwatchRequested, exports_.get(),
            &PaletteExports::CopyColorSwatch);
    connect(properties, &ColorPropertiesWindow::moreOptionsRequested, this,
            [this] { Options().ShowOptionsOnPage(OptionsDialog::kColorProperties); });
    ConnectToolKeys(properties);
    ConnectHelp(properties);
    connect(this, &Program::collectingSettings, properties,
            &ColorPropertiesWindow::CollectSettings);
}

void Program::CreateQuickPalette() {
    CreateBarCommands();
    quickPalette_ = std::make_unique<QuickPaletteWindow>(
        settings_, services_.screen,
        LoadNamedColors(std::filesystem::path(folders_.programFolder) / "namedcolors.txt"),
        CurrentScreenInfo());
    QuickPaletteWindow* quick = quickPalette_.get();
    placer_->SetQuickPalette(quick);
    actions_->AddToolWindow(quick);
    PaletteController* palette = palette_.get();
    connect(quick, &QuickPaletteWindow::colorPicked, palette,
            [palette](TColor color) { palette->AddColorToPalette(color); });
    connect(quick, &QuickPaletteWindow::optionsRequested, this, &Program::OptionsCommand);
    connect(quick, &QuickPaletteWindow::eyeDropperRequested, this, &Program::EyeDropperCommand);
    connect(quick, &QuickPaletteWindow::testLayoutsRequested, this, &Program::TestLayoutsCommand);
    connect(quick, &QuickPaletteWindow::colorPropertiesRequested, this,
            &Program::ColorPropertiesCommand);
    ConnectHelp(quick);
    connect(this, &Program::collectingSettings, quick, &QuickPaletteWindow::CollectSettings);
}

void Program::CreateTestLayouts() {
    CreateBarCommands();
    testLayouts_ =
        std::make_unique<TestLayoutsWindow>(settings_, folders_, *palette_, services_.clipboard,
                                            services_.dialogs, CurrentScreenInfo());
    TestLayoutsWindow* layouts = testLayouts_.get();
    placer_->SetTestLayouts(layouts);
    actions_->AddToolWindow(layouts);
    connect(layouts, &TestLayoutsWindow::errorRaised, this, [this](const QString& message) {
        ReportError(services_.dialogs, message.toStdString());
    });
    layouts->LoadLastLayout();
    connect(palette_.get(), &PaletteController::paletteChanged, layouts,
            [layouts] { layouts->RefreshLayoutColors(false); });
    ConnectToolKeys(layouts);
    ConnectHelp(layouts);
    connect(this, &Program::collectingSettings, layouts, &TestLayoutsWindow::CollectSettings);
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
    CreateBarCommands();
    options_ = std::make_unique<OptionsDialog>(settings_, formats_, services_.dialogs, *pickFlow_,
                                               *actions_);
    OptionsDialog* options = options_.get();
    // An Eye Dropper not built yet takes the flag from the settings when it is.
    connect(options, &OptionsDialog::comparisonFlagChanged, this, [this] {
        if (eyeDropper_) {
            eyeDropper_->ApplyComparisonFlag();
        }
    });
    connect(options, &OptionsDialog::startWithWindowsChanged, this,
            [this](bool on) { ApplyStartWithWindows(Autostart(), on ? "basla" : "baslama"); });
    connect(options, &OptionsDialog::saveRequested, this, [this] {
        SaveFormats();
        SaveSettingsOrReport();
    });
    ConnectHelp(options);
}

void Program::CreateQuickReference() {
    CreateBarCommands();
    quickReference_ = std::make_unique<QuickReferenceWindow>(settings_, services_.clipboard,
                                                             services_.shell, CurrentScreenInfo());
    QuickReferenceWindow* reference = quickReference_.get();
    ConnectToolKeys(reference);
    ConnectHelp(reference);
    connect(this, &Program::collectingSettings, reference, &QuickReferenceWindow::CollectSettings);
    actions_->AddToolWindow(reference);
}

// The fonts preview: Ctrl+F on the bar shows it; its samples are written at exit.
void Program::CreateFonts() {
    CreateBarCommands();
    fonts_ = std::make_unique<FontsWindow>(FontSamplesFile());
    FontsWindow* fonts = fonts_.get();
    actions_->AddToolWindow(fonts);
    ConnectToolKeys(fonts);
}

void Program::CreateAbout() {
    about_ = std::make_unique<AboutWindow>(services_.shell);
}

void Program::CreateUpdateCheck() {
    updateCheck_ = std::make_unique<UpdateCheckWindow>(
        folders_.userDataFolder, UpdateServerBase(kHomePage), services_.dialogs, services_.shell,
        &LoadUpdateDownloader);
}

void Program::EyeDropperCommand() {
    EyeDropper().ShowEyeDropper();
    placer_->PlaceEyeDropper();
    placer_->PlaceQuickPalette();
}

void Program::PasteColorCommand() {
    RunCommand(services_.dialogs, [this] { PasteColor(services_.clipboard, *palette_); });
}

void Program::ColorPropertiesCommand() {
    ColorProperties().ShowWindow();
    placer_->PlaceColorProperties();
}

void Program::QuickPaletteCommand() {
    QuickPalette().ShowWindow();
    placer_->PlaceQuickPalette();
    quickPalette_->SetQuickPaletteMode(QuickPaletteMode::Palette);
}

void Program::NamedColorsCommand() {
    QuickPalette().ShowWindow();
    placer_->PlaceQuickPalette();
    quickPalette_->SetQuickPaletteMode(QuickPaletteMode::NamedColors);
}

void Program::TestLayoutsCommand() {
    TestLayouts().ShowWindow();
    placer_->PlaceTestLayouts();
}

void Program::OptionsCommand() {
    Options().ShowOptions();
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
    // Nor is a samples file that cannot be written; the preview's samples go back as they were
    // read when it was never opened.
    if (fonts_) {
        fonts_->SaveSamples();
    } else {
        SampleTexts::Load(FontSamplesFile()).Save(FontSamplesFile());
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

std::filesystem::path Program::FontSamplesFile() const {
    return folders_.userDataFolder + "fonttextsamples.txt";
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
