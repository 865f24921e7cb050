#pragma once
// The settings file "set.set": every key the program knows, read into typed fields at start-up
// and written back whole at exit, at log-off and when the Options dialog is confirmed.

#include "core/base/screen_info.h"
#include "core/base/settings_list.h"
#include "core/color/color_text.h"
#include "core/settings/hotkey_text.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace twl {

inline constexpr std::string_view kSettingsFileName = "set.set";
inline constexpr std::string_view kSaveSettingsErrorText = "ERROR! Can not save settings file!";
inline constexpr TColor kClYellow = 0x0000FFFF;
// Where the main bar stands until a settings file places it.
inline constexpr int kBuiltInBarLeft = 395, kBuiltInBarTop = 209;

// A Settings made by default holds what a file without any keys reads as: every key's missing
// value (settings_schema.cpp) and the main bar at its built-in position.
struct Settings {
    Settings();

    int barLeft = kBuiltInBarLeft, barTop = kBuiltInBarTop; // main bar
    std::optional<Hotkey> globalHotkey; // nullopt: the stored text named no hotkey
    int zoomLevel, samplingMode, magnifierSize;
    bool showGrid;
    TColor lastEyeColor;
    bool eyeShowWebSafeInfo, eyeShowComparison;
    std::string eyeFormat1, eyeFormat2, eyeFormat3;
    std::string colPropFormat1, colPropFormat2, colPropFormat3;
    bool colPropShowWebSafeInfo, showVariations;
    // Tool window positions as stored: nullopt for an empty, missing or non-numeric value, which
    // leaves the window at its built-in place (centred for the quick reference).
    std::optional<int> eyeTop, eyeLeft, propTop, propLeft, quiTop, quiLeft, qrefTop, qrefLeft,
        testTop, testLeft;
    std::string lastTestLayout;
    bool testAutoColor;
    bool stayOnTop, autoCopy, autoCopySwatch, autoCopyOnHotkey;
    std::string autoCopyFormat;
    bool showAtStart, startWithWindows;
    bool snapEyeDropper, snapColorProp, snapQuickPal, snapTest;
    bool pasteCss; // Paste Color also reads CSS colour text
    // The Contrast window: its place, and its colours once they no longer follow the palette.
    std::optional<int> contrastTop, contrastLeft;
    std::optional<TColor> contrastText, contrastBack;
    int colorVision = 0;          // the simulated colour vision: 0 normal, 1 to 4 the deficiencies
    int monitor = 0;              // the display holding the main bar; written, never read
    bool firstRunPending = false; // the file said "firstrun=1": the first-run actions are due

    bool operator==(const Settings&) const = default;
};

// Fills list from userFolder/set.set, else programFolder/set.set, else the default file; a list
// whose "program" is not "twl" is replaced by the default file. Then reads every key: a missing
// or empty key, and an integer key that is not a decimal integer, take the value the program
// assumes for a missing key. The main bar's top and left start from kBuiltInBarTop and
// kBuiltInBarLeft and are pulled back onto the desktop. On a first run (firstrun=1) the list gets
// "firstrun=0", startWithWindows is set and firstRunPending tells the caller to run
// RemoveLegacyAutostart.
Settings LoadSettings(SettingsList& list, const std::filesystem::path& userFolder,
                      const std::filesystem::path& programFolder, const ScreenInfo& screen,
                      int windowsVersionCode);

// Clears list and fills it with the 44 lines of a fresh settings file. Writes nothing to disk.
void WriteDefaultSettings(SettingsList& list, int barTop, int barLeft);

// Clears list and fills it with the 45 lines that a save writes.
void FillSettingsList(SettingsList& list, const Settings& settings);

// FillSettingsList, then writes the list whole to userFolder/set.set. False when the file could
// not be written; the old file is then as it was and list holds the new lines.
bool SaveSettings(SettingsList& list, const Settings& settings,
                  const std::filesystem::path& userFolder);

} // namespace twl
