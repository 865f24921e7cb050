#include "core/base/decimal_int.h"
#include "core/base/settings_list.h"

#include <gtest/gtest.h>

namespace twl {
namespace {

TEST(SettingsListTest, LookupIgnoresKeyCaseAndFirstLineWins) {
    const SettingsList list({"HOTKEY=Ctrl+Q", "hotkey=Win+Q", "zoom=3"});
    EXPECT_EQ(list.Value("Hotkey"), "Ctrl+Q");
    EXPECT_EQ(list.Value("ZOOM"), "3");
    EXPECT_EQ(list.Value("missing"), "");
}

TEST(SettingsListTest, ValueIsEverythingAfterTheFirstEqualsUntrimmed) {
    const SettingsList list({"a= spaced ", "b=x=y=", " c =1", "d="});
    EXPECT_EQ(list.Value("a"), " spaced ");
    EXPECT_EQ(list.Value("b"), "x=y=");
    EXPECT_EQ(list.Value("c"), ""); // the key is " c ", not "c"
    EXPECT_EQ(list.Value(" c "), "1");
    EXPECT_EQ(list.Value("d"), "");
}

TEST(SettingsListTest, LineWithoutEqualsMatchesNothingButIsKept) {
    SettingsList list({"abc", "abc=2"});
    EXPECT_EQ(list.Value("abc"), "2");
    EXPECT_EQ(FindKeyLine(list.Lines(), "abc"), 1u);
    EXPECT_EQ(ValueOfLine("abc"), "");
    list.SetValue("abc", "5");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"abc", "abc=5"}));
}

TEST(SettingsListTest, SetValueReplacesFirstMatchKeepingItsSpellingElseAppends) {
    SettingsList list({"FirstRun=1", "firstrun=1"});
    list.SetValue("firstrun", "0");
    list.SetValue("New", "x=y");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"FirstRun=0", "firstrun=1", "New=x=y"}));
    list.Clear();
    EXPECT_TRUE(list.Lines().empty());
}

TEST(SettingsListTest, CaseFoldingIsAsciiOnly) {
    const SettingsList list({"\xC3\x89t\xC3\xA9=1"});
    EXPECT_EQ(list.Value("\xC3\x89t\xC3\xA9"), "1");
    EXPECT_EQ(list.Value("\xC3\xA9t\xC3\xA9"), "");
}

TEST(DecimalIntTest, ReadsOnlyStrictDecimalIntegersThatFit) {
    EXPECT_EQ(ParseDecimalInt("42"), 42);
    EXPECT_EQ(ParseDecimalInt("-300"), -300);
    EXPECT_EQ(ParseDecimalInt("+7"), 7);
    EXPECT_EQ(ParseDecimalInt("007"), 7);
    EXPECT_EQ(ParseDecimalInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseDecimalInt("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", "+", "+-5", "--5", " 4", "4 ", "0x10", "$10", "1e3", "1.5",
                            "2147483648", "-2147483649", "99999999999999999999", "4a"}) {
        EXPECT_EQ(ParseDecimalInt(bad), std::nullopt) << bad;
    }
}

} // namespace
} // namespace twl
