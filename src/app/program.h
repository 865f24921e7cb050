#pragma once
// The program's start and end: the single-instance guard, the data folders, the settings, the
// main bar, the creation and wiring of the other windows, and the saving at exit and at log-off.

#include "core/formats/color_names.h"
#include "core/formats/format_list.h"
#include "core/scripting/instance_message.h"
#include "core/settings/settings.h"
#include "core/startup/autostart.h"
#include "core/startup/data_folders.h"
#include "ui/common/color_copy.h"

#include <QObject>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace twl {

class AboutWindow;
class BarScriptTarget;
class InstanceConnection;
class BarActions;
class Clipboard;
class ColorPropertiesWindow;
class ContrastWindow;
class Dialogs;
class EyeDropperWindow;
class FontsWindow;
class GlobalHotkey;
class MainBar;
class OptionsDialog;
class PaletteController;
class PaletteExports;
class PaletteImports;
class PickFlow;
class QuickPaletteWindow;
class QuickReferenceWindow;
class ScreenReader;
class Shell;
class SingleInstance;
class TestLayoutsWindow;
class TrayIcon;
class UpdateCheckWindow;
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
    std::filesystem::path appDataFolder;      // the per-user configuration folder
    std::string programFolder;                // the shipped data
    std::string programPath;                  // the program file
    std::filesystem::path autostartFolder;    // the desktop's autostart entries
    std::filesystem::path configFolderOption; // the folder of --config-dir; empty without it
    int windowsVersionCode = 0;
    bool useInstanceGuard = true;
    // The hidden windows are built once the bar has been painted, so it shows sooner.
    bool buildWindowsAfterFirstPaint = false;
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

    Settings& CurrentSettings() { return settings_; }
    const DataFolders& Folders() const { return folders_; }
    FormatList& Formats() { return formats_; }
    MainBar& Bar() { return *bar_; }
    PaletteController& Palette() { return *palette_; }
    WindowPlacer& Placer() { return *placer_; }
    // The bar's menus, tray icon and hotkey: built once the bar has been painted.
    bool CommandsReady() const { return actions_ != nullptr; }
    BarActions& Actions();
    TrayIcon& Tray();
    PickFlow& Picks();
    // The other windows are built the first time they are wanted; until then the settings they
    // keep stay as they were read, and are written back so.
    EyeDropperWindow& EyeDropper();
    ColorPropertiesWindow& ColorProperties();
    QuickPaletteWindow& QuickPalette();
    TestLayoutsWindow& TestLayouts();
    OptionsDialog& Options();
    QuickReferenceWindow& QuickReference();
    ContrastWindow& Contrast();
    FontsWindow& Fonts();
    AboutWindow& About();
    UpdateCheckWindow& UpdateCheck();

    // Text and a swatch picture together on the clipboard (the automatic copy with swatch); the
    // palette exports supply it once the windows are built.
    void SetCopyTextAndSwatch(CopyTextAndSwatchFn copy) { copyTextAndSwatch_ = std::move(copy); }

    // Shows the main bar and brings it forward (a second copy asks for this).
    void BringForward();
    // With Auto Copy on, copies the newest colour in the "copyas" format.
    void AutoCopyNewest();
    // The Eye Dropper command: shows the Eye Dropper beside the bar.
    void EyeDropperCommand();
    // Paste Color; a bad number in the text goes to the general error report.
    void PasteColorCommand();
    // F7: shows Color Properties beside the selected slot.
    void ColorPropertiesCommand();
    // "Quick Color Palette" and "Named Colors": shows the window beside the bar in that mode.
    void QuickPaletteCommand();
    void NamedColorsCommand();
    // The Test Layouts command: shows the window beside the bar.
    void TestLayoutsCommand();
    // F3: the Options dialog on the page last shown.
    void OptionsCommand();
    // F8: shows the Contrast window; its first showing without a stored place is beside the bar.
    void ContrastCommand();

signals:
    // Before a save: the windows put their live state (positions, options) into the settings.
    void collectingSettings(Settings& settings);

private:
    static ScreenInfo CurrentScreenInfo();
    // A request of the command line (or of a later copy) over the single-instance socket.
    void AnswerScriptRequest(const InstanceRequest& request, InstanceConnection* connection);
    void CollectLiveSettings();
    void SaveSettingsOrReport();
    void Quit();
    void SaveFormats();
    std::filesystem::path FontSamplesFile() const;
    // The bar's menus, tray icon, palette exports and hotkey.
    void CreateBarCommands();
    // Each builds its window and wires it to the program; the bar's commands come first.
    void CreateEyeDropper();
    void CreateColorProperties();
    void CreateQuickPalette();
    void CreateTestLayouts();
    void CreateOptions();
    void CreateQuickReference();
    void CreateContrast();
    void CreateFonts();
    void CreateAbout();
    void CreateUpdateCheck();
    // The window, built by create the first time.
    template <typename Window>
    Window& Built(std::unique_ptr<Window>& window, void (Program::*create)());
    template <typename Window> void ConnectToolKeys(Window* window);
    template <typename Window> void ConnectHelp(Window* window);
    AutostartContext Autostart();

    Services services_;
    ProgramEnvironment environment_;
    DataFolders folders_;
    SettingsList settingsList_;
    // Before the formats, which point to them.
    std::unique_ptr<ColorNames> colorNames_;
    FormatList formats_;
    Settings settings_;
    CopyTextAndSwatchFn copyTextAndSwatch_;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<BarScriptTarget> scriptTarget_;
    std::unique_ptr<MainBar> bar_;
    std::unique_ptr<PaletteController> palette_;
    std::unique_ptr<WindowPlacer> placer_;
    std::unique_ptr<EyeDropperWindow> eyeDropper_;
    std::unique_ptr<ColorPropertiesWindow> colorProperties_;
    std::unique_ptr<QuickPaletteWindow> quickPalette_;
    std::unique_ptr<TestLayoutsWindow> testLayouts_;
    std::unique_ptr<BarActions> actions_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<PickFlow> pickFlow_;
    std::unique_ptr<PaletteExports> exports_;
    std::unique_ptr<PaletteImports> imports_;
    std::unique_ptr<OptionsDialog> options_;
    std::unique_ptr<QuickReferenceWindow> quickReference_;
    std::unique_ptr<ContrastWindow> contrast_;
    std::unique_ptr<FontsWindow> fonts_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<UpdateCheckWindow> updateCheck_;
    bool ended_ = false;
};

} // namespace twl
