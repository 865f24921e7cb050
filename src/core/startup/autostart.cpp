#include "core/startup/autostart.h"

#include "core/base/text_file.h"

#include <system_error>

namespace twl {

namespace {

constexpr int kWindowsVista = 8;

// Characters that force an Exec argument into double quotes.
constexpr std::string_view kReservedInExec = " \t\n\"'\\><~|&;$*?#()`";
// Characters that need a backslash inside the double quotes.
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

bool IsUsableValueName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

std::filesystem::path EntryPath(const std::filesystem::path& folder, std::string_view name) {
    return folder / (std::string(name) + ".desktop");
}

// The key-file layer under the Exec rules: backslash and control characters written as escapes.
std::string EscapeKeyFileString(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

std::string DesktopExecArgument(const std::filesystem::path& given) {
    const std::string path = given.string();
    std::string argument;
    if (path.find_first_of(kReservedInExec) == std::string::npos) {
        argument = path;
    } else {
        argument = "\"";
        for (const char c : path) {
            if (kEscapedInQuotes.find(c) != std::string_view::npos) {
                argument += '\\';
            }
            argument += c;
        }
        argument += '"';
    }
    // A "%" would start a field code.
    std::string withPercents;
    for (const char c : argument) {
        withPercents += c;
        if (c == '%') {
            withPercents += '%';
        }
    }
    return EscapeKeyFileString(withPercents);
}

bool AddAutostartEntry(const std::filesystem::path& autostartFolder, std::string_view valueName,
                       const std::filesystem::path& programPath,
                       const std::filesystem::path& configFolder) {
    if (!IsUsableValueName(valueName)) {
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(autostartFolder, ec);
    if (ec) {
        return false;
    }
    const std::string text =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Tintwell\n"
        "Exec=" +
        DesktopExecArgument(programPath) +
        (configFolder.empty() ? std::string()
                              : " --config-dir " + DesktopExecArgument(configFolder)) +
        "\n"
        "X-GNOME-Autostart-enabled=true\n";
    return WriteWholeFile(EntryPath(autostartFolder, valueName), text);
}

bool RemoveAutostartEntry(const std::filesystem::path& autostartFolder,
                          std::string_view valueName) {
    if (!IsUsableValueName(valueName)) {
        return false;
    }
    std::error_code ec;
    std::filesystem::remove(EntryPath(autostartFolder, valueName), ec);
    return !ec;
}

void ApplyStartWithWindows(const AutostartContext& context, std::string_view word) {
    const bool on = word == "basla";
    if (!on && word != "baslama") {
        return;
    }
    if (context.windowsVersionCode == kWindowsVista) {
        const auto companion = context.programFolder / kAutostartCompanionName;
        std::error_code ec;
        if (std::filesystem::exists(companion, ec)) {
            if (context.launch) {
                context.launch(companion, on ? "start" : "dontstart");
            }
        } else if (context.showMessage) {
            context.showMessage(std::string(kAutostartCompanionMissingText));
        }
        return;
    }
    if (on) {
        AddAutostartEntry(context.autostartFolder, kAutostartValueName, context.programPath,
                          context.configFolder);
    } else {
        RemoveAutostartEntry(context.autostartFolder, kAutostartValueName);
    }
}

void RemoveLegacyAutostart(const AutostartContext& context) {
    RemoveAutostartEntry(context.autostartFolder, kLegacyAutostartValueName);
}

} // namespace twl
