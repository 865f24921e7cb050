#pragma once
// The operating-system services of this desktop, chosen once at start: X11's screen reader and
// hotkey when Qt runs on X11, the null ones elsewhere; Qt's clipboard, dialogs and shell.

#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/global_hotkey.h"
#include "platform/screen_reader.h"
#include "platform/shell.h"

#include <memory>
#include <string>

namespace twl {

struct PlatformServices {
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<Clipboard> clipboard;
    std::unique_ptr<ScreenReader> screen;
    std::unique_ptr<GlobalHotkey> hotkey;
};

// Needs the QGuiApplication. Off X11 it writes one line on stderr naming what is unavailable.
PlatformServices MakePlatformServices();

// True on a Wayland desktop, where the windows run on XWayland.
bool OnWaylandDesktop();

// What --diagnose says: the desktop, how the screen is read and how the hotkey is heard.
std::string DiagnosisText(const ScreenReader& screen, const GlobalHotkey& hotkey);

// That line for a Qt platform plugin name; empty for X11 ("xcb"), where everything is there.
std::string UnavailableServicesNote(const std::string& platformName);

} // namespace twl
