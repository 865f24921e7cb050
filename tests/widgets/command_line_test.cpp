// The command line: --help, --version, --config-dir, and what it refuses.

#include "app/command_line.h"

#include <QDir>

#include <gtest/gtest.h>

namespace twl {
namespace {

CommandLine Parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("/usr/bin/tintwell"));
    return ParseCommandLine(arguments);
}

TEST(CommandLine, HelpAndVersionAnswerAndEnd) {
    const CommandLine version = Parse({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, QStringLiteral("Tintwell %1.%2.%3.0\n")
                                  .arg(TWL_VERSION_MAJOR)
                                  .arg(TWL_VERSION_MINOR)
                                  .arg(TWL_VERSION_PATCH));
    EXPECT_EQ(Parse({QStringLiteral("-v")}).output, version.output);

    const CommandLine help = Parse({QStringLiteral("-h")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.startsWith(QStringLiteral("Usage: tintwell [options]\n")))
        << help.output.toStdString();
    EXPECT_TRUE(help.output.contains(QStringLiteral("--config-dir <DIR>")));
    EXPECT_EQ(Parse({QStringLiteral("--help")}).output, help.output);
}

TEST(CommandLine, ConfigDirIsMadeAbsolute) {
    const CommandLine none = Parse({});
    EXPECT_FALSE(none.exitCode.has_value());
    EXPECT_EQ(none.configFolder, "");

    EXPECT_EQ(Parse({QStringLiteral("--config-dir"), QStringLiteral("/tmp/p//twl/")}).configFolder,
              "/tmp/p/twl");
    EXPECT_EQ(Parse({QStringLiteral("--config-dir=portable")}).configFolder,
              QDir::current().absoluteFilePath(QStringLiteral("portable")).toStdString());
}

TEST(CommandLine, AWrongCommandLineEndsWithStatusOneAndAMessage) {
    const QStringList wrong[] = {
        {QStringLiteral("--config-dir")},
        {QStringLiteral("--config-dir=")},
        {QStringLiteral("--colour")},
        {QStringLiteral("palette.dat")},
    };
    for (const QStringList& arguments : wrong) {
        const CommandLine result = Parse(arguments);
        EXPECT_EQ(result.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_FALSE(result.output.isEmpty()) << arguments.join(' ').toStdString();
        EXPECT_EQ(result.configFolder, "");
    }
}

} // namespace
} // namespace twl
