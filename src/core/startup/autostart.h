#pragma once
// Starting the program with the user's session: one XDG autostart entry,
// <autostart folder>/<value name>.desktop, whose Exec line is the program's path, and the
// --config-dir folder it runs with when it was given one.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace twl {

inline constexpr std::string_view kAutostartValueName = "vttwl";
inline constexpr std::string_view kLegacyAutostartValueName = "vtprior";
inline constexpr std::string_view kAutostartCompanionName = "startonstartup.exe";
inline constexpr std::string_view kAutostartCompanionMissingText =
    "Cannot change \"Start when Windows starts\" setting. Reinstalling TWL may solve this "
    "problem.";

// A path as one argument of a desktop entry's Exec key: quoted when it holds a space or another
// reserved character, with the escapes that quoting and the key file format need.
std::string DesktopExecArgument(const std::filesystem::path& path);

// Writes <folder>/<valueName>.desktop whole, creating the folder when it is missing; with a
// configFolder its Exec adds "--config-dir" and that folder. False when the folder or the file
// cannot be written, or valueName cannot be a file name.
bool AddAutostartEntry(const std::filesystem::path& autostartFolder, std::string_view valueName,
                       const std::filesystem::path& programPath,
                       const std::filesystem::path& configFolder = {});

// Deletes <folder>/<valueName>.desktop if it is there. True when no such entry is left.
bool RemoveAutostartEntry(const std::filesystem::path& autostartFolder, std::string_view valueName);

struct AutostartContext {
    int windowsVersionCode = 0;
    std::filesystem::path programFolder, autostartFolder, programPath;
    // The folder of --config-dir, which the session's start must give too; empty without it.
    std::filesystem::path configFolder;
    // Starts the companion program with one parameter and does not wait for it.
    std::function<void(const std::filesystem::path& program, const std::string& parameter)> launch;
    // Shows a plain message box with an OK button.
    std::function<void(const std::string& message)> showMessage;
};

// "basla" switches autostart on, "baslama" off; any other word does nothing. With version code 8
// the companion program in the program folder does the switching ("start" / "dontstart"), and
// when it is missing the user is told so. A failure to write the entry is not reported.
void ApplyStartWithWindows(const AutostartContext& context, std::string_view word);

// Removes the entry that older versions of the program left behind ("vtprior").
void RemoveLegacyAutostart(const AutostartContext& context);

} // namespace twl
