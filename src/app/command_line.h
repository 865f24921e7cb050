#pragma once
// The program's command line: --help, --version and --config-dir DIR, and the commands for
// scripts and key bindings (--pick, --add, --palette, --export, --import, --list-formats, --show,
// --quit),
// which talk to the running bar or work alone. It is read before the application object exists,
// so --help and --version answer without a display.

#include "core/scripting/instance_message.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace twl {

struct CommandLine {
    // Set when the program ends at once: 0 after --help or --version, 1 after a wrong command
    // line, 2 after a command whose colour, format or file kind is wrong.
    std::optional<int> exitCode;
    // What to print: the help or the version on standard output, an error on standard error.
    QString output;
    // --config-dir made absolute: the folder used in place of the user's configuration folder.
    // Empty without the option.
    std::string configFolder;
    // A command for the running bar (or for the command line alone); the bar starts without one.
    std::optional<InstanceRequest> request;
    // --diagnose: how the screen is read and the hotkey heard here.
    bool diagnose = false;
};

// The first argument is the program itself, as in argv.
CommandLine ParseCommandLine(const QStringList& arguments);

// "Tintwell 1.0.0.0".
QString VersionLine();

// Parses argv and prints what it asks for; the caller ends with exitCode when it is set.
CommandLine ReadCommandLine(int argc, char** argv);

} // namespace twl
