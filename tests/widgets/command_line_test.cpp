// The command line: --help, --version, --config-dir, the commands for scripts, and what it
// refuses.

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

TEST(CommandLine, ScriptCommandsBecomeRequests) {
    const struct {
        QStringList arguments;
        InstanceRequest request;
    } cases[] = {
        {{QStringLiteral("--pick")}, {RequestVerb::Pick, {}}},
        {{QStringLiteral("--pick"), QStringLiteral("--format"), QStringLiteral("RGB")},
         {RequestVerb::Pick, {"RGB"}}},
        {{QStringLiteral("--palette"), QStringLiteral("--format=HEX with #")},
         {RequestVerb::Palette, {"HEX with #"}}},
        {{QStringLiteral("--add"), QStringLiteral("#ff0000"), QStringLiteral("RGB(0,255,0)")},
         {RequestVerb::Add, {"#ff0000", "RGB(0,255,0)"}}},
        {{QStringLiteral("--export"), QStringLiteral("/tmp/x/../p.ACO")},
         {RequestVerb::Export, {"/tmp/p.ACO"}}},
        {{QStringLiteral("--import"), QStringLiteral("/tmp/x/../any.name")},
         {RequestVerb::Import, {"/tmp/any.name"}}},
        {{QStringLiteral("--list-formats")}, {RequestVerb::Formats, {}}},
        {{QStringLiteral("--show")}, {RequestVerb::Show, {}}},
        {{QStringLiteral("--quit"), QStringLiteral("--config-dir=/tmp/c")},
         {RequestVerb::Quit, {}}},
    };
    for (const auto& c : cases) {
        const CommandLine result = Parse(c.arguments);
        EXPECT_FALSE(result.exitCode.has_value()) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(result.request, c.request) << c.arguments.join(' ').toStdString();
    }
    EXPECT_EQ(Parse({QStringLiteral("--export"), QStringLiteral("p.gif")}).request->items,
              std::vector<std::string>{
                  QDir::current().absoluteFilePath(QStringLiteral("p.gif")).toStdString()});
    EXPECT_FALSE(Parse({}).request.has_value());
}

TEST(CommandLine, AScriptCommandThatCannotBeDoneEndsBeforeAnythingIsAsked) {
    const struct {
        QStringList arguments;
        int exitCode;
    } cases[] = {
        {{QStringLiteral("--pick"), QStringLiteral("--palette")}, 1},
        {{QStringLiteral("--format"), QStringLiteral("RGB")}, 1},
        {{QStringLiteral("--add"), QStringLiteral("--format"), QStringLiteral("RGB"),
          QStringLiteral("#fff")},
         1},
        {{QStringLiteral("--add")}, 1},
        {{QStringLiteral("--pick"), QStringLiteral("#fff")}, 1},
        {{QStringLiteral("--add"), QStringLiteral("#fff"), QStringLiteral("bogus")}, 2},
        {{QStringLiteral("--add"), QStringLiteral("#fff\n#000")}, 2},
        {{QStringLiteral("--pick"), QStringLiteral("--format"), QStringLiteral("RGB\nHSL")}, 2},
        {{QStringLiteral("--export"), QStringLiteral("palette.jpg")}, 2},
        {{QStringLiteral("--export"), QStringLiteral("palette")}, 2},
    };
    for (const auto& c : cases) {
        const CommandLine result = Parse(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_FALSE(result.output.isEmpty()) << c.arguments.join(' ').toStdString();
        EXPECT_FALSE(result.request.has_value()) << c.arguments.join(' ').toStdString();
    }
    EXPECT_TRUE(Parse({QStringLiteral("--add"), QStringLiteral("#fff"), QStringLiteral("bogus")})
                    .output.contains(QStringLiteral("\"bogus\"")));
    EXPECT_TRUE(Parse({QStringLiteral("--export"), QStringLiteral("p.jpg")})
                    .output.contains(QStringLiteral(".aco .cll .txt .png .bmp .gif")));
}

} // namespace
} // namespace twl
