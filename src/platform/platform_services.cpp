#include "platform/platform_services.h"

#include "platform/null/null_services.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_shell.h"
#include "platform/wayland/portal_global_hotkey.h"
#include "platform/wayland/portal_screen_reader.h"
#include "platform/wayland/screencopy_screen_reader.h"
#include "platform/wayland/unavailable_screen_reader.h"
#include "platform/x11/x11_hotkey.h"
#include "platform/x11/x11_screen_reader.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace twl {

std::string UnavailableServicesNote(const std::string& platformName) {
    if (platformName == "xcb") {
        return {};
    }
    return "tintwell: no X11 display (Qt platform \"" + platformName +
           "\"): picking from the screen and the global hotkey are unavailable";
}

namespace {

// On a Wayland desktop the windows run on XWayland, whose root cannot be read: the pixels come
// from the compositor's screen copy, else from the desktop portal. TWL_CAPTURE names one
// ("screencopy", "portal") to use it alone.
std::unique_ptr<ScreenReader> WaylandScreenReader() {
    const char* forced = std::getenv("TWL_CAPTURE");
    const std::string only = forced != nullptr ? forced : "";
    std::string screencopyProblem = "not tried";
    if (only.empty() || only == "screencopy") {
        if (auto capture = WaylandCapture::Connect(screencopyProblem)) {
            return std::make_unique<ScreencopyScreenReader>(std::move(capture),
                                                            std::make_unique<X11ScreenReader>());
        }
    }
    if ((only.empty() || only == "portal") && PortalScreenReader::Offered()) {
        return std::make_unique<PortalScreenReader>(std::make_unique<X11ScreenReader>());
    }
    std::string reason = "no way to read the screen on this Wayland desktop: " + screencopyProblem +
                         ", and no desktop portal offers Screenshot";
    if (!only.empty() && only != "screencopy" && only != "portal") {
        reason = "TWL_CAPTURE names no way to read the screen (screencopy, portal)";
    }
    return std::make_unique<UnavailableScreenReader>(reason, std::make_unique<X11ScreenReader>());
}

} // namespace

bool OnWaylandDesktop() {
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return wayland != nullptr && *wayland != '\0';
}

std::string DiagnosisText(const ScreenReader& screen, const GlobalHotkey& hotkey) {
    const bool onWayland = OnWaylandDesktop();
    const std::string platform = QGuiApplication::platformName().toStdString();
    std::string text =
        "windows: " + platform + (onWayland ? " (XWayland on a Wayland desktop)" : "");
    text += "\ncapture: " + screen.Describe();
    if (platform != "xcb") {
        text += "\nhotkey: none";
    } else if (hotkey.DesktopBinds()) {
        text += "\nhotkey: " + hotkey.Describe();
    } else if (onWayland) {
        text += "\nhotkey: XGrabKey, heard only while a Tintwell window has the focus; bind "
                "\"tintwell --pick\" to a key in the desktop's keyboard settings";
    } else {
        text += "\nhotkey: XGrabKey";
    }
    return text;
}

PlatformServices MakePlatformServices() {
    PlatformServices services;
    services.dialogs = std::make_unique<QtDialogs>();
    services.shell = std::make_unique<QtShell>();
    services.clipboard = std::make_unique<QtClipboard>();
    const std::string note = UnavailableServicesNote(QGuiApplication::platformName().toStdString());
    if (note.empty()) {
        if (OnWaylandDesktop()) {
            services.screen = WaylandScreenReader();
        } else {
            services.screen = std::make_unique<X11ScreenReader>();
        }
        if (const std::string reason = services.screen->Unavailable(); !reason.empty()) {
            std::fprintf(stderr, "tintwell: %s; picks give no colour\n", reason.c_str());
        }
        // On Wayland an X key grab is heard only while a program's window has the focus: where
        // the desktop binds keys for programs, it binds the hotkey.
        if (OnWaylandDesktop() && PortalGlobalHotkey::Offered()) {
            services.hotkey = std::make_unique<PortalGlobalHotkey>();
        } else {
            services.hotkey = std::make_unique<X11GlobalHotkey>();
        }
    } else {
        std::fprintf(stderr, "%s\n", note.c_str());
        services.screen = std::make_unique<NullScreenReader>();
        services.hotkey = std::make_unique<NullGlobalHotkey>();
    }
    return services;
}

} // namespace twl
