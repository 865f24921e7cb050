#pragma once
// Every key of "set.set" in one table: its name, how its value reads, the field of Settings it
// fills, the text read in its place when it is missing, its line in a fresh file and, by the
// order of the rows, its place in a save. Loading, the fresh file and saving all walk this table.

#include "core/settings/settings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace twl {

inline constexpr std::string_view kProgramKey = "program", kProgramName = "twl";
inline constexpr std::string_view kFirstRunKey = "firstrun";

enum class SettingsKind {
    ProgramName, // kProgramName; LoadSettings throws away a list holding anything else
    FileVersion, // the version of the program that wrote the file; never read
    FirstRun,    // "1" asks for the first-run actions (LoadSettings); a save writes "0"
    HotkeyText,  // hotkey text; "Win+2" reads as the missing text on Windows version code 8
    BarTop,      // decimal; a top beyond the desktop's height becomes half that height
    BarLeft,     // decimal; a left beyond the desktop's right edge becomes half its width
    Monitor,     // decimal, written on save, never read
    OnlyIfOne,   // flag, on only if the value is exactly "1"
    OptIn, // flag read as OnlyIfOne, saved only while on: a file of the default keeps its lines
    OptPosition, // Position, saved only while it has a value
    OptColor,    // colour text or none (a TColor in an optional int), saved only while set
    OptNumber,   // decimal, 0 for other text, saved only while not 0
    UnlessZero,  // flag, on unless the value is exactly "0"
    Integer,     // decimal; other text reads as the missing text
    LowByte,     // decimal, low 8 bits kept: 257 reads 1, -1 reads 255
    Text,        // any text
    Position,    // tool window position: decimal, or none for an empty or other text
    ColorText,   // colour text; text that names no colour reads as the missing text
};

using SettingsField =
    std::variant<std::monostate, bool Settings::*, int Settings::*, std::string Settings::*,
                 std::optional<int> Settings::*, std::optional<Hotkey> Settings::*>;

struct SettingsKey {
    std::string_view name; // written in this spelling; read ignoring case
    SettingsKind kind;
    SettingsField field;
    // Read in place of an absent or empty value; empty where the kind's rule already gives the
    // missing value (flags, positions) and for the bar, which then stays where it is.
    std::string_view missing;
    int freshLine;          // 1-based line in a fresh file; 0: not there
    std::string_view fresh; // the value on that line; the version and the bar are filled in
};

// The 45 keys in the order a save writes them.
extern const std::array<SettingsKey, 51> kSettingsKeys;

} // namespace twl
