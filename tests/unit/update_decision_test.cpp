#include "core/base/text_file.h"
#include "core/update/update_decision.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace twl {
namespace {

using namespace std::string_literals;

TEST(UpdateDecisionTest, ComparesTheFourNumbersOneByOne) {
    struct Case {
        const char* published;
        UpdateDecision expected;
    };
    constexpr auto latest = UpdateDecision::LatestVersion;
    constexpr auto newer = UpdateDecision::NewerVersion;
    constexpr auto manually = UpdateDecision::CheckManually;
    const Case cases[] = {
        {"1.2.3.4", latest},
        {"1.2.3.04 ", latest},
        {" 01. 2 .003.4\t", latest},
        {"1.2.3.3", latest},
        {"0.9.99.99", latest},
        {"1.2.2.10", latest},
        {"1.2.3.5", newer},
        {"1.2.10.0", newer},
        {"2.0.0.0", newer},
        {"1.2.3.00000000000000000000000000005", newer},
        {"99999999999999999999.0.0.0", newer},
        {"", manually},
        {"1.2.3", manually},
        {"1.2.3.4.5", manually},
        {"1.2..4", manually},
        {"1.2.3.4a", manually},
        {"v1.2.3.4", manually},
        {"1.2.-3.4", manually},
        {"1,2,3,4", manually},
        {"\x01\xff.\x80", manually},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideUpdate(c.published, "1.2.3.4"), c.expected) << "'" << c.published << "'";
    }
}

TEST(UpdateDecisionTest, ReaderTakesTheFirstUpdateLineWhateverItsCase) {
    TempFolder folder;
    const auto file = folder.Path() / "update.txt";
    EXPECT_EQ(ReadPublishedVersion(file), std::nullopt);
    ASSERT_TRUE(WriteWholeFile(file, "name=TWL\r\nUPDATE=1.0.0.7 \nupdate=9.9.9.9\r\n"));
    EXPECT_EQ(ReadPublishedVersion(file), "1.0.0.7 ");
    ASSERT_TRUE(WriteWholeFile(file, "version=2.0.0.0\r\n"));
    EXPECT_EQ(ReadPublishedVersion(file), "");
    ASSERT_TRUE(WriteWholeFile(file, "\0\x89PNG\r\nupdate=\0"s));
    EXPECT_EQ(DecideUpdate(ReadPublishedVersion(file).value(), "1.0.0.0"),
              UpdateDecision::CheckManually);
}

} // namespace
} // namespace twl
