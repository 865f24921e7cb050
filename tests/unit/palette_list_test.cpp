#include "core/palette/bar_geometry.h"
#include "core/palette/palette_list.h"

#include "core/base/text_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
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

// Twenty distinct colour texts "$00000001" to "$00000014", slot 1 first.
Lines NumberedLines(int count) {
    Lines lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(ColorToText(i));
    return lines;
}

// A fresh user folder and program folder, removed afterwards.
class PaletteFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = folder_.Path();
        user_ = root_ / "user";
        program_ = root_ / "program";
        fs::create_directories(user_);
        fs::create_directories(program_);
    }

    static void WriteBytes(const fs::path& file, const std::string& bytes) {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    static std::string ReadBytes(const fs::path& file) { return ReadWholeFile(file).value_or(""); }

    fs::path UserFile() const { return user_ / "colorset.dat"; }
    fs::path ProgramFile() const { return program_ / "colorset.dat"; }

    TempFolder folder_;
    fs::path root_;
    fs::path user_;
    fs::path program_;
};

// Makes a folder unwritable for as long as it lives: by its mode bits, and for a user who
// ignores those (root) by the file system's immutable flag.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const fs::path& folder) : folder_(folder) {
        fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
        if (Writable()) {
            fd_ = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
            int flags = 0;
            if (fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
                flags |= FS_IMMUTABLE_FL;
                immutable_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
            }
        }
    }
    ~UnwritableFolder() {
        if (immutable_) {
            int flags = 0;
            if (::ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
                flags &= ~FS_IMMUTABLE_FL;
                ::ioctl(fd_, FS_IOC_SETFLAGS, &flags);
            }
        }
        if (fd_ >= 0)
            ::close(fd_);
        fs::permissions(folder_, fs::perms::owner_all);
    }
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;

    bool Writable() const {
        const fs::path probe = folder_ / "probe";
        std::ofstream out(probe);
        const bool writable = static_cast<bool>(out);
        out.close();
        std::error_code ignored;
        fs::remove(probe, ignored);
        return writable;
    }

private:
    fs::path folder_;
    int fd_ = -1;
    bool immutable_ = false;
};

// ---- Loading ----

TEST_F(PaletteFileTest, NoFileAnywhereGivesTheTwelveDefaultsInOrder) {
    struct Expected {
        const char* text;
        int red, green, blue;
    };
    const Expected expected[] = {
        {"$008000FF", 255, 0, 128}, {"clFuchsia", 255, 0, 255}, {"$00FF0080", 128, 0, 255},
        {"clBlue", 0, 0, 255},      {"$00FF8000", 0, 128, 255}, {"clAqua", 0, 255, 255},
        {"$0080FF00", 0, 255, 128}, {"clLime", 0, 255, 0},      {"$0000FF80", 128, 255, 0},
        {"clYellow", 255, 255, 0},  {"$000080FF", 255, 128, 0}, {"clRed", 255, 0, 0},
    };
    Palette palette;
    EXPECT_EQ(palette.LoadPalette(user_, program_), PaletteSource::Defaults);
    ASSERT_EQ(palette.Count(), 12);
    for (int slot = 1; slot <= 12; ++slot) {
        const Expected& e = expected[slot - 1];
        SCOPED_TRACE(slot);
        EXPECT_EQ(palette.PaletteList()[static_cast<std::size_t>(slot - 1)], e.text);
        EXPECT_EQ(palette.LineColor(slot), MakeColor(e.red, e.green, e.blue));
    }
}

TEST_F(PaletteFileTest, UserFileWinsOverProgramFileWhichWinsOverDefaults) {
    WriteBytes(ProgramFile(), "clRed\r\n");
    Palette palette;
    EXPECT_EQ(palette.LoadPalette(user_, program_), PaletteSource::ProgramFile);
    EXPECT_EQ(palette.PaletteList(), Lines{"clRed"});

    WriteBytes(UserFile(), "clBlue\r\nclLime\r\n");
    EXPECT_EQ(palette.LoadPalette(user_, program_), PaletteSource::UserFile);
    EXPECT_EQ(palette.PaletteList(), (Lines{"clBlue", "clLime"}));
}

TEST_F(PaletteFileTest, UnreadableUserFileCountsAsMissing) {
    fs::create_directory(UserFile()); // a folder where the file should be
    WriteBytes(ProgramFile(), "clAqua\n");
    Palette palette;
    EXPECT_EQ(palette.LoadPalette(user_, program_), PaletteSource::ProgramFile);
    EXPECT_EQ(palette.PaletteList(), Lines{"clAqua"});
}

