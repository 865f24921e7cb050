// The .tl reader, the painting rule of the areas and the collected list of layout files.

#include "core/base/text_file.h"
#include "core/layout/layout_files.h"
#include "core/layout/test_layout.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>

namespace twl {
namespace {

TestLayout Read(const std::vector<std::string>& lines, TestLayout layout = BuiltInLayout()) {
    ApplyLayoutLines(layout, lines, "file.tl");
    return layout;
}

TEST(TestLayoutReader, KeysIgnoreCaseAndTheFirstLineWins) {
    const TestLayout layout =
        Read({"NAME=Web page", "name=Other", "S2.Left=7", "s2.left=9", "S2.VISIBLE=1"});
    EXPECT_EQ(layout.name, "Web page");
    EXPECT_EQ(layout.areas[1].left, 7);
    EXPECT_TRUE(layout.areas[1].visible);
}

TEST(TestLayoutReader, ValueIsEverythingAfterTheFirstEquals) {
    EXPECT_EQ(Read({"name=a=b"}).name, "a=b");
    EXPECT_EQ(Read({"title=Card", "s1.left=3"}).name, "Card");
    EXPECT_EQ(Read({"name=", "title=Card"}).name, "Card");
    EXPECT_EQ(Read({"author=me"}).name, "file.tl");
}

TEST(TestLayoutReader, MissingOrEmptyGeometryKeepsThePreviousValue) {
    TestLayout before = BuiltInLayout();
    before.areas[0] = LayoutArea{11, 12, 13, 14, false, 0x123456};
    const TestLayout layout = Read({"s1.visible=1", "s1.width=", "s1.top=40"}, before);
    EXPECT_EQ(layout.areas[0].left, 11);
    EXPECT_EQ(layout.areas[0].top, 40);
    EXPECT_EQ(layout.areas[0].width, 13);
    EXPECT_EQ(layout.areas[0].height, 14);
    EXPECT_TRUE(layout.areas[0].visible);
    EXPECT_EQ(layout.areas[0].color, 0x123456);
}

TEST(TestLayoutReader, OnlyTheValueOneShowsAnArea) {
    struct Case {
        const char* line;
        bool visible;
    };
    const Case cases[] = {{"s3.visible=1", true},     {"s3.visible=yes", false},
                          {"s3.visible=true", false}, {"s3.visible= 1", false},
                          {"s3.visible=01", false},   {"s3.shape=1", false}};
    for (const Case& c : cases) {
        EXPECT_EQ(Read({c.line}).areas[2].visible, c.visible) << c.line;
    }
}

TEST(TestLayoutReader, GeometryReadsDecimalAndHexIntegers) {
    struct Case {
        const char* value;
        std::int32_t expected;
    };
    const Case cases[] = {{"42", 42},        {"-5", -5},
                          {"$1F", 31},       {"0x10", 16},
                          {"0X10", 16},      {"2147483647", INT_MAX},
                          {"$FFFFFFFF", -1}, {"-2147483648", INT_MIN}};
    for (const Case& c : cases) {
        EXPECT_EQ(Read({std::string("s4.height=") + c.value}).areas[3].height, c.expected)
            << c.value;
    }
}

TEST(TestLayoutReader, ANonIntegerStopsTheLoadAtThatKey) {
    TestLayout layout = BuiltInLayout();
    try {
        ApplyLayoutLines(layout,
                         {"name=Bad", "s1.left=5", "s2.height=12", "s2.width=wide", "s2.left=9"},
                         "bad.tl");
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'wide' is not a valid integer value");
    }
    EXPECT_EQ(layout.name, "Bad");
    EXPECT_EQ(layout.areas[0].left, 5);
    EXPECT_FALSE(layout.areas[0].visible);
    EXPECT_EQ(layout.areas[1].height, 12);
    EXPECT_EQ(layout.areas[1].left, 0);
    for (const char* value : {"2147483648", "1.5", "12px", "$", "0x"}) {
        TestLayout again = BuiltInLayout();
        EXPECT_THROW(ApplyLayoutLines(again, {std::string("s5.top=") + value}, "x"),
                     ConversionError)
            << value;
    }
}

TEST(TestLayoutReader, BinaryBytesAndAHugeLineDoNotBreakIt) {
    std::string binary = "s1.left=";
    for (int c = 1; c < 256; ++c) {
        binary += static_cast<char>(c);
    }
    EXPECT_THROW(Read({binary}), ConversionError);
    const std::string huge(1 << 20, 'x');
    EXPECT_EQ(Read({"name=" + huge}).name.size(), huge.size());
    EXPECT_THROW(Read({"s1.top=" + huge}), ConversionError);
}

std::uint32_t Pixel(TColor color) {
    return kOpaque | static_cast<std::uint32_t>(RedOf(color)) << 16 |
           static_cast<std::uint32_t>(GreenOf(color)) << 8 |
           static_cast<std::uint32_t>(BlueOf(color));
}

TEST(TestLayoutImage, TheBuiltInBandsTileTheImageExactly) {
    TestLayout layout = BuiltInLayout();
    const TColor colors[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF};
    for (int i = 0; i < kLayoutAreaCount; ++i) {
        layout.areas[static_cast<std::size_t>(i)].color = colors[i];
    }
    const PixelImage image = RenderLayout(layout);
    ASSERT_EQ(image.width, 144);
    ASSERT_EQ(image.height, 144);
    const int firstRows[] = {0, 29, 58, 87, 116, 144};
    for (int band = 0; band < kLayoutAreaCount; ++band) {
        for (int y = firstRows[band]; y < firstRows[band + 1]; ++y) {
            for (int x = 0; x < 144; ++x) {
                ASSERT_EQ(image.At(x, y), Pixel(colors[band])) << x << "," << y;
            }
        }
    }
}

TEST(TestLayoutImage, AnAreaPaintsOnePixelLessAndHigherNumbersLieOnTop) {
    TestLayout layout =
        Read({"s1.visible=1", "s1.left=10", "s1.top=20", "s1.width=5", "s1.height=4",
              "s2.visible=1", "s2.left=13", "s2.top=22", "s2.width=1", "s2.height=10",
              "s3.visible=1", "s3.left=12", "s3.top=21", "s3.width=2", "s3.height=2"});
    layout.areas[0].color = 0x0000FF;
    layout.areas[2].color = 0x00FF00;
    const PixelImage image = RenderLayout(layout);
    EXPECT_EQ(image.At(10, 20), Pixel(0x0000FF));
    EXPECT_EQ(image.At(13, 22), Pixel(0x0000FF)); // s2 has width 1: it paints nothing
    EXPECT_EQ(image.At(14, 20), kImageWhite);
    EXPECT_EQ(image.At(10, 23), kImageWhite);
    EXPECT_EQ(image.At(9, 20), kImageWhite);
    EXPECT_EQ(image.At(12, 21), Pixel(0x00FF00));
    EXPECT_EQ(image.At(13, 21), Pixel(0x0000FF));
    EXPECT_EQ(image.At(12, 22), Pixel(0x0000FF));
}

TEST(TestLayoutImage, HiddenAreasAreNotDrawn) {
    TestLayout layout = BuiltInLayout();
    for (LayoutArea& area : layout.areas) {
        area.color = 0x000000;
    }
    layout.areas[1].visible = false;
    layout.areas[4].visible = false;
    const PixelImage image = RenderLayout(layout);
    EXPECT_EQ(image.At(0, 0), kImageBlack);
    EXPECT_EQ(image.At(70, 40), kImageWhite);
    EXPECT_EQ(image.At(70, 60), kImageBlack);
    EXPECT_EQ(image.At(143, 143), kImageWhite);
}

TEST(TestLayoutImage, HugeAndNegativeGeometryIsClippedToThePreview) {
    struct Case {
        LayoutArea area;
        Rect fill;
    };
    const Case cases[] = {
        {{INT_MAX, 0, INT_MAX, 10, true, 0}, {}},
        {{0, 0, INT_MAX, INT_MAX, true, 0}, {0, 0, 144, 144}},
        {{-100, -100, 110, 105, true, 0}, {0, 0, 9, 4}},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX, true, 0}, {}},
        {{5, 5, 0, 10, true, 0}, {}},
        {{5, 5, -7, -7, true, 0}, {}},
        {{143, 143, 2, 2, true, 0}, {143, 143, 1, 1}},
        {{144, 0, 10, 10, true, 0}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AreaFillRect(c.area), c.fill) << c.area.left << " " << c.area.width;
        TestLayout layout;
        layout.areas[0] = c.area;
        const PixelImage image = RenderLayout(layout);
        EXPECT_EQ(image.width * image.height, 144 * 144);
    }
}

