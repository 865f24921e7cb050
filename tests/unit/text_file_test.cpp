#include "core/base/text_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include <filesystem>
#include <string>

namespace twl {
namespace {

// Files of this process may grow to `bytes` only, as on a disk that is nearly full: a write
// past it fails (SIGXFSZ ignored) instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST(WriteWholeFile, ADiskThatFillsUpLeavesTheOldFileAndNoTemporaryFile) {
    TempFolder folder;
    const auto path = folder.Path() / "palette.aco";
    ASSERT_TRUE(WriteWholeFile(path, "old"));
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(WriteWholeFile(path, std::string(100000, 'x')));
    }
    EXPECT_EQ(ReadWholeFile(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(ReadWholeFile, AFileOverTheLimitIsRefusedAndOneAtItIsRead) {
    TempFolder folder;
    const auto path = folder.Path() / "set.set";
    ASSERT_TRUE(WriteWholeFile(path, "x"));
    std::filesystem::resize_file(path, kMaxTextFileBytes); // sparse: no time, no disk
    EXPECT_EQ(ReadWholeFile(path).value_or("").size(), kMaxTextFileBytes);
    std::filesystem::resize_file(path, kMaxTextFileBytes + 1);
    EXPECT_EQ(ReadWholeFile(path), std::nullopt);
    EXPECT_EQ(ReadTextLines(path), std::nullopt);
}

TEST(WriteWholeFile, AMissingFolderOrAFolderInTheWayFails) {
    TempFolder folder;
    EXPECT_FALSE(WriteWholeFile(folder.Path() / "missing" / "a.cll", "x"));
    std::filesystem::create_directory(folder.Path() / "taken");
    EXPECT_FALSE(WriteWholeFile(folder.Path() / "taken", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "taken"));
    EXPECT_TRUE(WriteWholeFile(folder.Path() / "empty.cll", ""));
    EXPECT_EQ(std::filesystem::file_size(folder.Path() / "empty.cll"), 0u);
}

} // namespace
} // namespace twl
