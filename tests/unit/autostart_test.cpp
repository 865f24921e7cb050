#include "core/base/text_file.h"
#include "core/startup/autostart.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <utility>
#include <vector>

namespace twl {
namespace {

namespace fs = std::filesystem;

class AutostartTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = folder_.Path();
        fs::create_directories(root_ / "program");
        context_.programFolder = root_ / "program";
        context_.autostartFolder = root_ / "config" / "autostart";
        context_.programPath = "/opt/tintwell/bin/tintwell";
        context_.launch = [this](const fs::path& program, const std::string& parameter) {
            launches_.emplace_back(program, parameter);
        };
        context_.showMessage = [this](const std::string& message) { messages_.push_back(message); };
    }
    fs::path Entry(const char* name) const { return context_.autostartFolder / name; }

    TempFolder folder_;
    fs::path root_;
    AutostartContext context_;
    std::vector<std::pair<fs::path, std::string>> launches_;
    std::vector<std::string> messages_;
};

TEST_F(AutostartTest, BaslaWritesTheEntryAndBaslamaRemovesIt) {
    ApplyStartWithWindows(context_, "basla");
    EXPECT_EQ(ReadWholeFile(Entry("vttwl.desktop")), "[Desktop Entry]\n"
                                                     "Type=Application\n"
                                                     "Name=Tintwell\n"
                                                     "Exec=/opt/tintwell/bin/tintwell\n"
                                                     "X-GNOME-Autostart-enabled=true\n");
    ApplyStartWithWindows(context_, "Basla");
    ApplyStartWithWindows(context_, "");
    EXPECT_TRUE(fs::exists(Entry("vttwl.desktop")));
    ApplyStartWithWindows(context_, "baslama");
    EXPECT_FALSE(fs::exists(Entry("vttwl.desktop")));
    ApplyStartWithWindows(context_, "baslama"); // nothing to remove: no harm
    EXPECT_TRUE(launches_.empty());
    EXPECT_TRUE(messages_.empty());
}

// A program run with --config-dir starts at login with the same folder.
TEST_F(AutostartTest, TheConfigFolderInUseGoesIntoExecQuoted) {
    context_.configFolder = "/home/o'neil/my \"cfg\"";
    ApplyStartWithWindows(context_, "basla");
    const std::string entry = ReadWholeFile(Entry("vttwl.desktop")).value_or("");
    EXPECT_NE(entry.find("\nExec=/opt/tintwell/bin/tintwell --config-dir "
                         "\"/home/o'neil/my \\\\\"cfg\\\\\"\"\n"),
              std::string::npos)
        << entry;
    context_.configFolder = "/plain";
    ApplyStartWithWindows(context_, "basla");
    EXPECT_NE(ReadWholeFile(Entry("vttwl.desktop"))
                  .value_or("")
                  .find("\nExec=/opt/tintwell/bin/tintwell --config-dir /plain\n"),
              std::string::npos);
}

TEST_F(AutostartTest, LegacyEntryIsRemovedAndOursKept) {
    ASSERT_TRUE(AddAutostartEntry(context_.autostartFolder, "vtprior", "/old/path"));
    ASSERT_TRUE(AddAutostartEntry(context_.autostartFolder, "vttwl", context_.programPath));
    RemoveLegacyAutostart(context_);
    EXPECT_FALSE(fs::exists(Entry("vtprior.desktop")));
    EXPECT_TRUE(fs::exists(Entry("vttwl.desktop")));
    EXPECT_TRUE(RemoveAutostartEntry(context_.autostartFolder, "vtprior"));
}

TEST_F(AutostartTest, Code8UsesTheCompanionProgramOrSaysItIsMissing) {
    context_.windowsVersionCode = 8;
    ApplyStartWithWindows(context_, "basla");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "Cannot change \"Start when Windows starts\" setting. Reinstalling "
                            "TWL may solve this problem.");
    EXPECT_TRUE(launches_.empty());

    const fs::path companion = context_.programFolder / "startonstartup.exe";
    std::ofstream(companion) << "";
    ApplyStartWithWindows(context_, "basla");
    ApplyStartWithWindows(context_, "baslama");
    ApplyStartWithWindows(context_, "other");
    using Launch = std::pair<fs::path, std::string>;
    EXPECT_EQ(launches_, (std::vector<Launch>{{companion, "start"}, {companion, "dontstart"}}));
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_FALSE(fs::exists(context_.autostartFolder));
}

TEST_F(AutostartTest, ExecQuotesPathsWithReservedCharacters) {
    EXPECT_EQ(DesktopExecArgument("/usr/bin/tintwell"), "/usr/bin/tintwell");
    EXPECT_EQ(DesktopExecArgument("/home/a b/tintwell"), "\"/home/a b/tintwell\"");
    EXPECT_EQ(DesktopExecArgument("/x/$HOME`\"/t"), "\"/x/\\\\$HOME\\\\`\\\\\"/t\"");
    EXPECT_EQ(DesktopExecArgument("/x/back\\slash"), "\"/x/back\\\\\\\\slash\"");
    EXPECT_EQ(DesktopExecArgument("/x/100%/t"), "/x/100%%/t");
}

TEST_F(AutostartTest, UnwritableFolderOrBadNameFailsQuietly) {
    const fs::path blocker = root_ / "blocker";
    std::ofstream(blocker) << "a file";
    EXPECT_FALSE(AddAutostartEntry(blocker / "autostart", "vttwl", "/p"));
    EXPECT_FALSE(AddAutostartEntry(context_.autostartFolder, "../escape", "/p"));
    EXPECT_FALSE(AddAutostartEntry(context_.autostartFolder, "", "/p"));
    context_.autostartFolder = blocker / "autostart";
    ApplyStartWithWindows(context_, "basla");
    ApplyStartWithWindows(context_, "baslama");
    EXPECT_TRUE(messages_.empty());
}

} // namespace
} // namespace twl