class LayoutFilesTest : public ::testing::Test {
protected:
    std::string Folder(const char* name) const { return (temp_.Path() / name).string() + "/"; }
    void Touch(const std::filesystem::path& path) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << "name=x\r\n";
    }
    TempFolder temp_;
};

TEST_F(LayoutFilesTest, FilesComeBeforeSubfoldersAndDotFoldersAreSkipped) {
    const std::filesystem::path tls = temp_.Path() / "user/TLs";
    Touch(tls / "a.tl");
    Touch(tls / "notes.txt");
    Touch(tls / "sub/inner.tl");
    Touch(tls / "sub/deeper/deepest.TL");
    Touch(tls / ".hidden/secret.tl");
    Touch(tls / "z.tl");
    Touch(temp_.Path() / "program/TLs/shipped.tl");
    const auto list = CollectLayoutFiles(Folder("user"), Folder("program"));
    ASSERT_EQ(list.size(), 4u);
    // A folder's own files, in its listing order, precede its subfolders' files.
    const std::vector<std::string> firstTwo(list.begin(), list.begin() + 2);
    EXPECT_TRUE((firstTwo == std::vector<std::string>{"a.tl", "z.tl"} ||
                 firstTwo == std::vector<std::string>{"z.tl", "a.tl"}));
    EXPECT_EQ(list[2], "inner.tl");
    EXPECT_EQ(list[3], "deepest.TL");
}

