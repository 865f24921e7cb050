#pragma once
// The program's start and end: the single-instance guard, the data folders, the settings, the
// main bar, the creation of the other windows, and the saving at exit and at log-off.

#include "core/base/settings_list.h"
#include "core/formats/format_list.h"
#include "core/settings/settings.h"
#include "core/startup/data_folders.h"
#include "ui/common/color_copy.h"

#include <QObject>

class QKeyEvent;

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace twl {

class BarCommands;
class Clipboard;
class GlobalHotkey;
class Form2;
class ScreenReader;
class Dialogs;
class Form1;
class PaletteController;
class Shell;
class SingleInstance;
class WindowPlacer;

// The operating-system services the program uses: real ones in the program, fakes in tests.
struct Services {
    Dialogs& dialogs;
    Shell& shell;
    Clipboard& clipboard;
    ScreenReader& screen;
    GlobalHotkey& hotkey;
};

// Where the program lives and what system it runs on.
struct ProgramEnvironment {
    std::filesystem::path appDataFolder;   // the per-user configuration folder
    std::string programFolder;             // the shipped data
    std::string programPath;               // the program file
    std::filesystem::path autostartFolder; // the desktop's autostart entries
    int windowsVersionCode = 0;
    bool useInstanceGuard = true;
    // The hidden windows are built once the bar has been painted, so it shows sooner.
    bool buildWindowsAfterFirstPaint = false;
};

// Work that windows built later plug into the start and the end. Each does nothing while empty.
struct ProgramHooks {
    std::vector<std::function<void()>> createWindows;
    // Text and a swatch picture together on the clipboard (the automatic copy with swatch).
    CopyTextAndSwatchFn copyTextAndSwatch;
    // Lets windows put their live state (positions, options) into the settings before a save.
    std::vector<std::function<void(Settings&)>> collectSettings;
};

class Program : public QObject {
    Q_OBJECT
public:
    Program(Services services, ProgramEnvironment environment, QObject* parent = nullptr);
    ~Program() override;

    // Runs the start-up. False when another copy already runs: it was brought forward, and
    // this one must end without showing or writing anything.
    bool Start();

    // The exit command: saves everything and ends the program.
    void Exit();
    // The session ends (log-off, shutdown, SIGTERM): saves the palette and the settings only.
    void EndSession();

    ProgramHooks& Hooks() { return hooks_; }
    Settings& CurrentSettings() { return settings_; }
    SettingsList& List() { return settingsList_; }
    const DataFolders& Folders() const { return folders_; }
    Form1& MainBar() { return *form1_; }
    PaletteController& Palette() { return *palette_; }
    WindowPlacer& Placer() { return *placer_; }
    Form2& EyeDropper() { return *form2_; }
    // False until the hidden windows have been built.
    bool WindowsReady() const { return form2_ != nullptr; }
    BarCommands& Commands() { return *commands_; }
    Services& Platform() { return services_; }

    // Shows the main bar and brings it forward (a second copy asks for this).
    void BringForward();

    FormatList& Formats() { return formats_; }
    // With Auto Copy on, copies the newest colour in the "copyas" format.
    void AutoCopyNewest();
    // The newest palette colour, if the palette has any.
    std::optional<TColor> NewestColor() const;

    // The Eye Dropper command: shows the Eye Dropper beside the bar.
    void EyeDropperCommand();

private:
    void CollectLiveSettings();
    void SaveSettingsOrReport();
    void Quit();
    void SaveFormats();
    void CreateEyeDropper();
    // The windows that stay hidden at start, and the commands that reach them.
    void CreateOtherWindows();

    Services services_;
    ProgramEnvironment environment_;
    ProgramHooks hooks_;
    DataFolders folders_;
    SettingsList settingsList_;
    FormatList formats_;
    Settings settings_;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<PaletteController> palette_;
    std::unique_ptr<WindowPlacer> placer_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<BarCommands> commands_;
    bool ended_ = false;
};

} // namespace twl
