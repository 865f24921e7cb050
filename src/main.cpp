// Tintwell: a small desktop colour picker.

#include "app/program.h"
#include "app/termination_watcher.h"
#include "app/twl_application.h"
#include "core/base/version_info.h"
#include "core/startup/data_folders.h"
#include "platform/platform_services.h"

#include <QStandardPaths>

int main(int argc, char** argv) {
    twl::TwlApplication app(argc, argv);
    // No display name: on X11 Qt appends it to every window title, and each window's caption
    // stands exactly as written ("Eye Dropper", "Options").
    QCoreApplication::setApplicationName(QStringLiteral("TWL"));
    // The bar is a tool window; the program ends only through its exit command or the session.
    QGuiApplication::setQuitOnLastWindowClosed(false);

    const twl::PlatformServices services = twl::MakePlatformServices();
    app.SetDialogs(services.dialogs.get());

    const std::string configFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
    twl::ProgramEnvironment environment;
    environment.appDataFolder = configFolder;
    environment.programFolder = twl::FindProgramFolder(
        QCoreApplication::applicationDirPath().toStdString(), TWL_DATA_INSTALL_DIR);
    environment.programPath = QCoreApplication::applicationFilePath().toStdString();
    environment.autostartFolder = std::filesystem::path(configFolder) / "autostart";
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
