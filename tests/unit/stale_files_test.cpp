// The temporary files of killed saves: which names are ours, and which go at start.

#include "core/base/text_file.h"
#include "core/startup/stale_files.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace twl {
namespace {

TEST(StaleFiles, OnlyOurNamesWithAProcessIdAreTemporaryFiles) {
    EXPECT_EQ(TemporaryFileOwner("colorset.dat.tmp1234"), 1234);
    EXPECT_EQ(TemporaryFileOwner("set.set.tmp7"), 7);
    EXPECT_EQ(TemporaryFileOwner("cvf.ini.tmp99999"), 99999);
    for (const char* other : {"colorset.dat", "colorset.dat.tmp", "colorset.dat.tmp12a",
                              "colorset.dat.tmp-3", "colorset.dat.tmp0", "colorset.dat.tmp012",
                              "notes.txt.tmp123", "xset.set.tmp12", "colorset.dat.bak123"}) {
        EXPECT_FALSE(TemporaryFileOwner(other).has_value()) << other;
    }
}

TEST(StaleFiles, TheFilesOfDeadProcessesGoAndNothingElse) {
    TempFolder folder;
    const auto write = [&](const char* name) {
        ASSERT_TRUE(WriteWholeFile(folder.Path() / name, "x"));
    };
    for (const char* name : {"colorset.dat", "colorset.dat.tmp100", "set.set.tmp200",
                             "cvf.ini.tmp300", "foreign.tmp100", "colorset.dat.tmp100x"}) {
        write(name);
    }
    std::filesystem::create_directory(folder.Path() / "magnified.bmp.tmp100"); // not a file
    const auto alive = [](long pid) { return pid == 200; };
    RemoveStaleTemporaryFiles(folder.Path(), alive);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        left.push_back(entry.path().filename().string());
    }
    std::ranges::sort(left);
    EXPECT_EQ(left,
              (std::vector<std::string>{"colorset.dat", "colorset.dat.tmp100x", "foreign.tmp100",
                                        "magnified.bmp.tmp100", "set.set.tmp200"}));
    EXPECT_TRUE(StaleTemporaryFiles(folder.Path() / "missing", alive).empty());
}

} // namespace
} // namespace twl
