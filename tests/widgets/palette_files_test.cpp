// The palette files of other programs through the bar's menus of the whole program on in-memory
// services: the new saves and copies of both menus, "Open Palette..." and files dropped on the
// bar.

#include "app/program.h"
#include "core/base/text_file.h"
#include "program_on_fakes.h"
#include "ui/bar/bar_actions.h"
#include "ui/bar/main_bar.h"
#include "ui/bar/palette_controller.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

namespace twl {
namespace {

const std::vector<std::string> kTwo{"$00996633", "clRed"}; // #336699 on top

class PaletteFilesTest : public ProgramOnFakes {
protected:
    void Start(const std::vector<std::string>& palette) {
        WritePalette(palette);
        WriteSettings({});
        StartProgram();
    }
    void Trigger(const char* item) {
        program_->Actions().Item(QString::fromLatin1(item))->trigger();
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = (out_.Path() / name).string();
        EXPECT_TRUE(WriteWholeFile(path, bytes));
        return path;
    }
    std::vector<std::string> Palette() { return program_->Palette().Model().PaletteList(); }

    TempFolder out_;
};

TEST_F(PaletteFilesTest, EachNewSaveAndCopyOfBothMenusWritesItsOwnKind) {
    Start(kTwo);
    struct Case {
        const char* item;
        std::string filters, extension, head;
    };
    const Case cases[] = {
        {"GIMPPalette1", "GIMP Palette|*.gpl", ".gpl", "GIMP Palette\nName: Tintwell\n"},
        {"GIMPPalette2", "GIMP Palette|*.gpl", ".gpl", "GIMP Palette\nName: Tintwell\n"},
        {"AdobeSwatchExchange1", "Adobe Swatch Exchange|*.ase", ".ase", "ASEF"},
        {"AdobeSwatchExchange2", "Adobe Swatch Exchange|*.ase", ".ase", "ASEF"},
        {"PhotoshopSwatcheswithNames1", "Photoshop ACO File (*.aco)|*.ACO", ".aco",
         std::string("\0\1\0\2", 4)},
        {"PhotoshopSwatcheswithNames2", "Photoshop ACO File (*.aco)|*.ACO", ".aco",
         std::string("\0\1\0\2", 4)},
        {"CSSCustomProperties1", "CSS File|*.css", ".css", ":root {\n  --twl-1: #336699;\n"},
        {"CSSCustomProperties2", "CSS File|*.css", ".css", ":root {\n  --twl-1: #336699;\n"},
        {"JSON1", "JSON File|*.json", ".json", "[\"#336699\", \"#FF0000\"]\n"},
        {"JSON2", "JSON File|*.json", ".json", "[\"#336699\", \"#FF0000\"]\n"},
    };
    for (const Case& c : cases) {
        dialogs_.saveAnswer = (out_.Path() / c.item).string();
        Trigger(c.item);
        ASSERT_FALSE(dialogs_.saveDialogs.empty());
        EXPECT_EQ(dialogs_.saveDialogs.back().filters, c.filters) << c.item;
        EXPECT_EQ(dialogs_.saveDialogs.back().defaultExtension, c.extension) << c.item;
        const std::string saved = ReadWholeFile(*dialogs_.saveAnswer).value_or("(none)");
        EXPECT_EQ(saved.substr(0, c.head.size()), c.head) << c.item;
    }
    for (const char* item : {"CSSCustomProperties3", "CSSCustomProperties4"}) {
        Trigger(item);
        EXPECT_EQ(clipboard_.text, ":root {\n  --twl-1: #336699;\n  --twl-2: #FF0000;\n}\n")
            << item;
    }
    for (const char* item : {"JSON3", "JSON4"}) {
        Trigger(item);
        EXPECT_EQ(clipboard_.text, "[\"#336699\", \"#FF0000\"]\n") << item;
    }
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(PaletteFilesTest, AnEmptyPaletteRefusesTheNewExportsBeforeAnyDialog) {
    Start({});
    clipboard_.text = "old";
    for (const char* item : {"GIMPPalette1", "AdobeSwatchExchange2", "PhotoshopSwatcheswithNames1",
                             "CSSCustomProperties2", "JSON1", "CSSCustomProperties3", "JSON4"}) {
        Trigger(item);
    }
    EXPECT_EQ(dialogs_.messages,
              std::vector<std::string>(7, "No colors on the palette, cannot export!"));
    EXPECT_TRUE(dialogs_.saveDialogs.empty());
    EXPECT_EQ(clipboard_.text, "old");
}

TEST_F(PaletteFilesTest, OpenPaletteAddsTheFilesColoursFirstOnTopWithoutACopy) {
    Start(kTwo);
    const int sets = clipboard_.sets;
    dialogs_.openAnswer = Write("any name.txt", "GIMP Palette\n#\n 10  20  30\tone\n40 50 60\n");
    Trigger("OpenPalette2");
    ASSERT_EQ(dialogs_.openDialogs.size(), 1u);
    EXPECT_NE(dialogs_.openDialogs[0].find("*.gpl"), std::string::npos);
    EXPECT_EQ(Palette(),
              (std::vector<std::string>{"$001E140A", "$003C3228", "$00996633", "clRed"}));
    EXPECT_EQ(clipboard_.sets, sets);

    // A damaged file: one message naming it, nothing added.
    std::string ase = "ASEF" + std::string("\0\1\0\0\0\0\0\3\0\1\0\0\0\x40", 14);
    dialogs_.openAnswer = Write("cut.ase", ase);
    Trigger("OpenPalette1");
    EXPECT_EQ(dialogs_.messages,
              std::vector<std::string>{"Cannot read palette file 'cut.ase': "
                                       "block 1 runs past the end of the file."});
    EXPECT_EQ(Palette().size(), 4u);
}

TEST_F(PaletteFilesTest, FilesDroppedOnTheBarJoinAsOneFileNamingTheBadOnes) {
    Start(kTwo);
    const std::string first = Write("a.cll", "#010203\r\n");
    const std::string second = Write("b.json", "[\"#040506\", \"rgb(7 8 9)\"]");
    const std::string bad = Write("c.aco", std::string("\0\1\0\5", 4));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(first)),
                  QUrl::fromLocalFile(QString::fromStdString(bad)),
                  QUrl::fromLocalFile(QString::fromStdString(second)),
                  QUrl("https://example.org/x")});
    QWidget& bar = program_->Bar();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bar, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bar, &drop);
    EXPECT_EQ(Palette(), (std::vector<std::string>{"$00030201", "$00060504", "$00090807",
                                                   "$00996633", "clRed"}));
    EXPECT_EQ(dialogs_.messages,
              std::vector<std::string>{"Cannot read palette file 'c.aco': "
                                       "colour 1 runs past the end of the file."});
}

} // namespace
} // namespace twl
