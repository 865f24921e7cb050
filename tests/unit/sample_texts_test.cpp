#include "core/fonts/sample_texts.h"

#include "core/base/text_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace twl {
namespace {

using Lines = std::vector<std::string>;

TEST(SampleTexts, NextAndPreviousWrapRoundBothWays) {
    SampleTexts samples(Lines{"a", "b", "c"});
    EXPECT_EQ(samples.Current(), "a");
    EXPECT_EQ(samples.Previous(), "c");
    EXPECT_EQ(samples.Previous(), "b");
    EXPECT_EQ(samples.Next(), "c");
    EXPECT_EQ(samples.Next(), "a");
    EXPECT_EQ(samples.Next(), "b");
    EXPECT_EQ(samples.Index(), 1u);

    SampleTexts single(Lines{"only"});
    EXPECT_EQ(single.Next(), "only");
    EXPECT_EQ(single.Previous(), "only");
}

TEST(SampleTexts, AnAbsentOrEmptyFileGivesTheSixDefaults) {
    TempFolder folder;
    ASSERT_TRUE(WriteWholeFile(folder.Path() / "empty.txt", ""));
    for (const char* name : {"absent.txt", "empty.txt"}) {
        const SampleTexts samples = SampleTexts::Load(folder.Path() / name);
        ASSERT_EQ(samples.Lines().size(), 6u) << name;
        EXPECT_EQ(samples.Current(), "(Font Name)") << name;
        EXPECT_EQ(samples.Lines()[4], "0123456789 !@#$%^&*()-=_+[]{};':\",./<>?") << name;
    }
}

TEST(SampleTexts, TheDefaultsAreWrittenAtTheFirstExitAndReadBackAlike) {
    TempFolder folder;
    const auto path = folder.Path() / "fonttextsamples.txt";
    ASSERT_TRUE(SampleTexts::Load(path).Save(path));
    const std::string written = ReadWholeFile(path).value_or("");
    EXPECT_TRUE(written.starts_with("(Font Name)\r\nThe quick brown fox")) << written;
    EXPECT_TRUE(written.ends_with("YyZz\r\n")) << written;
    EXPECT_EQ(SampleTexts::Load(path).Lines(), SampleTexts::DefaultSamples());
}

TEST(SampleTexts, ADamagedFileLoadsEveryLineAndIsWrittenBackByteForByte) {
    using namespace std::string_literals;
    TempFolder folder;
    const auto path = folder.Path() / "fonttextsamples.txt";
    ASSERT_TRUE(WriteWholeFile(path, "caf\xE9\r\n\0\x01\xFF"
                                     "bin\rlast"s));
    const SampleTexts samples = SampleTexts::Load(path);
    EXPECT_EQ(samples.Lines(), (Lines{"caf\xE9",
                                      "\0\x01\xFF"
                                      "bin"s,
                                      "last"}));
    ASSERT_TRUE(samples.Save(path));
    EXPECT_EQ(*ReadWholeFile(path), "caf\xE9\r\n\0\x01\xFF"
                                    "bin\r\nlast\r\n"s);
}

TEST(SampleTexts, ASamplesFileThatCannotBeReadIsNeverWrittenOver) {
    TempFolder folder;
    const auto path = folder.Path() / "fonttextsamples.txt";
    std::filesystem::create_directories(path / "inside");
    const SampleTexts samples = SampleTexts::Load(path);
    EXPECT_EQ(samples.Lines(), SampleTexts::DefaultSamples());
    EXPECT_FALSE(samples.Save(path));
    EXPECT_TRUE(std::filesystem::exists(path / "inside"));
}

} // namespace
} // namespace twl
