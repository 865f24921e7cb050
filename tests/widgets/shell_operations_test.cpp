// Opening help pages, the data folders and the error report text.

#include "app/error_report.h"
#include "core/color/color_text.h"
#include "core/startup/data_folders.h"
#include "fake_services.h"
#include "ui/common/help_page.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace twl {
namespace {

TEST(HelpPage, OpensTheShippedPageThroughTheShell) {
    FakeShell shell;
    OpenHelpPage(shell, "/opt/tintwell/", "keyboard.htm");
    EXPECT_EQ(shell.opened, std::vector<std::string>{"/opt/tintwell/help/keyboard.htm"});
}

TEST(DataFolders, EveryFolderEndsInASeparator) {
    const DataFolders folders = MakeDataFolders("/home/ann/.config", "/opt/tintwell");
    EXPECT_EQ(folders.programFolder, "/opt/tintwell/");
    EXPECT_EQ(folders.userDataFolder, "/home/ann/.config/Vantrel/TWL/");
    EXPECT_EQ(folders.sharedDataFolder, "/home/ann/.config/Vantrel/Shared/");
    EXPECT_EQ(MakeDataFolders("/c/", "/p/").userDataFolder, "/c/Vantrel/TWL/");
}

TEST(DataFolders, ProgramFolderIsBesideTheProgramOnlyWhenItsDataIsThere) {
    std::random_device random;
    const auto base =
        std::filesystem::temp_directory_path() / ("twl-df-" + std::to_string(random()));
    std::filesystem::create_directories(base / "bin");
    EXPECT_EQ(FindProgramFolder(base / "bin", "/usr/share/tintwell"), "/usr/share/tintwell/");
    // An installed tree finds its data from wherever it has been moved to.
    EXPECT_EQ(FindProgramFolder(base / "bin", "../share/tintwell"),
              (base / "share" / "tintwell").string() + "/");
    std::filesystem::create_directories(base / "bin" / "help");
    EXPECT_EQ(FindProgramFolder(base / "bin", "../share/tintwell"), (base / "bin").string() + "/");
    EXPECT_EQ(FindProgramFolder(base / "bin", "/usr/share/tintwell"),
              (base / "bin").string() + "/");

    // The folders are made one level at a time, the configuration folder itself included.
    CreateDataFolders(base / "fresh" / "config");
    EXPECT_TRUE(std::filesystem::is_directory(base / "fresh/config/Vantrel/TWL"));
    EXPECT_TRUE(std::filesystem::is_directory(base / "fresh/config/Vantrel/Shared"));
    // Where a file stands in the way nothing is made and nothing fails.
    std::filesystem::create_directories(base / "blocked");
    { std::ofstream(base / "blocked" / "Vantrel") << "x"; }
    CreateDataFolders(base / "blocked");
    EXPECT_TRUE(std::filesystem::is_regular_file(base / "blocked" / "Vantrel"));
    std::filesystem::remove_all(base);
}

TEST(ErrorReport, AnErrorEscapingACommandIsShownWithAFullStopAndTheCommandEnds) {
    FakeDialogs dialogs;
    bool after = false;
    RunCommand(dialogs, [&] {
        TextToColor("$00FF8000 ");
        after = true;
    });
    EXPECT_FALSE(after);
    EXPECT_EQ(dialogs.errors,
              std::vector<std::string>{"'$00FF8000 ' is not a valid integer value."});
    RunCommand(dialogs, [] {});
    EXPECT_EQ(dialogs.errors.size(), 1u);
}

} // namespace
} // namespace twl