TEST_F(PaletteFileTest, ReadsAnyLineEndAndSavesCrLf) {
    const std::string inputs[] = {
        "clRed\r\n$00FF8000\r\nclLime\r\n",
        "clRed\n$00FF8000\nclLime\n",
        "clRed\r$00FF8000\rclLime\r",
        "clRed\r\n$00FF8000\nclLime",
    };
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input);
        WriteBytes(UserFile(), input);
        Palette palette;
        ASSERT_EQ(palette.LoadPalette(user_, program_), PaletteSource::UserFile);
        EXPECT_EQ(palette.PaletteList(), (Lines{"clRed", "$00FF8000", "clLime"}));
        ASSERT_TRUE(palette.SavePalette(user_));
        EXPECT_EQ(ReadBytes(UserFile()), "clRed\r\n$00FF8000\r\nclLime\r\n");
    }
}

TEST_F(PaletteFileTest, EmptyFileGivesAnEmptyPaletteNotTheDefaults) {
    WriteBytes(UserFile(), "");
    Palette palette;
    EXPECT_EQ(palette.LoadPalette(user_, program_), PaletteSource::UserFile);
    EXPECT_EQ(palette.Count(), 0);
    EXPECT_EQ(PaletteBarHeight(palette.Count()), 65);
    EXPECT_EQ(VisibleSlotCount(palette.Count()), 0);

    palette.InsertColorAtTop(MakeColor(1, 2, 3));
    EXPECT_EQ(palette.Count(), 1);
    EXPECT_EQ(PaletteBarHeight(palette.Count()), 87);
    EXPECT_EQ(VisibleSlotCount(palette.Count()), 1);
}

TEST_F(PaletteFileTest, DamagedFileLoadsAsItIsAndSavesBackUnchanged) {
    std::string binary("\x00\x01\xff\xfe$00", 7);
    const std::string longLine(1 << 20, 'A');
    const std::string bytes = "clRed\r\n" + binary + "\r\n\r\n" + longLine + "\r\nclLime\r\n";
    WriteBytes(UserFile(), bytes);

    Palette palette;
    ASSERT_EQ(palette.LoadPalette(user_, program_), PaletteSource::UserFile);
    EXPECT_EQ(palette.PaletteList(), (Lines{"clRed", binary, "", longLine, "clLime"}));
    EXPECT_EQ(palette.LineColor(2), std::nullopt);
    EXPECT_EQ(palette.LineColor(4), std::nullopt);

    SlotColorArray previous{};
    previous.fill(0x123456);
    const SlotColorArray shown = SlotColors(palette.PaletteList(), previous);
    EXPECT_EQ(shown[0], MakeColor(255, 0, 0));
    EXPECT_EQ(shown[1], 0x123456);
    EXPECT_EQ(shown[4], 0x123456); // a valid line after an invalid one is not reached

    ASSERT_TRUE(palette.SavePalette(user_));
    EXPECT_EQ(ReadBytes(UserFile()), bytes);
}

TEST_F(PaletteFileTest, FileLongerThanTwentyLinesKeepsTheFirstTwenty) {
    std::string bytes;
    for (const std::string& line : NumberedLines(25))
        bytes += line + "\n";
    WriteBytes(UserFile(), bytes);
    Palette palette;
    palette.LoadPalette(user_, program_);
    EXPECT_EQ(palette.PaletteList(), NumberedLines(20));
    EXPECT_EQ(PaletteBarHeight(palette.Count()), 505);
}

// ---- Saving ----

TEST_F(PaletteFileTest, SaveFailureLeavesOldFileAndListAsTheyWere) {
    WriteBytes(UserFile(), "clRed\r\n");
    Palette palette(Lines{"clBlue", "clLime"});
    {
        UnwritableFolder guard(user_);
        if (guard.Writable())
            GTEST_SKIP() << "cannot make a folder unwritable here";
        EXPECT_FALSE(palette.SavePalette(user_));
    }
    EXPECT_EQ(ReadBytes(UserFile()), "clRed\r\n");
    EXPECT_EQ(palette.PaletteList(), (Lines{"clBlue", "clLime"}));
}

TEST_F(PaletteFileTest, SaveIntoMissingFolderFails) {
    Palette palette(Lines{"clBlue"});
    EXPECT_FALSE(palette.SavePalette(root_ / "missing"));
}

// ---- Operations ----

