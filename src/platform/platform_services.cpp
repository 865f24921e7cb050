#include "platform/platform_services.h"

#include "platform/null/null_services.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_shell.h"
#include "platform/x11/x11_hotkey.h"
#include "platform/x11/x11_screen_reader.h"

#include <QGuiApplication>

#include <cstdio>

namespace twl {

std::string UnavailableServicesNote(const std::string& platformName) {
    if (platformName == "xcb") {
        return {};
    }
    return "tintwell: no X11 display (Qt platform \"" + platformName +
           "\"): picking from the screen and the global hotkey are unavailable";
}

PlatformServices MakePlatformServices() {
    PlatformServices services;
    services.dialogs = std::make_unique<QtDialogs>();
    services.shell = std::make_unique<QtShell>();
    services.clipboard = std::make_unique<QtClipboard>();
    const std::string note = UnavailableServicesNote(QGuiApplication::platformName().toStdString());
    if (note.empty()) {
        services.screen = std::make_unique<X11ScreenReader>();
        services.hotkey = std::make_unique<X11GlobalHotkey>();
    } else {
        std::fprintf(stderr, "%s\n", note.c_str());
        services.screen = std::make_unique<NullScreenReader>();
        services.hotkey = std::make_unique<NullGlobalHotkey>();
    }
    return services;
}

} // namespace twl
