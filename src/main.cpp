// Tintwell: a small desktop colour picker.

#include "app/program.h"
#include "app/termination_watcher.h"
#include "app/twl_application.h"
#include "core/base/version_info.h"
#include "core/startup/data_folders.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_shell.h"
#include "platform/x11/x11_hotkey.h"
#include "platform/x11/x11_screen_reader.h"

#include <QStandardPaths>

int main(int argc, char** argv) {
    twl::TwlApplication app(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("TWL"));
    QCoreApplication::setApplicationName(QStringLiteral("TWL"));
    // The bar is a tool window; the program ends only through its exit command or the session.
    QGuiApplication::setQuitOnLastWindowClosed(false);

    twl::QtDialogs dialogs;
    twl::QtShell shell;
    twl::QtClipboard clipboard;
    twl::X11ScreenReader screen;
    twl::X11GlobalHotkey hotkey;
    app.SetDialogs(&dialogs);

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

    twl::Program program(twl::Services{dialogs, shell, clipboard, screen, hotkey}, environment);
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