TEST_F(LayoutFilesTest, TheProgramFolderIsCollectedOnlyWithoutAUserFolder) {
    Touch(temp_.Path() / "program/TLs/shipped.tl");
    EXPECT_EQ(CollectLayoutFiles(Folder("user"), Folder("program")),
              std::vector<std::string>{"shipped.tl"});
    EXPECT_TRUE(CollectLayoutFiles(Folder("user"), Folder("nowhere")).empty());
}

TEST_F(LayoutFilesTest, ANameStandsForTheUserFileElseTheProgramFile) {
    Touch(temp_.Path() / "user/TLs/both.tl");
    Touch(temp_.Path() / "program/TLs/both.tl");
    Touch(temp_.Path() / "program/TLs/shipped.tl");
    Touch(temp_.Path() / "user/TLs/sub/inner.tl");
    const std::string user = Folder("user"), program = Folder("program");
    const auto found = [&](const std::string& name) {
        return FindLayoutFile(name, user, program).value_or("").string();
    };
    EXPECT_EQ(found("both.tl"), (temp_.Path() / "user/TLs/both.tl").string());
    EXPECT_EQ(found("shipped.tl"), (temp_.Path() / "program/TLs/shipped.tl").string());
    for (const char* missing : {"inner.tl", "sub", "", "../TLs/both.tl", "gone.tl"}) {
        EXPECT_EQ(found(missing), "") << missing;
    }
}

TEST(LayoutSteps, NextAndPreviousWrapAndStartFromMinusOne) {
    struct Case {
        int index, count, next, previous;
    };
    const Case cases[] = {{0, 3, 1, 2},  {1, 3, 2, 0}, {2, 3, 0, 1},
                          {-1, 3, 0, 2}, {0, 1, 0, 0}, {-1, 1, 0, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(NextLayoutIndex(c.index, c.count), c.next) << c.index << "/" << c.count;
        EXPECT_EQ(PreviousLayoutIndex(c.index, c.count), c.previous) << c.index << "/" << c.count;
    }
    const std::vector<std::string> list{"a.tl", "Web.tl", "web.tl"};
    EXPECT_EQ(LayoutIndexOf(list, "WEB.TL"), 1);
    EXPECT_EQ(LayoutIndexOf(list, "b.tl"), -1);
}

} // namespace
} // namespace twl