TEST(PaletteAdd, FullPaletteDropsFormerSlotTwentyOnly) {
    Palette palette(NumberedLines(20));
    palette.InsertColorAtTop(MakeColor(255, 0, 0));
    Lines expected = NumberedLines(19);
    expected.insert(expected.begin(), "clRed");
    EXPECT_EQ(palette.PaletteList(), expected);
    EXPECT_EQ(PaletteBarHeight(palette.Count()), 505);
}

TEST(PaletteAdd, StoresTheColoursTextForm) {
    Palette palette;
    palette.InsertColorAtTop(MakeColor(255, 128, 0));
    palette.InsertColorAtTop(MakeColor(0, 255, 255));
    EXPECT_EQ(palette.PaletteList(), (Lines{"clAqua", "$000080FF"}));
}

TEST(PaletteRemove, RemovingTheOnlyColourLeavesAnEmptyPalette) {
    Palette palette(Lines{"clRed"});
    EXPECT_TRUE(palette.RemoveSelectedColor());
    EXPECT_EQ(palette.Count(), 0);
    EXPECT_EQ(PaletteBarHeight(palette.Count()), 65);
    EXPECT_EQ(VisibleSlotCount(palette.Count()), 0);
}

TEST(PaletteRemove, RemovingTheLastSlotLeavesSelectionPastTheEnd) {
    Palette palette(NumberedLines(5));
    palette.Select(5, 5);
    EXPECT_TRUE(palette.RemoveSelectedColor());
    EXPECT_EQ(palette.PaletteList(), NumberedLines(4));
    EXPECT_EQ(palette.SelectedSlot(), 5);
    EXPECT_EQ(palette.CurrentColor(), 5);

    // Past the end, remove and replace refuse and change nothing.
    EXPECT_FALSE(palette.RemoveSelectedColor());
    EXPECT_FALSE(palette.ReplaceSelectedColor("clRed"));
    EXPECT_EQ(palette.PaletteList(), NumberedLines(4));

    palette.Select(2, 2);
    EXPECT_TRUE(palette.RemoveSelectedColor());
    EXPECT_EQ(palette.PaletteList(), (Lines{"$00000001", "$00000003", "$00000004"}));
}

TEST(PaletteReplace, ReplacesOnlyTheSelectedLine) {
    Palette palette(NumberedLines(4));
    palette.Select(3, 3);
    EXPECT_TRUE(palette.ReplaceSelectedColor("$00336699"));
    EXPECT_EQ(palette.PaletteList(), (Lines{"$00000001", "$00000002", "$00336699", "$00000004"}));
    EXPECT_EQ(palette.LineColor(3), MakeColor(0x99, 0x66, 0x33));
    EXPECT_EQ(palette.CurrentColor(), 3); // the selection's colour is not refreshed
}

