// Tintwell: a small desktop colour picker.

#include "app/command_line.h"
#include "app/program.h"
#include "app/script_command.h"
#include "app/termination_watcher.h"
#include "app/twl_application.h"
#include "core/base/version_info.h"
#include "core/startup/data_folders.h"
#include "core/startup/display_choice.h"
#include "platform/platform_services.h"

#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    const twl::CommandLine commandLine = twl::ReadCommandLine(argc, argv);
    if (commandLine.exitCode) {
        return *commandLine.exitCode;
    }
    // On a Wayland desktop the windows run on XWayland, where they keep their places.
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    const twl::DisplayChoice display =
        twl::ChooseDisplay(isSet("WAYLAND_DISPLAY"), isSet("DISPLAY"), isSet("QT_QPA_PLATFORM"));
    if (display == twl::DisplayChoice::UseXWayland) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
    const bool needsWindows =
        !commandLine.request || commandLine.request->verb == twl::RequestVerb::Pick;
    if (display == twl::DisplayChoice::NeedsXWayland && needsWindows) {
        std::fprintf(stderr, "%s\n", std::string(twl::kNeedsXWaylandText).c_str());
        return 1;
    }
    if (commandLine.diagnose) {
        twl::TwlApplication app(argc, argv);
        const twl::PlatformServices services = twl::MakePlatformServices();
        std::printf("%s\n%s\n", twl::VersionLine().toLocal8Bit().constData(),
                    twl::DiagnosisText(*services.screen, *services.hotkey).c_str());
        return 0;
    }
    if (commandLine.request) {
        return twl::RunScriptCommand(commandLine, TWL_DATA_FROM_PROGRAM, argc, argv);
    }
    twl::TwlApplication app(argc, argv);
    // No display name: on X11 Qt appends it to every window title, and each window's caption
    // stands exactly as written ("Eye Dropper", "Options").
    QCoreApplication::setApplicationName(QStringLiteral("TWL"));
    // The bar is a tool window; the program ends only through its exit command or the session.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // The desktop finds the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TWL_APP_ID));

    const twl::PlatformServices services = twl::MakePlatformServices();
    app.SetDialogs(services.dialogs.get());

    const std::string configFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
    twl::ProgramEnvironment environment;
    environment.appDataFolder =
        commandLine.configFolder.empty() ? configFolder : commandLine.configFolder;
    environment.programFolder = twl::FindProgramFolder(
        QCoreApplication::applicationDirPath().toStdString(), TWL_DATA_FROM_PROGRAM);
    environment.programPath = QCoreApplication::applicationFilePath().toStdString();
    environment.autostartFolder = std::filesystem::path(configFolder) / "autostart";
    environment.configFolderOption = commandLine.configFolder;
    environment.windowsVersionCode = twl::WindowsVersionCode();
    environment.buildWindowsAfterFirstPaint = true;

    twl::Program program(twl::Services{*services.dialogs, *services.shell, *services.clipboard,
                                       *services.screen, *services.hotkey},
                         environment);
    if (!program.Start()) {
        return 0;
    }

    twl::TerminationWatcher termination;
    QObject::connect(&termination, &twl::TerminationWatcher::TerminationRequested, &program,
                     &twl::Program::EndSession);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &program,
                     [&program](QSessionManager&) { program.EndSession(); });
    return app.exec();
}
