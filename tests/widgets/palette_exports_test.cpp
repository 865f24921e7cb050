// The palette exports and swatch pictures, reached through the bar's menus of the whole program
// started on in-memory services.

#include "app/program.h"
#include "core/base/text_file.h"
#include "core/export/swatch_image.h"
#include "program_on_fakes.h"
#include "ui/bar/bar_actions.h"
#include "ui/bar/palette_controller.h"
#include "ui/common/swatch_picture.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace twl {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kThreeColours{"$00563412", "clWhite", "$000A0500"};
const std::string kIsd2Filters = "Bitmap Image|*.bmp|PNG Image|*.png|GIF Image|*.gif";

class PaletteExportsTest : public ProgramOnFakes {
protected:
    void Start(const std::vector<std::string>& palette,
               const std::vector<std::string>& settings = {}) {
        WritePalette(palette);
        WriteSettings(settings);
        StartProgram();
    }
    void Trigger(const std::string& item) {
        program_->Actions().Item(QString::fromStdString(item))->trigger();
    }
    // Answers the next save dialog with a file in the output folder.
    std::string Answer(const std::string& name) {
        dialogs_.saveAnswer = (out_.Path() / name).string();
        return *dialogs_.saveAnswer;
    }
    std::string Saved(const std::string& path) { return ReadWholeFile(path).value_or("(none)"); }
    std::size_t FilesWritten() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(out_.Path()), fs::directory_iterator()));
    }

    TempFolder out_;
};

TEST_F(PaletteExportsTest, CopyItemsOfBothMenusPutThePaletteOnTheClipboard) {
    Start(kThreeColours);
    const std::pair<std::string, std::string> cases[] = {
        {"HEX1", "123456\r\nFFFFFF\r\n00050A\r\n"},
        {"HEX3", "123456\r\nFFFFFF\r\n00050A\r\n"},
        {"HEXwith1", "#123456\r\n#FFFFFF\r\n#00050A\r\n"},
        {"HEXwith3", "#123456\r\n#FFFFFF\r\n#00050A\r\n"},
        {"RGB1", "RGB(18,52,86)\r\nRGB(255,255,255)\r\nRGB(0,5,10)\r\n"},
        {"RGB3", "RGB(18,52,86)\r\nRGB(255,255,255)\r\nRGB(0,5,10)\r\n"},
    };
    for (const auto& [item, text] : cases) {
        Trigger(item);
        EXPECT_EQ(clipboard_.text, text) << item;
        EXPECT_EQ(clipboard_.image.width, 0) << item << " copies text alone";
    }
    for (const char* item : {"CopyAllasBitmap1", "CopyAllasBitmap2"}) {
        clipboard_.text = "old";
        Trigger(item);
        EXPECT_EQ(clipboard_.text, "") << item << " copies the picture alone";
        ASSERT_EQ(clipboard_.image.width, 109) << item;
        EXPECT_EQ(clipboard_.image.At(2, 20), 0xFF123456u) << item;
        EXPECT_EQ(clipboard_.image.At(74, 20), 0xFF00050Au) << item;
    }
    EXPECT_TRUE(dialogs_.saveDialogs.empty());
}

