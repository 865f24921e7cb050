// The program's windows: the bar's commands once it has been painted, every other window the
// first time it is wanted, each wired to the program as it is built.

#include "app/bar_script_target.h"
#include "app/error_report.h"
#include "app/program.h"
#include "core/quick_palette/named_colors.h"
#include "platform/screen_reader.h"
#include "platform/update_downloader.h"
#include "ui/about/about_window.h"
#include "ui/bar/bar_actions.h"
#include "ui/bar/main_bar.h"
#include "ui/bar/palette_controller.h"
#include "ui/bar/palette_exports.h"
#include "ui/bar/palette_imports.h"
#include "ui/bar/pick_flow.h"
#include "ui/bar/tray_icon.h"
#include "ui/bar/web_addresses.h"
#include "ui/bar/window_placer.h"
#include "ui/color_properties/color_properties_window.h"
#include "ui/common/help_page.h"
#include "ui/common/program_icon.h"
#include "ui/contrast/contrast_window.h"
#include "ui/eye_dropper/eye_dropper_window.h"
#include "ui/fonts/fonts_window.h"
#include "ui/options/options_dialog.h"
#include "ui/quick_palette/quick_palette_window.h"
#include "ui/quick_reference/quick_reference_window.h"
#include "ui/test_layouts/test_layouts_window.h"
#include "ui/update_check/update_check_window.h"

#include <QFile>
#include <QGuiApplication>
#include <QMouseEvent>

namespace twl {

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

ContrastWindow& Program::Contrast() {
    return Built(contrast_, &Program::CreateContrast);
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
    connect(actions, &BarActions::contrastRequested, this, &Program::ContrastCommand);
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
    imports_ = std::make_unique<PaletteImports>(*palette_, services_.dialogs, *colorNames_);
    PaletteImports* imports = imports_.get();
    connect(actions, &BarActions::openPaletteRequested, imports, &PaletteImports::OpenPalette);
    connect(bar_.get(), &MainBar::filesDropped, imports, [imports](const QStringList& paths) {
        std::vector<std::string> files;
        for (const QString& path : paths) {
            files.push_back(QFile::encodeName(path).toStdString());
        }
        imports->ImportPaletteFiles(files);
    });

    // The icon pictures are read once the bar shows: every window, and the tray, take it from here.
    QGuiApplication::setWindowIcon(ProgramIcon());
    tray_ = std::make_unique<TrayIcon>(actions->TrayMenu(), nullptr);
    connect(tray_.get(), &TrayIcon::showRequested, actions, &BarActions::Show);
    tray_->show();

    pickFlow_ = std::make_unique<PickFlow>(*bar_, *palette_, settings_, services_.hotkey,
                                           [this]() -> EyeDropperWindow& { return EyeDropper(); });
    pickFlow_->RegisterHotkey();
    pickFlow_->SetPlacesCheckedEachTick(!services_.screen.PointerIsOurs());
    pickFlow_->SetOverlayPick([this](std::function<void(std::optional<TColor>)> done) {
        if (services_.screen.PointerIsOurs() || !scriptTarget_) {
            return false;
        }
        scriptTarget_->OpenOverlay(std::move(done));
        return true;
    });

    // Test Layouts is light to build and reads its last layout now, as the program starts: a
    // damaged one is reported at once, and its areas take the palette's colours of the start.
    CreateTestLayouts();
}

// F3 to F8 in a tool window reach the same six windows as on the bar.
template <typename Window> void Program::ConnectToolKeys(Window* window) {
    connect(window, &Window::optionsRequested, this, &Program::OptionsCommand);
    connect(window, &Window::eyeDropperRequested, this, &Program::EyeDropperCommand);
    connect(window, &Window::quickPaletteRequested, this, &Program::QuickPaletteCommand);
    connect(window, &Window::testLayoutsRequested, this, &Program::TestLayoutsCommand);
    connect(window, &Window::colorPropertiesRequested, this, &Program::ColorPropertiesCommand);
    connect(window, &Window::contrastRequested, this, &Program::ContrastCommand);
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
    connect(eye, &EyeDropperWindow::overlayPickRequested, this, [this] {
        if (scriptTarget_ && scriptTarget_->PickProblem().empty()) {
            scriptTarget_->Pick([](std::optional<TColor>) {});
        }
    });
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
    connect(quick, &QuickPaletteWindow::contrastRequested, this, &Program::ContrastCommand);
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

void Program::CreateContrast() {
    CreateBarCommands();
    contrast_ = std::make_unique<ContrastWindow>(settings_, *palette_, services_.clipboard,
                                                 CurrentScreenInfo());
    ContrastWindow* contrast = contrast_.get();
    placer_->SetContrast(contrast);
    actions_->AddToolWindow(contrast);
    PaletteController* palette = palette_.get();
    connect(palette, &PaletteController::paletteChanged, contrast,
            &ContrastWindow::RefreshFromPalette);
    connect(contrast, &ContrastWindow::colorPicked, palette,
            [palette](TColor color) { palette->AddColorToPalette(color); });
    // The eye-dropper buttons pick as the bar's does: a drag with the Eye Dropper where the
    // screen can be followed live, the screen pick overlay elsewhere.
    connect(contrast, &ContrastWindow::pickPressed, this, [this, contrast](int side) {
        auto take = [contrast, side](TColor color) {
            contrast->SetColor(static_cast<ContrastWindow::Side>(side), color);
        };
        if (services_.screen.FollowsDrags()) {
            EyeDropper().BeginBarPick(take);
        } else if (scriptTarget_ && scriptTarget_->PickProblem().empty()) {
            scriptTarget_->OpenOverlay([take](std::optional<TColor> color) {
                if (color) {
                    take(*color);
                }
            });
        }
    });
    connect(contrast, &ContrastWindow::pickReleased, this, [this] {
        if (eyeDropper_) {
            eyeDropper_->EndBarPick();
        }
    });
    TestLayoutsWindow* layouts = testLayouts_.get();
    connect(contrast, &ContrastWindow::colorVisionChanged, layouts,
            &TestLayoutsWindow::ShowColorVision);
    connect(layouts, &TestLayoutsWindow::colorVisionChanged, contrast,
            &ContrastWindow::ShowColorVision);
    ConnectToolKeys(contrast);
    ConnectHelp(contrast);
    connect(this, &Program::collectingSettings, contrast, &ContrastWindow::CollectSettings);
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

} // namespace twl
