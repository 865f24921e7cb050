#include "core/formats/format_list.h"

#include "core/base/text_file.h"
#include "core/formats/color_formats.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace twl {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const TColor kSample = MakeColor(51, 102, 153);

TEST(FormatListTest, LooksNamesUpIgnoringCaseFirstLineWins) {
    FormatList list(Lines{"CSS=color: #{rh}{gh}{bh}", "Eq=a=b {r}", "css=second", "no name", "",
                          "HEX with #=#{rh}{gh}{bh}"});
    EXPECT_EQ(list.Names(), (Lines{"CSS", "Eq", "css", "", "", "HEX with #"}));
    EXPECT_EQ(list.Template("CSS"), "color: #{rh}{gh}{bh}");
    EXPECT_EQ(list.Template("css"), "color: #{rh}{gh}{bh}");
    EXPECT_EQ(list.Template("Eq"), "a=b {r}");
    EXPECT_EQ(list.FormatColorByName(kSample, "Hex with #"), "#336699");
    EXPECT_EQ(list.FormatColorByName(kSample, "CSS"), "color: #336699");
    EXPECT_EQ(list.FormatColorByName(kSample, "eq"), "a=b 51");
    // Unknown names, lines without "=" and partial names find nothing.
    EXPECT_EQ(list.FormatColorByName(kSample, "RGB"), "");
    EXPECT_EQ(list.Template("no name"), "");
    EXPECT_EQ(list.Template("HEX"), "");
}

TEST(FormatListTest, EditsKeepOrderAndIgnoreBadIndexes) {
    FormatList list;
    list.SetDefaults();
    ASSERT_EQ(list.Count(), 10u);
    list.Append("Mine", "{r}/{g}");
    list.Append("Raw={b}");
    list.ReplaceAt(2, "rgb", "rgb({r} {g} {b})");
    list.DeleteAt(0);
    list.ReplaceAt(99, "x", "y");
    list.DeleteAt(99);
    const auto names = list.Names();
    ASSERT_EQ(names.size(), 11u);
    EXPECT_EQ(names[0], "HEX with #");
    EXPECT_EQ(names[1], "rgb");
    EXPECT_EQ(names[9], "Mine");
    EXPECT_EQ(names[10], "Raw");
    EXPECT_EQ(list.FormatColorByName(kSample, "RGB"), "rgb(51 102 153)");
    EXPECT_EQ(list.FormatColorByName(kSample, "mine"), "51/102");
    EXPECT_EQ(list.FormatColorByName(kSample, "HEX"), "");

    list.SetTemplate("hex WITH #", "#{bh}");
    EXPECT_EQ(list.Lines()[0], "hex WITH #=#{bh}");
    list.SetTemplate("New", "{g}");
    EXPECT_EQ(list.Lines().back(), "New={g}");
}

// Fresh shared, user and program folders, removed afterwards.
class FormatFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = folder_.Path();
        shared_ = root_ / "Shared";
        user_ = root_ / "TWL";
        program_ = root_ / "program";
        for (const auto& folder : {shared_, user_, program_})
            fs::create_directories(folder);
    }

    static void WriteBytes(const fs::path& file, const std::string& bytes) {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    static std::string ReadBytes(const fs::path& file) { return ReadWholeFile(file).value_or(""); }

    FormatList Load() {
        FormatList list(Lines{"stale=1"});
        LoadColorValueFormats(list, shared_, program_);
        return list;
    }

    TempFolder folder_;
    fs::path root_;
    fs::path shared_;
    fs::path user_;
    fs::path program_;
};

TEST_F(FormatFileTest, MissingOrEmptyFilesGiveTheBuiltInFormats) {
    EXPECT_EQ(Load().Lines(), DefaultColorValueFormats());
    WriteBytes(program_ / "cvf.ini", "");
    EXPECT_EQ(Load().Lines(), DefaultColorValueFormats());
    // An empty shared file is not passed over for the program folder's copy.
    WriteBytes(program_ / "cvf.ini", "P=p\r\n");
    WriteBytes(shared_ / "cvf.ini", "");
    EXPECT_EQ(Load().Lines(), DefaultColorValueFormats());
    // Nothing is written while loading.
    EXPECT_EQ(ReadBytes(shared_ / "cvf.ini"), "");
    EXPECT_FALSE(fs::exists(user_ / "cvf.ini"));
}

TEST_F(FormatFileTest, SharedCopyIsPreferredOverTheProgramFolder) {
    WriteBytes(program_ / "cvf.ini", "P={r}\r\n");
    EXPECT_EQ(Load().Lines(), (Lines{"P={r}"}));
    WriteBytes(shared_ / "cvf.ini", "S={g}\r\n");
    EXPECT_EQ(Load().Lines(), (Lines{"S={g}"}));
}