TEST_F(PaletteExportsTest, SaveItemsOfBothMenusWriteTheirOwnFormatThroughTheirOwnDialog) {
    Start(kThreeColours);
    struct Case {
        std::string item;
        std::string filters;
        int filterIndex;
        std::string extension;
        std::string head; // the file's first bytes
    };
    const std::string aco("\0\1\0\3\0\0\x12\x12", 8);
    const Case cases[] = {
        {"PortableNetworkGraphicsFile1", kIsd2Filters, 2, ".bmp", "\x89PNG"},
        {"PortableNetworkGraphicsFile2", kIsd2Filters, 2, ".bmp", "\x89PNG"},
        {"WindowsBitmapFile1", kIsd2Filters, 1, ".bmp", "BM"},
        {"WindowsBitmapFilebmp1", kIsd2Filters, 1, ".bmp", "BM"},
        {"GraphicsInterchangeFormat1", kIsd2Filters, 3, ".bmp", "GIF89a"},
        {"GraphicsInterchangeFormatgif1", kIsd2Filters, 3, ".bmp", "GIF89a"},
        {"PhotoShopSwatches1", "Photoshop ACO File (*.aco)|*.ACO", 1, ".aco", aco},
        {"PhotoShopSwatches2", "Photoshop ACO File (*.aco)|*.ACO", 1, ".aco", aco},
        {"VTOrlinColorList1", "VT Orlin 1.5 Color List|*.cll", 1, ".cll", "#123456\r\n#FFF"},
        {"VTOrlinColorList2", "VT Orlin 1.5 Color List|*.cll", 1, ".cll", "#123456\r\n#FFF"},
    };
    for (const Case& c : cases) {
        const std::string path = Answer(c.item);
        Trigger(c.item);
        const SaveFileRequest& asked = dialogs_.saveDialogs.back();
        EXPECT_EQ(asked.filters, c.filters) << c.item;
        EXPECT_EQ(asked.filterIndex, c.filterIndex) << c.item;
        EXPECT_EQ(asked.defaultExtension, c.extension) << c.item;
        EXPECT_EQ(Saved(path).substr(0, c.head.size()), c.head) << c.item;
    }
    EXPECT_EQ(dialogs_.saveDialogs.size(), std::size(cases));
    EXPECT_EQ(Saved((out_.Path() / "PhotoShopSwatches1").string()).size(), 34u);
    EXPECT_EQ(Saved((out_.Path() / "VTOrlinColorList2").string()),
              "#123456\r\n#FFFFFF\r\n#00050A\r\n");
    const QImage png(
        QString::fromStdString((out_.Path() / "PortableNetworkGraphicsFile1").string()), "png");
    EXPECT_EQ(png.size(), QSize(109, 50));
    EXPECT_FALSE(png.hasAlphaChannel());
    EXPECT_EQ(png.pixel(38, 20), QColor(Qt::white).rgb());
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(PaletteExportsTest, AnEmptyPaletteRefusesPhotoshopButGivesEmptyTextsAndFiles) {
    Start({});
    Trigger("PhotoShopSwatches2");
    EXPECT_EQ(dialogs_.messages,
              std::vector<std::string>{"No colors on the palette, cannot export!"});
    EXPECT_TRUE(dialogs_.saveDialogs.empty());

    const std::string list = Answer("empty.cll");
    Trigger("VTOrlinColorList1");
    EXPECT_EQ(Saved(list), "");
    clipboard_.text = "old";
    Trigger("RGB3");
    EXPECT_EQ(clipboard_.text, "");
    Trigger("CopyAllasBitmap1");
    EXPECT_EQ(clipboard_.image.width, 1);
    EXPECT_EQ(clipboard_.image.pixels, std::vector<std::uint32_t>(50, 0xFFFFFFFFu));
    EXPECT_EQ(dialogs_.messages.size(), 1u);
}

TEST_F(PaletteExportsTest, FileDialogsRememberTheirOwnNameButTheSwatchDialogStartsEmpty) {
    Start(kThreeColours);
    const std::string aco = Answer("colours.aco");
    Trigger("PhotoShopSwatches1");
    dialogs_.saveAnswer.reset(); // cancelled: the name is kept
    Trigger("PhotoShopSwatches2");
    Trigger("PhotoShopSwatches1");
    Trigger("VTOrlinColorList1");
    ASSERT_EQ(dialogs_.saveDialogs.size(), 4u);
    EXPECT_EQ(dialogs_.saveDialogs[0].fileName, "");
    EXPECT_EQ(dialogs_.saveDialogs[1].fileName, aco);
    EXPECT_EQ(dialogs_.saveDialogs[2].fileName, aco);
    EXPECT_EQ(dialogs_.saveDialogs[3].fileName, "") << "the colour list has a dialog of its own";

    // The PNG command writes PNG data whatever the typed name says.
    const std::string png = Answer("palette.bmp");
    Trigger("PortableNetworkGraphicsFile1");
    EXPECT_EQ(Saved(png).substr(0, 4), "\x89PNG");
    const std::size_t files = FilesWritten();
    dialogs_.saveAnswer.reset();
    Trigger("GraphicsInterchangeFormat1");
    EXPECT_EQ(FilesWritten(), files) << "a cancelled save writes nothing";
    Trigger("WindowsBitmapFile1");
    EXPECT_EQ(dialogs_.saveDialogs[4].fileName, "");
    EXPECT_EQ(dialogs_.saveDialogs[5].fileName, "");
    EXPECT_EQ(dialogs_.saveDialogs[6].fileName, "");
    EXPECT_EQ(dialogs_.saveDialogs[6].filterIndex, 1);
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(PaletteExportsTest, AFileThatCannotBeWrittenSaysSoAndLeavesThePalette) {
    Start(kThreeColours);
    for (const char* item : {"PhotoShopSwatches1", "VTOrlinColorList1", "WindowsBitmapFile1",
                             "PortableNetworkGraphicsFile1", "GraphicsInterchangeFormat1"}) {
        dialogs_.messages.clear();
        Answer("missing/palette");
        Trigger(item);
        EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"Sorry! Cannot save file!"}) << item;
    }
    EXPECT_EQ(FilesWritten(), 0u);
    EXPECT_EQ(program_->Palette().Model().PaletteList(), kThreeColours);
}

