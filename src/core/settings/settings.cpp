#include "core/settings/settings.h"

#include "core/base/decimal_int.h"
#include "core/base/text_file.h"
#include "core/base/version_info.h"
#include "core/settings/settings_schema.h"

#include <algorithm>

namespace twl {

namespace {

using enum SettingsKind;

constexpr int kWindowsVista = 8;

// The key's field in s, of type T; S is Settings or const Settings.
template <class T, class S> auto& Field(S& s, const SettingsKey& key) {
    return s.*std::get<T Settings::*>(key.field);
}

// What parse reads from text, else what it reads from the key's missing text.
template <class Parse>
auto ParsedOrMissing(std::string_view text, const SettingsKey& key, Parse parse) {
    const auto value = parse(text);
    return value ? *value : parse(key.missing).value();
}

int LowEightBits(int value) {
    return static_cast<int>(static_cast<unsigned>(value) & 0xFFu);
}

void ReadKey(Settings& s, const SettingsKey& key, const std::string& value,
             const ScreenInfo& screen, int windowsVersionCode) {
    const std::string_view text = value.empty() ? key.missing : std::string_view(value);
    switch (key.kind) {
    case ProgramName:
    case FileVersion:
    case FirstRun:
    case Monitor:
        break;
    case HotkeyText:
        Field<std::optional<Hotkey>>(s, key) = ParseHotkey(text);
        // Windows of that generation keep Win+digit for themselves. The stored text stays as it
        // is until the next save writes the new hotkey.
        if (value == "Win+2" && windowsVersionCode == kWindowsVista) {
            Field<std::optional<Hotkey>>(s, key) = ParseHotkey(key.missing);
        }
        break;
    case BarTop:
        if (const auto top = ParseDecimalInt(text)) {
            Field<int>(s, key) = screen.desktopHeight < *top ? screen.desktopHeight / 2 : *top;
        }
        break;
    case BarLeft:
        if (const auto left = ParseDecimalInt(text)) {
            const long long desktopRight =
                static_cast<long long>(screen.desktopLeft) + screen.desktopWidth;
            Field<int>(s, key) = desktopRight < *left ? screen.desktopWidth / 2 : *left;
        }
        break;
    case OnlyIfOne:
    case OptIn:
        Field<bool>(s, key) = text == "1";
        break;
    case UnlessZero:
        Field<bool>(s, key) = text != "0";
        break;
    case Integer:
        Field<int>(s, key) = ParsedOrMissing(text, key, ParseDecimalInt);
        break;
    case LowByte:
        Field<int>(s, key) = LowEightBits(ParsedOrMissing(text, key, ParseDecimalInt));
        break;
    case Text:
        Field<std::string>(s, key) = text;
        break;
    case Position:
    case OptPosition:
        Field<std::optional<int>>(s, key) = ParseDecimalInt(text);
        break;
    case OptColor:
        Field<std::optional<TColor>>(s, key) = TryTextToColor(text);
        break;
    case OptNumber:
        Field<int>(s, key) = ParseDecimalInt(text).value_or(0);
        break;
    case ColorText:
        Field<TColor>(s, key) = ParsedOrMissing(text, key, TryTextToColor);
        break;
    }
}

std::string FreshValue(const SettingsKey& key, int barTop, int barLeft) {
    switch (key.kind) {
    case FileVersion:
        return FileVersionText();
    case BarTop:
        return std::to_string(barTop);
    case BarLeft:
        return std::to_string(barLeft);
    default:
        return std::string(key.fresh);
    }
}

std::string SavedValue(const Settings& s, const SettingsKey& key) {
    switch (key.kind) {
    case ProgramName:
        return std::string(kProgramName);
    case FileVersion:
        return FileVersionText();
    case FirstRun:
        return "0"; // the first-run actions are done by the time anything is saved
    case HotkeyText: {
        const auto& hotkey = Field<std::optional<Hotkey>>(s, key);
        return hotkey ? FormatHotkey(*hotkey) : std::string();
    }
    case BarTop:
    case BarLeft:
    case Monitor:
    case Integer:
    case LowByte:
    case OptNumber:
        return std::to_string(Field<int>(s, key));
    case OnlyIfOne:
    case OptIn:
    case UnlessZero:
        return Field<bool>(s, key) ? "1" : "0";
    case Text:
        return Field<std::string>(s, key);
    case Position:
    case OptPosition: {
        const auto& position = Field<std::optional<int>>(s, key);
        return position ? std::to_string(*position) : std::string();
    }
    case ColorText:
        return ColorToText(Field<TColor>(s, key));
    case OptColor: {
        const auto& color = Field<std::optional<TColor>>(s, key);
        return color ? ColorToText(*color) : std::string();
    }
    }
    return {};
}

// The keys a file of the default leaves out are written only while they hold something.
bool Saved(const Settings& s, const SettingsKey& key) {
    switch (key.kind) {
    case OptIn:
        return Field<bool>(s, key);
    case OptPosition:
        return Field<std::optional<int>>(s, key).has_value();
    case OptColor:
        return Field<std::optional<TColor>>(s, key).has_value();
    case OptNumber:
        return Field<int>(s, key) != 0;
    default:
        return true;
    }
}

// "program" and "firstrun" are LoadSettings' own business; "version" and "monitor" are not read.
void ReadKeys(Settings& s, const SettingsList& list, const ScreenInfo& screen,
              int windowsVersionCode) {
    for (const SettingsKey& key : kSettingsKeys) {
        ReadKey(s, key, list.Value(key.name), screen, windowsVersionCode);
    }
}

void LoadFileOrDefaults(SettingsList& list, const std::filesystem::path& userFolder,
                        const std::filesystem::path& programFolder, int barTop, int barLeft) {
    for (const auto& folder : {userFolder, programFolder}) {
        if (auto lines = ReadTextLines(folder / kSettingsFileName)) {
            list = SettingsList(std::move(*lines));
            return;
        }
    }
    WriteDefaultSettings(list, barTop, barLeft);
}

} // namespace

// With no keys at all, every field takes its key's missing value.
Settings::Settings() {
    ReadKeys(*this, SettingsList(), ScreenInfo(), 0);
}

Settings LoadSettings(SettingsList& list, const std::filesystem::path& userFolder,
                      const std::filesystem::path& programFolder, const ScreenInfo& screen,
                      int windowsVersionCode) {
    Settings s;
    LoadFileOrDefaults(list, userFolder, programFolder, s.barTop, s.barLeft);
    if (list.Value(kProgramKey) != kProgramName) {
        WriteDefaultSettings(list, s.barTop, s.barLeft);
    }
    ReadKeys(s, list, screen, windowsVersionCode);
    if (list.Value(kFirstRunKey) == "1") {
        list.SetValue(kFirstRunKey, "0");
        s.firstRunPending = true;
        s.startWithWindows = true;
    }
    return s;
}

void WriteDefaultSettings(SettingsList& list, int barTop, int barLeft) {
    list.Clear();
    for (int line = 1;; ++line) {
        const auto key = std::ranges::find(kSettingsKeys, line, &SettingsKey::freshLine);
        if (key == kSettingsKeys.end()) {
            return;
        }
        list.Append(std::string(key->name) + "=" + FreshValue(*key, barTop, barLeft));
    }
}

void FillSettingsList(SettingsList& list, const Settings& s) {
    list.Clear();
    for (const SettingsKey& key : kSettingsKeys) {
        if (Saved(s, key)) {
            list.Append(std::string(key.name) + "=" + SavedValue(s, key));
        }
    }
}

bool SaveSettings(SettingsList& list, const Settings& settings,
                  const std::filesystem::path& userFolder) {
    FillSettingsList(list, settings);
    return WriteTextLines(userFolder / kSettingsFileName, list.Lines());
}

} // namespace twl
