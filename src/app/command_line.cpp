#include "app/command_line.h"

#include "core/base/version_info.h"
#include "core/scripting/script_values.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace twl {

namespace {

constexpr const char* kDescription =
    "Pick, collect and copy colours from anywhere on the screen.\n"
    "\n"
    "Without a command it starts the bar, or brings the running one forward. The commands talk\n"
    "to the bar that runs for the same configuration folder; with none running they work on\n"
    "its files (--pick then only prints). Exit status: 0 done, 1 a pick cancelled or a command\n"
    "that could not be done, 2 a colour, format or file kind that is wrong.";

CommandLine Refuse(int exitCode, const QString& message) {
    CommandLine result;
    result.exitCode = exitCode;
    result.output = message + QLatin1Char('\n');
    return result;
}

CommandLine WrongCommandLine(const QString& message) {
    return Refuse(1, message + QStringLiteral("\nTry \"tintwell --help\"."));
}

} // namespace

QString VersionLine() {
    return QStringLiteral("Tintwell ") + QString::fromStdString(FileVersionText());
}

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption configDir(
        QStringLiteral("config-dir"),
        QStringLiteral("Keep settings, palette and formats under <DIR> instead of the user's "
                       "configuration folder."),
        QStringLiteral("DIR"));
    const QCommandLineOption pick(
        QStringLiteral("pick"),
        QStringLiteral("Pick one colour from the screen and print its value (with a bar running, "
                       "it joins the palette too)."));
    const QCommandLineOption add(
        QStringLiteral("add"),
        QStringLiteral("Add the colours given as arguments to the palette, the first on top; "
                       "each is read as Paste Color reads a line."));
    const QCommandLineOption palette(
        QStringLiteral("palette"),
        QStringLiteral("Print the palette, newest first, one value a line."));
    const QCommandLineOption exportTo(
        QStringLiteral("export"),
        QStringLiteral("Write the palette to <FILE>; its extension chooses the kind: .aco .cll "
                       ".txt .png .bmp .gif."),
        QStringLiteral("FILE"));
    const QCommandLineOption importFrom(
        QStringLiteral("import"),
        QStringLiteral("Add the colours of the palette file <FILE> (GIMP .gpl, .ase, .aco, .cll "
                       "or text) to the palette, its first on top, at most twenty."),
        QStringLiteral("FILE"));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral("With --pick or --palette: print values in the format <NAME> (default: "
                       "the automatic copy's format for --pick, \"HEX with #\" for --palette)."),
        QStringLiteral("NAME"));
    const QCommandLineOption listFormats(QStringLiteral("list-formats"),
                                         QStringLiteral("Print the format names, one a line."));
    const QCommandLineOption show(QStringLiteral("show"),
                                  QStringLiteral("Bring the running bar forward."));
    const QCommandLineOption diagnose(
        QStringLiteral("diagnose"),
        QStringLiteral("Show how the screen is read and the hotkey is heard on this desktop."));
    const QCommandLineOption quit(
        QStringLiteral("quit"),
        QStringLiteral("End the running bar; it saves as at a normal exit."));
    parser.addOptions({help, version, configDir, pick, add, palette, exportTo, importFrom, format,
                       listFormats, show, quit, diagnose});
    parser.addPositionalArgument(QStringLiteral("colours"),
                                 QStringLiteral("With --add: the colours, as \"#336699\" or "
                                                "\"RGB(51,102,153)\"."),
                                 QStringLiteral("[COLOUR...]"));

    if (!parser.parse(arguments)) {
        return WrongCommandLine(parser.errorText());
    }
    if (parser.isSet(help)) {
        CommandLine result;
        result.exitCode = 0;
        // The parser names the program from the application object, which does not exist
        // yet when the program starts: the usage line names it here.
        const QString text = parser.helpText();
        result.output = QStringLiteral("Usage: tintwell [options]") + text.mid(text.indexOf('\n'));
        return result;
    }
    if (parser.isSet(version)) {
        CommandLine result;
        result.exitCode = 0;
        result.output = VersionLine() + QLatin1Char('\n');
        return result;
    }

    struct Command {
        const QCommandLineOption& option;
        RequestVerb verb;
    };
    const Command commands[] = {
        {pick, RequestVerb::Pick},           {add, RequestVerb::Add},
        {palette, RequestVerb::Palette},     {exportTo, RequestVerb::Export},
        {listFormats, RequestVerb::Formats}, {show, RequestVerb::Show},
        {quit, RequestVerb::Quit},           {importFrom, RequestVerb::Import},
    };
    std::optional<InstanceRequest> request;
    for (const Command& command : commands) {
        if (!parser.isSet(command.option)) {
            continue;
        }
        if (request) {
            return WrongCommandLine(QStringLiteral("Give one command at a time."));
        }
        request = InstanceRequest{command.verb, {}};
    }

    const QStringList positional = parser.positionalArguments();
    const bool adding = request && request->verb == RequestVerb::Add;
    if (!positional.isEmpty() && !adding) {
        return WrongCommandLine(
            QStringLiteral("Unexpected argument '%1'.").arg(positional.constFirst()));
    }
    // A line break would end an item of the request early, so no argument may hold one.
    for (const QString& argument :
         parser.values(format) + parser.values(exportTo) + parser.values(importFrom) + positional) {
        if (argument.contains(QLatin1Char('\n'))) {
            return Refuse(
                2,
                QStringLiteral("tintwell: an argument holds a line break: \"%1\"").arg(argument));
        }
    }
    if (parser.isSet(format)) {
        if (!request ||
            (request->verb != RequestVerb::Pick && request->verb != RequestVerb::Palette)) {
            return WrongCommandLine(QStringLiteral("--format goes with --pick or --palette."));
        }
        request->items.push_back(parser.value(format).toStdString());
    }
    if (adding) {
        if (positional.isEmpty()) {
            return WrongCommandLine(QStringLiteral("--add needs at least one colour."));
        }
        for (const QString& text : positional) {
            request->items.push_back(text.toStdString());
        }
        // Checked here too, so a bad colour is named even when no bar runs to check it.
        const ColorArguments colors = ReadColorArguments(request->items);
        if (colors.notAColor) {
            return Refuse(2, QStringLiteral("tintwell: not a colour: \"%1\"")
                                 .arg(QString::fromStdString(*colors.notAColor)));
        }
    }
    if (request && request->verb == RequestVerb::Export) {
        const QString file = parser.value(exportTo);
        if (!ExportKindFor(file.toStdString())) {
            return Refuse(2, QStringLiteral("tintwell: cannot tell the kind of \"%1\" from its "
                                            "extension; %2")
                                 .arg(file, QString::fromStdString(ExportKindList())));
        }
        request->items.push_back(
            QFile::encodeName(QDir::cleanPath(QDir::current().absoluteFilePath(file)))
                .toStdString());
    }

    if (request && request->verb == RequestVerb::Import) {
        request->items.push_back(QFile::encodeName(QDir::cleanPath(QDir::current().absoluteFilePath(
                                                       parser.value(importFrom))))
                                     .toStdString());
    }

    CommandLine result;
    result.request = std::move(request);
    result.diagnose = parser.isSet(diagnose);
    if (parser.isSet(configDir)) {
        const QString folder = parser.value(configDir);
        if (folder.isEmpty()) {
            return Refuse(1, QStringLiteral("--config-dir needs a folder."));
        }
        result.configFolder =
            QDir::cleanPath(QDir::current().absoluteFilePath(folder)).toStdString();
    }
    return result;
}

CommandLine ReadCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    CommandLine commandLine = ParseCommandLine(arguments);
    if (!commandLine.output.isEmpty()) {
        std::fputs(commandLine.output.toLocal8Bit().constData(),
                   commandLine.exitCode == 0 ? stdout : stderr);
    }
    return commandLine;
}

} // namespace twl
