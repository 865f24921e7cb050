#include "app/program.h"

#include "app/bar_script_target.h"
#include "app/error_report.h"
#include "app/instance_connection.h"
#include "app/single_instance.h"
#include "core/fonts/sample_texts.h"
#include "core/placement/window_position.h"
#include "core/sampling/eye_dropper_settings.h"
#include "core/startup/autostart.h"
#include "core/startup/stale_files.h"
#include "platform/dialogs.h"
#include "platform/monitors.h"
#include "platform/shell.h"
#include "platform/window_position_sync.h"
#include "ui/about/about_window.h"
#include "ui/bar/bar_actions.h"
#include "ui/bar/main_bar.h"
#include "ui/bar/palette_controller.h"
#include "ui/bar/palette_exports.h"
#include "ui/bar/palette_imports.h"
#include "ui/bar/paste_color.h"
#include "ui/bar/pick_flow.h"
#include "ui/bar/tray_icon.h"
#include "ui/bar/window_placer.h"
#include "ui/color_properties/color_properties_window.h"
#include "ui/contrast/contrast_window.h"
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
#include <QPointer>
#include <QScreen>

#include <cerrno>
#include <csignal>

namespace twl {

ScreenInfo Program::CurrentScreenInfo() {
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
        connect(instance_.get(), &SingleInstance::requestReceived, this,
                &Program::AnswerScriptRequest);
    }

    bar_ = std::make_unique<MainBar>();
    bar_->move(kBuiltInBarLeft, kBuiltInBarTop);
    connect(bar_.get(), &MainBar::closed, this, &Program::Exit);
    palette_ = std::make_unique<PaletteController>(bar_.get(), services_.dialogs);
    // The bar moves by its title from its first paint on, before its menus are built.
    PressableLabel* title = palette_->Column().Title();
    connect(title, &PressableLabel::pressed, bar_.get(), [this](QMouseEvent* event) {
        if (event->button() == Qt::LeftButton) {
            bar_->StartMove();
        }
    });
    connect(title, &PressableLabel::released, bar_.get(), [this](QMouseEvent* event) {
        if (event->button() == Qt::LeftButton) {
            bar_->EndPressedMove();
        }
    });
    placer_ = std::make_unique<WindowPlacer>(*bar_, settings_, palette_->Model());

    CreateDataFolders(environment_.appDataFolder);
    // A save killed halfway in an earlier run left its temporary file beside the whole one.
    for (const std::string& folder : {folders_.userDataFolder, folders_.sharedDataFolder}) {
        RemoveStaleTemporaryFiles(folder, [](long pid) {
            return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
        });
    }
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
    scriptTarget_ =
        std::make_unique<BarScriptTarget>(*palette_, formats_, settings_, services_.screen, [this] {
            return eyeDropper_ ? eyeDropper_->Sampler().State()
                               : MagnifierStateFromSettings(settings_);
        });
    LoadColorValueFormats(formats_, folders_.sharedDataFolder, folders_.programFolder);
    // namedcolors.txt is read for {name} only when a format first asks for one.
    colorNames_ = std::make_unique<ColorNames>(std::filesystem::path(folders_.programFolder) /
                                               "namedcolors.txt");
    formats_.SetColorNames(colorNames_.get());
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

AutostartContext Program::Autostart() {
    return AutostartContext{
        environment_.windowsVersionCode,
        environment_.programFolder,
        environment_.autostartFolder,
        environment_.programPath,
        environment_.configFolderOption,
        [this](const std::filesystem::path& program, const std::string& parameter) {
            services_.shell.Launch(program.string(), parameter);
        },
        [this](const std::string& message) { services_.dialogs.ShowMessage(message); }};
}

void Program::EyeDropperCommand() {
    EyeDropper().ShowEyeDropper();
    placer_->PlaceEyeDropper();
    placer_->PlaceQuickPalette();
}

void Program::PasteColorCommand() {
    RunCommand(services_.dialogs, [this] {
        PasteColor(services_.clipboard, *palette_,
                   settings_.pasteCss ? colorNames_.get() : nullptr);
    });
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

void Program::ContrastCommand() {
    ContrastWindow& contrast = Contrast();
    if (!contrast.Placed()) {
        placer_->PlaceContrast();
    }
    contrast.ShowContrast();
}

void Program::BringForward() {
    if (!bar_) {
        return;
    }
    bar_->show();
    bar_->raise();
    bar_->activateWindow();
}

void Program::AnswerScriptRequest(const InstanceRequest& request, InstanceConnection* connection) {
    const QPointer<InstanceConnection> answer(connection);
    if (!scriptTarget_) {
        connection->Reply(FailedReply(1, {"tintwell: the bar is still starting"}));
        return;
    }
    if (request.verb == RequestVerb::Quit) {
        connection->Reply(OkReply());
        Exit();
        return;
    }
    AnswerRequest(request, *scriptTarget_, [answer](const InstanceReply& reply) {
        if (answer) {
            answer->Reply(reply);
        }
    });
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
