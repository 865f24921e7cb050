#include "core/settings/settings_schema.h"

namespace twl {

using enum SettingsKind;
using S = Settings; // short, to keep the rows on one line each

// clang-format off
constexpr std::array<SettingsKey, 51> kSettingsKeys = {{
    // name               kind         field                       missing        fresh line and value
    {kProgramKey,         ProgramName, {},                         "",            1,  kProgramName},
    {"version",           FileVersion, {},                         "",            2,  ""},
    {kFirstRunKey,        FirstRun,    {},                         "",            3,  "1"},
    {"hotkey",            HotkeyText,  &S::globalHotkey,           "Win+Q",       27, "Win+Q"},
    {"top",               BarTop,      &S::barTop,                 "",            4,  ""},
    {"left",              BarLeft,     &S::barLeft,                "",            5,  ""},
    {"monitor",           Monitor,     &S::monitor,                "",            0,  ""},
    {"EyeTop",            Position,    &S::eyeTop,                 "",            6,  "0"},
    {"EyeLeft",           Position,    &S::eyeLeft,                "",            7,  "0"},
    {"LastEyeCol",        ColorText,   &S::lastEyeColor,           "clYellow",    11, "clYellow"},
    {"zoom",              Integer,     &S::zoomLevel,              "1",           8,  "2"},
    {"sampling",          LowByte,     &S::samplingMode,           "1",           9,  "0"},
    {"EyeSize",           LowByte,     &S::magnifierSize,          "1",           12, "1"},
    {"EyeCVF1",           Text,        &S::eyeFormat1,             "RGB",         13, "RGB"},
    {"EyeCVF2",           Text,        &S::eyeFormat2,             "HSL",         14, "HSL"},
    {"EyeCVF3",           Text,        &S::eyeFormat3,             "Hex with #",  15, "HEX with #"},
    {"PropTop",           Position,    &S::propTop,                "",            16, "0"},
    {"PropLeft",          Position,    &S::propLeft,               "",            17, "0"},
    {"ColPropCVF1",       Text,        &S::colPropFormat1,         "RGB",         18, "RGB"},
    {"ColPropCVF2",       Text,        &S::colPropFormat2,         "HSL",         19, "HSL"},
    {"ColPropCVF3",       Text,        &S::colPropFormat3,         "Hex with #",  20, "HEX with #"},
    {"QuiTop",            Position,    &S::quiTop,                 "",            21, "0"},
    {"QuiLeft",           Position,    &S::quiLeft,                "",            22, "0"},
    {"QRefTop",           Position,    &S::qrefTop,                "",            23, ""},
    {"QRefLeft",          Position,    &S::qrefLeft,               "",            24, ""},
    {"TestTop",           Position,    &S::testTop,                "",            25, "0"},
    {"TestLeft",          Position,    &S::testLeft,               "",            26, "0"},
    {"LastTL",            Text,        &S::lastTestLayout,         "center-2.tl", 43, "1"},
    {"stayontop",         OnlyIfOne,   &S::stayOnTop,              "",            28, "0"},
    {"captureandcopy",    UnlessZero,  &S::autoCopy,               "",            29, "0"},
    {"AutoCopySwatch",    OnlyIfOne,   &S::autoCopySwatch,         "",            30, "0"},
    {"ACopyonHotkey",     OnlyIfOne,   &S::autoCopyOnHotkey,       "",            31, "0"},
    {"copyas",            Text,        &S::autoCopyFormat,         "HEX",         32, "HEX with #"},
    {"showprogram",       UnlessZero,  &S::showAtStart,            "",            33, "1"},
    {"EyeShowComparison", UnlessZero,  &S::eyeShowComparison,      "",            34, "1"},
    {"startonstartup",    OnlyIfOne,   &S::startWithWindows,       "",            35, "1"},
    {"snapEyeDropper",    UnlessZero,  &S::snapEyeDropper,         "",            36, "1"},
    {"snapColorProp",     UnlessZero,  &S::snapColorProp,          "",            37, "1"},
    {"snapQuickPal",      UnlessZero,  &S::snapQuickPal,           "",            38, "1"},
    {"snapTest",          UnlessZero,  &S::snapTest,               "",            39, "1"},
    {"EyeShowWSinfo",     UnlessZero,  &S::eyeShowWebSafeInfo,     "",            40, "1"},
    {"ColPropShowWSinfo", UnlessZero,  &S::colPropShowWebSafeInfo, "",            41, "1"},
    {"EyeShowQVars",      UnlessZero,  &S::showVariations,         "",            42, "1"},
    {"ShowGrid",          UnlessZero,  &S::showGrid,               "",            10, "1"},
    {"TestAutoColor",     UnlessZero,  &S::testAutoColor,          "",            44, "0"},
    {"PasteCSS",          OptIn,       &S::pasteCss,               "",            0,  ""},
    {"ContrastTop",       OptPosition, &S::contrastTop,            "",            0,  ""},
    {"ContrastLeft",      OptPosition, &S::contrastLeft,           "",            0,  ""},
    {"ContrastText",      OptColor,    &S::contrastText,           "",            0,  ""},
    {"ContrastBack",      OptColor,    &S::contrastBack,           "",            0,  ""},
    {"Simulate",          OptNumber,   &S::colorVision,            "",            0,  ""},
}};
// clang-format on

} // namespace twl
