#include "app/program.h"

#include "app/single_instance.h"
#include "core/startup/autostart.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "platform/window_position_sync.h"
#include "ui/bar/bar_actions.h"
#include "ui/bar/main_bar.h"
#include "ui/bar/palette_controller.h"
#include "ui/bar/window_placer.h"
#include "ui/common/help_page.h"
#include "ui/eye_dropper/eye_dropper_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
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
        instance_->OnAnotherStart([this] { BringForward(); });
    }

    form1_ = std::make_unique<Form1>();
    form1_->move(kBuiltInBarLeft, kBuiltInBarTop);
    form1_->OnClose([this] { Exit(); });
    palette_ = std::make_unique<PaletteController>(form1_.get(), services_.dialogs);
    placer_ = std::make_unique<WindowPlacer>(*form1_, settings_,
                                             [this] { return palette_->SelectedSlot(); });

    CreateDataFolders(environment_.appDataFolder);
    settings_ = LoadSettings(settingsList_, folders_.userDataFolder, folders_.programFolder,
                             CurrentScreenInfo(), environment_.windowsVersionCode);
    if (settings_.firstRunPending) {
        RemoveLegacyAutostart(AutostartContext{
            environment_.windowsVersionCode, environment_.programFolder,
            environment_.autostartFolder, environment_.programPath,
            [this](const std::filesystem::path& program, const std::string& parameter) {
                services_.shell.Launch(program.string(), parameter);
            },
            [this](const std::string& message) { services_.dialogs.ShowMessage(message); }});
        settings_.startWithWindows = true;
    }
    form1_->move(settings_.barLeft, settings_.barTop);

    palette_->LoadPalette(folders_.userDataFolder, folders_.programFolder);
    palette_->Hooks().autoCopyNewest = [this] { AutoCopyNewest(); };
    LoadColorValueFormats(formats_, folders_.sharedDataFolder, folders_.programFolder);
    form1_->ApplyStayOnTop(settings_.stayOnTop);

    if (settings_.showAtStart && environment_.buildWindowsAfterFirstPaint) {
        form1_->OnFirstPaint([this] { CreateOtherWindows(); });
        form1_->show();
        return true;
    }
    CreateOtherWindows();
    if (settings_.showAtStart) {
        form1_->show();
    }
    return true;
}

void Program::CreateOtherWindows() {
    CreateEyeDropper();
    commands_ = std::make_unique<BarCommands>(*this);
    commands_->AddToolWindow(form2_.get());
    commands_->RegisterHotkey();
    for (const auto& create : hooks_.createWindows) {
        create();
    }
}

void Program::CreateEyeDropper() {
    form2_ = std::make_unique<Form2>(settings_, formats_, services_.screen, services_.clipboard,
                                     services_.dialogs);
    placer_->SetEyeDropper(form2_.get());
    EyeDropperHooks& hooks = form2_->Hooks();
    hooks.addColor = [this](TColor color) { palette_->AddColorToPalette(color); };
    hooks.firstSlotColor = [this] { return NewestColor(); };
    hooks.placeEyeDropper = [this] { placer_->PlaceEyeDropper(); };
    hooks.placeQuickPalette = [this] { placer_->PlaceQuickPalette(); };
    hooks.eyeDropperCommand = [this] { EyeDropperCommand(); };
    hooks.openHelp = [this](const std::string& page) {
        OpenHelpPage(services_.shell, folders_.programFolder, page);
    };
    // X11 shows the program's own windows in a screen read: the magnifier leaves them out.
    // Their places are checked with the X server once as a pick begins, not on every tick.
    hooks.pickStarting = [this] {
        SyncWindowPosition(*form1_);
        SyncWindowPosition(*form2_);
    };
    form2_->Sampler().SetOwnWindows([this](std::vector<ScreenRect>& own) {
        for (const QWidget* window :
             {static_cast<QWidget*>(form1_.get()), static_cast<QWidget*>(form2_.get())}) {
            if (window->isVisible()) {
                const QRect frame = window->frameGeometry();
                own.push_back({frame.x(), frame.y(), frame.width(), frame.height()});
            }
        }
    });
    PressableLabel* button = palette_->View().EyeDropperButton();
    button->onPress = [this](QMouseEvent* event) {
        if (event->button() == Qt::LeftButton) {
            form2_->BeginBarPick();
        }
    };
    button->onRelease = [this](QMouseEvent* event) {
        if (event->button() == Qt::LeftButton) {
            form2_->EndBarPick();
        }
    };
    // The bar's button does nothing while the pointer moves: the timer samples.
    button->onMove = [](QMouseEvent*) {};
    hooks_.collectSettings.push_back(
        [this](Settings& settings) { form2_->CollectSettings(settings); });
}

void Program::EyeDropperCommand() {
    form2_->ShowEyeDropper();
    placer_->PlaceEyeDropper();
    placer_->PlaceQuickPalette();
}

std::optional<TColor> Program::NewestColor() const {
    if (palette_->Model().Count() == 0) {
        return std::nullopt;
    }
    return palette_->SlotColor(1);
}

void Program::BringForward() {
    if (!form1_) {
        return;
    }
    form1_->show();
    form1_->raise();
    form1_->activateWindow();
}

void Program::CollectLiveSettings() {
    const QPoint bar = SyncWindowPosition(*form1_);
    settings_.barLeft = bar.x();
    settings_.barTop = bar.y();
    const auto screens = QGuiApplication::screens();
    settings_.monitor = std::max<qsizetype>(0, screens.indexOf(form1_->screen()));
    for (const auto& collect : hooks_.collectSettings) {
        collect(settings_);
    }
}

void Program::SaveSettingsOrReport() {
    CollectLiveSettings();
    if (!SaveSettings(settingsList_, settings_, folders_.userDataFolder)) {
        services_.dialogs.ShowMessage("ERROR! Can not save settings file!");
    }
}

void Program::Exit() {
    if (ended_ || !form1_) {
        return;
    }
    ended_ = true;
    // A picture that cannot be written is no reason to stop the exit.
    if (form2_) {
        form2_->WriteMagnifiedBitmap(folders_.userDataFolder + "magnified.bmp");
    }
    palette_->SavePalette(folders_.userDataFolder);
    SaveSettingsOrReport();
    SaveFormats();
    Quit();
}

void Program::EndSession() {
    if (ended_ || !form1_) {
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
    std::optional<TColor> newest;
    if (palette_->Model().Count() > 0) {
        newest = palette_->SlotColor(1);
    }
    twl::AutoCopyNewest(services_.clipboard, formats_, settings_, newest, hooks_.copyTextAndSwatch);
}

void Program::Quit() {
    form1_->hide();
    QCoreApplication::exit(0);
}

} // namespace twl
