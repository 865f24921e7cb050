#include "core/settings/settings.h"

#include "core/base/decimal_int.h"
#include "core/base/text_file.h"
#include "core/base/version_info.h"

namespace twl {

namespace {

constexpr std::string_view kDefaultHotkey = "Win+Q";
constexpr int kWindowsVista = 8;

// "on only if 1": a missing key is off.
bool OnlyIfOne(const SettingsList& list, std::string_view key) {
    return list.Value(key) == "1";
}

// "on unless 0": a missing key is on.
bool UnlessZero(const SettingsList& list, std::string_view key) {
    return list.Value(key) != "0";
}

std::string TextOr(const SettingsList& list, std::string_view key, std::string_view missing) {
    std::string value = list.Value(key);
    return value.empty() ? std::string(missing) : value;
}

std::optional<int> IntValue(const SettingsList& list, std::string_view key) {
    return ParseDecimalInt(list.Value(key));
}

int IntOr(const SettingsList& list, std::string_view key, int missing) {
    return IntValue(list, key).value_or(missing);
}

// The byte-sized fields keep the low 8 bits of what is stored: 257 reads 1, -1 reads 255.
int LowByteOr(const SettingsList& list, std::string_view key, int missing) {
    const auto value = IntValue(list, key);
    return value ? static_cast<int>(static_cast<unsigned>(*value) & 0xFFu) : missing;
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

std::string Flag(bool on) {
    return on ? "1" : "0";
}

std::string OptionalNumber(const std::optional<int>& value) {
    return value ? std::to_string(*value) : std::string();
}

} // namespace

Settings LoadSettings(SettingsList& list, const std::filesystem::path& userFolder,
                      const std::filesystem::path& programFolder, const ScreenInfo& screen,
                      int windowsVersionCode) {
    Settings s;

    LoadFileOrDefaults(list, userFolder, programFolder, s.barTop, s.barLeft);
    if (list.Value("program") != "twl") {
        WriteDefaultSettings(list, s.barTop, s.barLeft);
    }

    if (const auto top = IntValue(list, "top")) {
        s.barTop = screen.desktopHeight < *top ? screen.desktopHeight / 2 : *top;
    }
    if (const auto left = IntValue(list, "left")) {
        const long long desktopRight =
            static_cast<long long>(screen.desktopLeft) + screen.desktopWidth;
        s.barLeft = desktopRight < *left ? screen.desktopWidth / 2 : *left;
    }

    const std::string hotkeyText = list.Value("Hotkey");
    s.globalHotkey = ParseHotkey(hotkeyText.empty() ? kDefaultHotkey : hotkeyText);
    // Windows of that generation keep Win+digit for themselves. The stored text stays as it is
    // until the next save writes the new hotkey.
    if (hotkeyText == "Win+2" && windowsVersionCode == kWindowsVista) {
        s.globalHotkey = ParseHotkey(kDefaultHotkey);
    }

    s.zoomLevel = IntOr(list, "zoom", 1);
    s.samplingMode = LowByteOr(list, "sampling", 1);
    s.showGrid = UnlessZero(list, "ShowGrid");
    s.magnifierSize = LowByteOr(list, "EyeSize", 1);
    s.lastEyeColor = TryTextToColor(list.Value("LastEyeCol")).value_or(kClYellow);
    s.eyeShowWebSafeInfo = UnlessZero(list, "EyeShowWSinfo");
    s.eyeShowComparison = UnlessZero(list, "EyeShowComparison");
    s.eyeFormat1 = TextOr(list, "EyeCVF1", "RGB");
    s.eyeFormat2 = TextOr(list, "EyeCVF2", "HSL");
    s.eyeFormat3 = TextOr(list, "EyeCVF3", "Hex with #");
    s.autoCopyFormat = TextOr(list, "copyas", "HEX");

    s.stayOnTop = OnlyIfOne(list, "stayontop");
    s.autoCopy = UnlessZero(list, "captureandcopy");
    s.autoCopySwatch = OnlyIfOne(list, "AutoCopySwatch");
    s.autoCopyOnHotkey = OnlyIfOne(list, "ACopyonHotkey");
    s.startWithWindows = OnlyIfOne(list, "startonstartup");
    s.showAtStart = UnlessZero(list, "showprogram");

    s.snapEyeDropper = UnlessZero(list, "snapEyeDropper");
    s.snapColorProp = UnlessZero(list, "snapColorProp");
    s.snapQuickPal = UnlessZero(list, "snapQuickPal");
    s.snapTest = UnlessZero(list, "snapTest");

    s.colPropShowWebSafeInfo = UnlessZero(list, "ColPropShowWSinfo");
    s.showVariations = UnlessZero(list, "EyeShowQVars");
    s.colPropFormat1 = TextOr(list, "ColPropCVF1", "RGB");
    s.colPropFormat2 = TextOr(list, "ColPropCVF2", "HSL");
    s.colPropFormat3 = TextOr(list, "ColPropCVF3", "Hex with #");
    s.lastTestLayout = TextOr(list, "LastTL", "center-2.tl");
    s.testAutoColor = UnlessZero(list, "TestAutoColor");

    s.eyeTop = IntValue(list, "EyeTop");
    s.eyeLeft = IntValue(list, "EyeLeft");
    s.propTop = IntValue(list, "PropTop");
    s.propLeft = IntValue(list, "PropLeft");
    s.quiTop = IntValue(list, "QuiTop");
    s.quiLeft = IntValue(list, "QuiLeft");
    s.qrefTop = IntValue(list, "QRefTop");
    s.qrefLeft = IntValue(list, "QRefLeft");
    s.testTop = IntValue(list, "TestTop");
    s.testLeft = IntValue(list, "TestLeft");

    if (list.Value("firstrun") == "1") {
        list.SetValue("firstrun", "0");
        s.firstRunPending = true;
        s.startWithWindows = true;
    }
    return s;
}

void WriteDefaultSettings(SettingsList& list, int barTop, int barLeft) {
    list.Clear();
    list.Append("program=twl");
    list.Append("version=" + FileVersionText());
    list.Append("firstrun=1");
    list.Append("top=" + std::to_string(barTop));
    list.Append("left=" + std::to_string(barLeft));
    for (const char* line : {"EyeTop=0",
                             "EyeLeft=0",
                             "zoom=2",
                             "sampling=0",
                             "ShowGrid=1",
                             "LastEyeCol=clYellow",
                             "EyeSize=1",
                             "EyeCVF1=RGB",
                             "EyeCVF2=HSL",
                             "EyeCVF3=HEX with #",
                             "PropTop=0",
                             "PropLeft=0",
                             "ColPropCVF1=RGB",
                             "ColPropCVF2=HSL",
                             "ColPropCVF3=HEX with #",
                             "QuiTop=0",
                             "QuiLeft=0",
                             "QRefTop=",
                             "QRefLeft=",
                             "TestTop=0",
                             "TestLeft=0",
                             "hotkey=Win+Q",
                             "stayontop=0",
                             "captureandcopy=0",
                             "AutoCopySwatch=0",
                             "ACopyonHotkey=0",
                             "copyas=HEX with #",
                             "showprogram=1",
                             "EyeShowComparison=1",
                             "startonstartup=1",
                             "snapEyeDropper=1",
                             "snapColorProp=1",
                             "snapQuickPal=1",
                             "snapTest=1",
                             "EyeShowWSinfo=1",
                             "ColPropShowWSinfo=1",
                             "EyeShowQVars=1",
                             "LastTL=1",
                             "TestAutoColor=0"}) {
        list.Append(line);
    }
}

void FillSettingsList(SettingsList& list, const Settings& s) {
    list.Clear();
    const auto add = [&list](std::string_view key, const std::string& value) {
        list.Append(std::string(key) + "=" + value);
    };
    add("program", "twl");
    add("version", FileVersionText());
    add("firstrun", "0");
    add("hotkey", s.globalHotkey ? FormatHotkey(*s.globalHotkey) : std::string());
    add("top", std::to_string(s.barTop));
    add("left", std::to_string(s.barLeft));
    add("monitor", std::to_string(s.monitor));
    add("EyeTop", OptionalNumber(s.eyeTop));
    add("EyeLeft", OptionalNumber(s.eyeLeft));
    add("LastEyeCol", ColorToText(s.lastEyeColor));
    add("zoom", std::to_string(s.zoomLevel));
    add("sampling", std::to_string(s.samplingMode));
    add("EyeSize", std::to_string(s.magnifierSize));
    add("EyeCVF1", s.eyeFormat1);
    add("EyeCVF2", s.eyeFormat2);
    add("EyeCVF3", s.eyeFormat3);
    add("PropTop", OptionalNumber(s.propTop));
    add("PropLeft", OptionalNumber(s.propLeft));
    add("ColPropCVF1", s.colPropFormat1);
    add("ColPropCVF2", s.colPropFormat2);
    add("ColPropCVF3", s.colPropFormat3);
    add("QuiTop", OptionalNumber(s.quiTop));
    add("QuiLeft", OptionalNumber(s.quiLeft));
    add("QRefTop", OptionalNumber(s.qrefTop));
    add("QRefLeft", OptionalNumber(s.qrefLeft));
    add("TestTop", OptionalNumber(s.testTop));
    add("TestLeft", OptionalNumber(s.testLeft));
    add("LastTL", s.lastTestLayout);
    add("stayontop", Flag(s.stayOnTop));
    add("captureandcopy", Flag(s.autoCopy));
    add("AutoCopySwatch", Flag(s.autoCopySwatch));
    add("ACopyonHotkey", Flag(s.autoCopyOnHotkey));
    add("copyas", s.autoCopyFormat);
    add("showprogram", Flag(s.showAtStart));
    add("EyeShowComparison", Flag(s.eyeShowComparison));
    add("startonstartup", Flag(s.startWithWindows));
    add("snapEyeDropper", Flag(s.snapEyeDropper));
    add("snapColorProp", Flag(s.snapColorProp));
    add("snapQuickPal", Flag(s.snapQuickPal));
    add("snapTest", Flag(s.snapTest));
    add("EyeShowWSinfo", Flag(s.eyeShowWebSafeInfo));
    add("ColPropShowWSinfo", Flag(s.colPropShowWebSafeInfo));
    add("EyeShowQVars", Flag(s.showVariations));
    add("ShowGrid", Flag(s.showGrid));
    add("TestAutoColor", Flag(s.testAutoColor));
}

bool SaveSettings(SettingsList& list, const Settings& settings,
                  const std::filesystem::path& userFolder) {
    FillSettingsList(list, settings);
    return WriteTextLines(userFolder / kSettingsFileName, list.Lines());
}

} // namespace twl
