#include "app/command_line.h"

#include "core/base/version_info.h"

#include <QCommandLineParser>
#include <QDir>

#include <cstdio>

namespace twl {

QString VersionLine() {
    return QStringLiteral("Tintwell ") + QString::fromStdString(FileVersionText());
}

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Pick, collect and copy colours from anywhere on the screen."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption configDir(
        QStringLiteral("config-dir"),
        QStringLiteral("Keep settings, palette and formats under <DIR> instead of the user's "
                       "configuration folder."),
        QStringLiteral("DIR"));
    parser.addOptions({help, version, configDir});

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.exitCode = 1;
        result.output = parser.errorText() + QStringLiteral("\nTry \"tintwell --help\".\n");
        return result;
    }
    if (parser.isSet(help)) {
        result.exitCode = 0;
        // The parser names the program from the application object, which does not exist
        // yet when the program starts: the usage line names it here.
        const QString text = parser.helpText();
        result.output = QStringLiteral("Usage: tintwell [options]") + text.mid(text.indexOf('\n'));
        return result;
    }
    if (parser.isSet(version)) {
        result.exitCode = 0;
        result.output = VersionLine() + QLatin1Char('\n');
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.exitCode = 1;
        result.output = QStringLiteral("Unexpected argument '%1'.\nTry \"tintwell --help\".\n")
                            .arg(parser.positionalArguments().constFirst());
        return result;
    }
    if (parser.isSet(configDir)) {
        const QString folder = parser.value(configDir);
        if (folder.isEmpty()) {
            result.exitCode = 1;
            result.output = QStringLiteral("--config-dir needs a folder.\n");
            return result;
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