TEST(PaletteMove, TakesOutAndInsertsAtTheTarget) {
    struct Case {
        int from, to;
        std::vector<int> order;
    };
    const Case cases[] = {
        {4, 1, {1, 5, 2, 3, 4, 6}}, // slot 5 dropped on slot 2
        {1, 4, {1, 3, 4, 5, 2, 6}}, // slot 2 dropped on slot 5
        {2, 2, {1, 2, 3, 4, 5, 6}}, // dropped on itself
        {0, 5, {2, 3, 4, 5, 6, 1}}, {5, 0, {6, 1, 2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.from << " -> " << c.to);
        Palette palette(NumberedLines(6));
        EXPECT_TRUE(palette.MovePaletteColor(c.from, c.to));
        Lines expected;
        for (int n : c.order)
            expected.push_back(ColorToText(n));
        EXPECT_EQ(palette.PaletteList(), expected);
    }
}

TEST(PaletteMove, IndexOutsideTheListChangesNothing) {
    const std::pair<int, int> cases[] = {{-1, 0}, {0, -1}, {3, 0}, {0, 3}, {20, 0}};
    for (const auto& [from, to] : cases) {
        Palette palette(NumberedLines(3));
        EXPECT_FALSE(palette.MovePaletteColor(from, to));
        EXPECT_EQ(palette.PaletteList(), NumberedLines(3));
    }
    Palette empty;
    EXPECT_FALSE(empty.MovePaletteColor(0, 0));
}

TEST(PaletteSelection, StartsAtSlotOneAndFollowsThePointer) {
    Palette palette(NumberedLines(10));
    EXPECT_EQ(palette.SelectedSlot(), 1);
    EXPECT_TRUE(palette.Select(4, 4));
    EXPECT_TRUE(palette.Select(7, 7));
    EXPECT_EQ(palette.SelectedSlot(), 7);
    EXPECT_EQ(palette.CurrentColor(), 7);
    EXPECT_FALSE(palette.Select(0, 99));
    EXPECT_FALSE(palette.Select(21, 99));
    EXPECT_EQ(palette.SelectedSlot(), 7);
    EXPECT_EQ(palette.CurrentColor(), 7);
}

TEST(PaletteSelection, AddRemoveAndMoveLeaveItAlone) {
    Palette palette(NumberedLines(10));
    palette.Select(3, 3);
    palette.InsertColorAtTop(MakeColor(9, 9, 9));
    palette.RemoveSelectedColor();
    palette.MovePaletteColor(0, 6);
    palette.ReplaceSelectedColor("clRed");
    EXPECT_EQ(palette.SelectedSlot(), 3);
    EXPECT_EQ(palette.CurrentColor(), 3);
}

TEST(PaletteDrag, RemembersTheDraggedSlotAndColour) {
    Palette palette(NumberedLines(6));
    palette.BeginDrag(4, 5);
    EXPECT_EQ(palette.DraggedSlot(), 4);
    EXPECT_EQ(palette.DraggedColor(), 5);
    EXPECT_TRUE(palette.MovePaletteColor(palette.DraggedSlot(), 1));
    EXPECT_EQ(palette.PaletteList()[1], "$00000005");
}

// ---- The bar ----

TEST(PaletteBarSlots, StopAtTheFirstInvalidLineAndKeepLaterColours) {
    SlotColorArray previous{};
    for (int i = 0; i < kPaletteSlotCount; ++i)
        previous[static_cast<std::size_t>(i)] = 1000 + i;

    const SlotColorArray shown =
        SlotColors(Lines{"clRed", "$0000FF00", "not a colour", "clBlue"}, previous);
    EXPECT_EQ(shown[0], MakeColor(255, 0, 0));
    EXPECT_EQ(shown[1], MakeColor(0, 255, 0));
    for (int i = 2; i < kPaletteSlotCount; ++i)
        EXPECT_EQ(shown[static_cast<std::size_t>(i)], 1000 + i);

    EXPECT_EQ(SlotColors(Lines{}, previous), previous);
    EXPECT_EQ(SlotColors(Lines{""}, previous), previous);
}

TEST(PaletteBarSlots, PaintAtMostTwentySlots) {
    Lines lines(25, "clWhite");
    const SlotColorArray shown = SlotColors(lines, SlotColorArray{});
    for (TColor color : shown)
        EXPECT_EQ(color, MakeColor(255, 255, 255));
}

TEST(PaletteBarSize, HeightAndVisibleSlotsFollowTheCount) {
    struct Case {
        int count, height;
        std::optional<int> visible;
    };
    const Case cases[] = {
        {0, 65, 0}, {1, 87, 1}, {12, 329, 12}, {20, 505, 20}, {21, 527, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(PaletteBarHeight(c.count), c.height);
        EXPECT_EQ(VisibleSlotCount(c.count), c.visible);
    }
}

TEST(PaletteBarGeometry, SlotsSitInAColumnTwentyTwoApart) {
    EXPECT_EQ(SlotFrameRect(1), (Rect{12, 56, 18, 18}));
    EXPECT_EQ(SlotFrameRect(2), (Rect{12, 78, 18, 18}));
    const Rect last = SlotFrameRect(20);
    EXPECT_EQ(last.top, 474);
    EXPECT_EQ(last.top + last.height - 1, 491);
    EXPECT_EQ(SlotSwatchRect(), (Rect{2, 2, 15, 15}));
    EXPECT_EQ(SlotFrameTop(10), 254);
}

TEST(PaletteBarGeometry, SlotMenuOpensEightPixelsIntoTheSwatch) {
    EXPECT_EQ(SlotMenuPoint(395, 209, 1), (Point{395 + 22, 209 + 66}));
    EXPECT_EQ(SlotMenuPoint(0, 0, 3), (Point{22, 110}));
    EXPECT_EQ(SlotMenuPoint(-100, 50, 20), (Point{-78, 50 + 66 + 22 * 19}));
}

TEST(PaletteBarGeometry, InsertionMarkerSitsAboveWhenMovingUpBelowOtherwise) {
    // Slot 2's frame spans rows 78 to 95.
    EXPECT_EQ(InsertionMarkerTop(1, 4), 75); // slot 5 over slot 2: above it
    EXPECT_EQ(InsertionMarkerTop(1, 0), 97); // slot 1 over slot 2: below it
    EXPECT_EQ(InsertionMarkerTop(1, 1), 97); // over itself
    EXPECT_EQ(InsertionMarkerTop(0, 19), 53);
}

} // namespace
} // namespace twl