TEST_F(PaletteExportsTest, TheSlotMenusColorSwatchCopiesThatSlotsSwatch) {
    Start(kThreeColours);
    SlotSwatch* slot3 = program_->Palette().Column().Swatch(3);
    QMouseEvent move(QEvent::MouseMove, QPointF(4, 4), slot3->mapToGlobal(QPointF(4, 4)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(slot3, &move);
    clipboard_.text = "old";
    Trigger("ColorSwatch2");
    EXPECT_EQ(clipboard_.text, "");
    ASSERT_EQ(clipboard_.image.width, 37);
    EXPECT_EQ(clipboard_.image.height, 50);
    EXPECT_EQ(clipboard_.image.At(18, 18), 0xFF00050Au);
}

TEST_F(PaletteExportsTest, AutoCopyWithSwatchOffersTextAndPictureTogether) {
    Start(kThreeColours,
          {"captureandcopy=1", "ACopyonHotkey=1", "copyas=RGB", "AutoCopySwatch=1", "sampling=0"});
    screen_.SetPixel({500, 400}, 0xAA5500);
    screen_.SetCursorPos({500, 400});
    hotkey_.Press();
    EXPECT_EQ(clipboard_.sets, 1);
    EXPECT_EQ(clipboard_.text, "RGB(170,85,0)");
    ASSERT_EQ(clipboard_.image.width, 37);
    EXPECT_EQ(clipboard_.image.At(18, 18), 0xFFAA5500u);

    program_->CurrentSettings().autoCopySwatch = false;
    hotkey_.Press();
    EXPECT_EQ(clipboard_.text, "RGB(170,85,0)");
    EXPECT_EQ(clipboard_.image.width, 0);
}

TEST(SwatchPicture, LabelsAreWrittenUnderTheirOwnSquareOnly) {
    const std::vector<TColor> colors{MakeColor(0, 0, 0), MakeColor(255, 255, 255),
                                     MakeColor(0x12, 0x34, 0x56)};
    const PixelImage bare = DrawSwatchImage(colors);
    const PixelImage picture = DrawSwatchPicture(colors);
    ASSERT_EQ(picture.width, bare.width);
    ASSERT_EQ(picture.height, bare.height);
    const std::size_t squares = 39 * static_cast<std::size_t>(bare.width);
    EXPECT_TRUE(
        std::equal(bare.pixels.begin(), bare.pixels.begin() + squares, picture.pixels.begin()));
    for (int i = 0; i < 3; ++i) {
        int black = 0;
        for (int y = 39; y < 50; ++y) {
            for (int x = 36 * i; x < 36 * i + 37; ++x) {
                const std::uint32_t pixel = picture.At(x, y);
                ASSERT_TRUE(pixel == 0xFF000000u || pixel == 0xFFFFFFFFu)
                    << "plain black text on white at (" << x << ", " << y << ")";
                black += pixel == 0xFF000000u && x > 36 * i && x < 36 * i + 36;
            }
        }
        EXPECT_GT(black, 20) << "label " << i;
    }
}

} // namespace
} // namespace twl