TEST_F(FormatFileTest, ReadsEveryLineEndAndKeepsEmptyLines) {
    WriteBytes(shared_ / "cvf.ini", "A={r}\rB={g}\nC={b}\r\n\r\nD=x\n\nE=y");
    EXPECT_EQ(Load().Lines(), (Lines{"A={r}", "B={g}", "C={b}", "", "D=x", "", "E=y"}));
    // A file of one empty line is not empty: it is a list of one empty line.
    WriteBytes(shared_ / "cvf.ini", "\r\n");
    EXPECT_EQ(Load().Lines(), (Lines{""}));
}

TEST_F(FormatFileTest, UnreadableFileGivesTheBuiltInFormats) {
    fs::create_directories(shared_ / "cvf.ini");
    WriteBytes(program_ / "cvf.ini", "P={r}\r\n");
    EXPECT_EQ(Load().Lines(), DefaultColorValueFormats());
}

TEST_F(FormatFileTest, RepairsBrokenHexWithHashTemplates) {
    for (const std::string broken : {"#{rh}{gh}{r}", "#{rh}{gh}{rh}"}) {
        WriteBytes(shared_ / "cvf.ini", "HEX={rh}{gh}{bh}\r\nhex with #=" + broken +
                                            "\r\nHEX with #=#{rh}{gh}{r}\r\nLast=1\r\n");
        const auto list = Load();
        EXPECT_EQ(list.Lines(), (Lines{"HEX={rh}{gh}{bh}", "HEX with #=#{rh}{gh}{bh}",
                                       "HEX with #=#{rh}{gh}{r}", "Last=1"}))
            << broken;
        EXPECT_EQ(list.FormatColorByName(kSample, "HEX with #"), "#336699");
    }
    // Other templates, even close ones, are left alone.
    WriteBytes(shared_ / "cvf.ini", "HEX with #=#{RH}{GH}{R}\r\n");
    EXPECT_EQ(Load().Lines(), (Lines{"HEX with #=#{RH}{GH}{R}"}));
}

TEST_F(FormatFileTest, SavesBothCopiesWholeWithCrLf) {
    WriteBytes(shared_ / "cvf.ini", "old=1\r\nolder=2\r\noldest=3\r\n");
    FormatList list(Lines{"A={r}", "", "B=x=y"});
    int messages = 0;
    EXPECT_EQ(SaveColorValueFormats(list, shared_, user_, [&](const std::string&) { ++messages; }),
              0);
    EXPECT_EQ(messages, 0);
    EXPECT_EQ(ReadBytes(shared_ / "cvf.ini"), "A={r}\r\n\r\nB=x=y\r\n");
    EXPECT_EQ(ReadBytes(user_ / "cvf.ini"), "A={r}\r\n\r\nB=x=y\r\n");

    // What was saved loads back as it was.
    FormatList loaded;
    LoadColorValueFormats(loaded, shared_, program_);
    EXPECT_EQ(loaded.Lines(), list.Lines());
}

TEST_F(FormatFileTest, EachFailedCopyShowsTheMessageAndTheOtherIsStillWritten) {
    // A regular file where the shared folder should be.
    const fs::path blocked = root_ / "blocked";
    WriteBytes(blocked, "not a folder");
    WriteBytes(user_ / "cvf.ini", "old=1\r\n");
    FormatList list;
    list.SetDefaults();
    std::vector<std::string> messages;
    auto show = [&](const std::string& text) { messages.push_back(text); };

    EXPECT_EQ(SaveColorValueFormats(list, blocked, user_, show), 1);
    EXPECT_EQ(messages, (Lines{"ERROR! Cannot save color value formats list!"}));
    EXPECT_EQ(ReadBytes(blocked), "not a folder");
    EXPECT_EQ(ReadTextLines(user_ / "cvf.ini"), DefaultColorValueFormats());

    // Both copies failing shows the message twice; an old copy stays as it was.
    messages.clear();
    WriteBytes(shared_ / "cvf.ini", "old shared=1\r\n");
    EXPECT_EQ(SaveColorValueFormats(list, shared_ / "cvf.ini", blocked, show), 2);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(ReadBytes(shared_ / "cvf.ini"), "old shared=1\r\n");
    EXPECT_EQ(ReadBytes(blocked), "not a folder");
    EXPECT_EQ(std::distance(fs::directory_iterator(shared_), fs::directory_iterator()), 1);
    EXPECT_EQ(list.Count(), 10u);
}

} // namespace
} // namespace twl
