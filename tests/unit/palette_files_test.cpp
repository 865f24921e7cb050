// The palette files other programs read, byte for byte, and their readers: the writers' files,
// hand-made files of other colour spaces, groups and names, every truncation, lengths that
// point past the end, and each kind written and read back.

#include "core/base/text_file.h"
#include "core/color/css_color_text.h"
#include "core/export/palette_export.h"
#include "core/export/palette_files.h"
#include "core/export/palette_import.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace twl {
namespace {

const std::vector<TColor> kTwo{MakeColor(0x33, 0x66, 0x99), MakeColor(255, 0, 0)};

// Bytes from hex digits; blanks are ignored.
std::string Hex(std::string_view digits) {
    std::string bytes;
    int high = -1;
    for (const char c : digits) {
        if (c == ' ') {
            continue;
        }
        const int value = HexDigitValue(c);
        if (high < 0) {
            high = value;
        } else {
            bytes += static_cast<char>(high * 16 + value);
            high = -1;
        }
    }
    return bytes;
}

// A name as ASE and ACO write it: UTF-16BE with its terminator.
std::string Utf16(std::string_view name) {
    std::string bytes;
    for (const char c : name) {
        bytes += '\0';
        bytes += c;
    }
    return bytes + std::string(2, '\0');
}

const OtherColorReader kCss = [](std::string_view line) { return ReadCssColor(line); };

TEST(PaletteFiles, EachWriterGivesItsBytes) {
    EXPECT_EQ(GimpPalette(kTwo), "GIMP Palette\nName: Tintwell\nColumns: 0\n#\n"
                                 " 51 102 153\t#336699\n255   0   0\t#FF0000\n");
    EXPECT_EQ(CssCustomProperties(kTwo), ":root {\n  --twl-1: #336699;\n  --twl-2: #FF0000;\n}\n");
    EXPECT_EQ(JsonColors(kTwo), "[\"#336699\", \"#FF0000\"]\n");
    EXPECT_EQ(JsonColors({}), "[]\n");

    const std::span<const TColor> one(kTwo.data(), 1);
    // One block of 36 bytes: the name's 8 units, the name, "RGB ", 0.2f 0.4f 0.6f, global.
    EXPECT_EQ(AdobeSwatchExchange(one), "ASEF" + Hex("0001 0000 00000001 0001 00000024 0008") +
                                            Utf16("#336699") + "RGB " +
                                            Hex("3E4CCCCD 3ECCCCCD 3F19999A 0000"));
    EXPECT_EQ(
        PhotoshopSwatchesWithNames(one),
        Hex("0001 0001 0000 3333 6666 9999 0000 0002 0001 0000 3333 6666 9999 0000 00000008") +
            Utf16("#336699"));
}

struct Kind {
    const char* name;
    std::function<std::string(std::span<const TColor>)> write;
    bool text; // a cut line may still read as another colour ("#FF0000" cut to "#FF0")
};

const Kind kKinds[] = {
    {"gpl", GimpPalette, true},
    {"ase", AdobeSwatchExchange, false},
    {"aco", PhotoshopSwatches, false},
    {"aco with names", PhotoshopSwatchesWithNames, false},
    {"css", CssCustomProperties, true},
    {"json", JsonColors, true},
    {"cll", ColorList, true},
    {"hex text", [](std::span<const TColor> c) { return PaletteText(c, PaletteTextForm::Hex); },
     true},
    {"rgb text", [](std::span<const TColor> c) { return PaletteText(c, PaletteTextForm::Rgb); },
     true},
};

TEST(PaletteImport, EveryKindReadsBackTheColoursItWasWrittenWithAtMostTwenty) {
    std::vector<TColor> many;
    for (int i = 0; i < 24; ++i) {
        many.push_back(MakeColor(i * 11, 255 - i * 7, (i * 37) % 256));
    }
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        const PaletteImport twelve = ReadPaletteBytes(kind.write({many.data(), 12}), kCss);
        EXPECT_EQ(twelve.problem, "");
        EXPECT_EQ(twelve.colors, std::vector<TColor>(many.begin(), many.begin() + 12));
        const PaletteImport all = ReadPaletteBytes(kind.write(many), kCss);
        EXPECT_EQ(all.colors, std::vector<TColor>(many.begin(), many.begin() + 20));
    }
}

// A cut anywhere gives a problem and no colours, or the colours before the cut (the .aco cut
// where its version 2 section begins; text, whose cut line may read as a colour of its own).
TEST(PaletteImport, EveryTruncationOfEveryKindIsToldOrGivesAPrefix) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        const std::string file = kind.write(kTwo);
        for (std::size_t length = 0; length < file.size(); ++length) {
            const PaletteImport cut =
                ReadPaletteBytes(std::string_view(file).substr(0, length), kCss);
            if (!cut.problem.empty()) {
                EXPECT_TRUE(cut.colors.empty()) << length;
                continue;
            }
            ASSERT_LE(cut.colors.size(), kTwo.size()) << length;
            const std::size_t whole = cut.colors.size() - (kind.text && !cut.colors.empty());
            EXPECT_TRUE(std::equal(cut.colors.begin(), cut.colors.begin() + whole, kTwo.begin()))
                << length;
        }
    }
    const std::string ase = AdobeSwatchExchange(kTwo);
    EXPECT_EQ(ReadPaletteBytes(ase.substr(0, ase.size() - 1), kCss).problem,
              "block 2 runs past the end of the file");
    EXPECT_EQ(ReadPaletteBytes(ase.substr(0, 12), kCss).problem,
              "block 1 runs past the end of the file");
}

TEST(PaletteImport, AseReadsItsColourModelsFlatteningGroups) {
    const auto colorBlock = [](std::string_view name, std::string_view model,
                               std::string_view values) {
        const std::string body = Hex("00") + static_cast<char>(name.size() + 1) + Utf16(name) +
                                 std::string(model) + Hex(values) + Hex("0002");
        return Hex("0001") + Hex("000000") + static_cast<char>(body.size()) + body;
    };
    std::string file = "ASEF" + Hex("0001 0000 00000006");
    const std::string groupBody = Hex("0005") + Utf16("Warm");
    file += Hex("C001") + Hex("000000") + static_cast<char>(groupBody.size()) + groupBody;
    file += colorBlock("Gray 25", "Gray", "3E800000");                      // 0.25
    file += colorBlock("C", "CMYK", "3F800000 00000000 00000000 3F000000"); // 100% C, 50% K
    file += colorBlock("Lab white", "LAB ", "3F800000 00000000 00000000");  // L 1.0
    file += Hex("C002 00000000");
    file += colorBlock("", "RGB ", "3F800000 3F000000 00000000");
    const PaletteImport read = ReadAdobeSwatchExchange(file);
    EXPECT_EQ(read.problem, "");
    EXPECT_EQ(read.colors, (std::vector<TColor>{MakeColor(64, 64, 64), MakeColor(0, 128, 128),
                                                MakeColor(255, 255, 255), MakeColor(255, 128, 0)}));

    // A block longer than the file, a name longer than its block, an unknown model.
    EXPECT_EQ(ReadAdobeSwatchExchange("ASEF" + Hex("0001 0000 00000001 0001 7FFFFFFF 00")).problem,
              "block 1 runs past the end of the file");
    EXPECT_EQ(
        ReadAdobeSwatchExchange("ASEF" + Hex("0001 0000 00000001 0001 00000004 00FF 0000")).problem,
        "block 1 has a name longer than the block");
    EXPECT_EQ(ReadAdobeSwatchExchange("ASEF" + Hex("0001 0000 00000001") +
                                      colorBlock("x", "XYZ ", "00000000"))
                  .problem,
              "block 1 has the unknown colour model 'XYZ '");
    EXPECT_EQ(ReadAdobeSwatchExchange("ASEF" + Hex("0001 0000 00000001") +
                                      colorBlock("x", "RGB ", "7FC00000 00000000 00000000"))
                  .problem,
              "block 1 holds a value that is not a number");
}

TEST(PaletteImport, AcoReadsItsColourSpacesAndPrefersTheNamedSection) {
    // v1: RGB, HSB (120°, full), CMYK (no ink but 100% magenta), Lab (L 100), grayscale (25% ink).
    const std::string v1 = Hex("0001 0005"
                               "0000 FFFF 8080 0000 0000"
                               "0001 5555 FFFF FFFF 0000"
                               "0002 FFFF 0000 FFFF FFFF"
                               "0007 2710 0000 0000 0000"
                               "0008 09C4 0000 0000 0000");
    EXPECT_EQ(
        ReadPhotoshopSwatches(v1).colors,
        (std::vector<TColor>{MakeColor(255, 128, 0), MakeColor(0, 255, 0), MakeColor(255, 0, 255),
                             MakeColor(255, 255, 255), MakeColor(191, 191, 191)}));
    // A version 2 section after it is read instead, names of any length.
    const std::string v2 = Hex("0002 0002 0000 0000 0000 FFFF 0000 00000001 0000"
                               "0000 1111 2222 3333 0000 00000004") +
                           Utf16("abc");
    EXPECT_EQ(ReadPhotoshopSwatches(v1 + v2).colors,
              (std::vector<TColor>{MakeColor(0, 0, 255), MakeColor(0x11, 0x22, 0x33)}));
    EXPECT_EQ(ReadPhotoshopSwatches(Hex("0001 0001 0003 0000 0000 0000 0000")).problem,
              "colour 1 is in colour space 3, which cannot be read");
    EXPECT_EQ(ReadPhotoshopSwatches(Hex("0002 0001 0000 0000 0000 0000 0000 7FFFFFFF")).problem,
              "colour 1's name runs past the end of the file");
    EXPECT_EQ(ReadPhotoshopSwatches(Hex("0001 0003 0000 0000 0000 0000 0000")).problem,
              "colour 2 runs past the end of the file");
}

TEST(PaletteImport, TextFormsAndWhatIsNoPalette) {
    EXPECT_EQ(ReadPaletteBytes("#ff0000\nnot a colour\nrgb(0 0 255)\n", kCss).colors,
              (std::vector<TColor>{MakeColor(255, 0, 0), MakeColor(0, 0, 255)}));
    EXPECT_EQ(ReadPaletteBytes("#ff0000\nRGB(1,2,x)\n", kCss).problem,
              "'x' is not a valid integer value");
    EXPECT_EQ(ReadPaletteBytes("just words\n", kCss).problem, "it holds no colours");
    EXPECT_EQ(ReadPaletteBytes(std::string("\x89PNG\r\n\x1a\n\0\0", 10), kCss).problem,
              "it is no palette file this program knows");
    EXPECT_EQ(ReadPaletteBytes("[\"#ff0000\", 3]", kCss).problem,
              "it is not a JSON array of colour texts");
    EXPECT_EQ(ReadPaletteBytes("GIMP Palette\n255 0\n", kCss).problem, "line 2 is not a colour");
    EXPECT_EQ(ReadPaletteBytes("GIMP Palette\nName: x\n  0 0 300 big\n", kCss).problem,
              "line 3 is not a colour");

    // A file is read only up to 4 MB, and must be there.
    TempFolder folder;
    const auto big = folder.Path() / "big.txt";
    std::string bytes(kMaxPaletteFileBytes, '\n');
    bytes.replace(0, 7, "#123456");
    ASSERT_TRUE(WriteWholeFile(big, bytes));
    EXPECT_EQ(ReadPaletteFile(big, kCss).colors, std::vector<TColor>{MakeColor(0x12, 0x34, 0x56)});
    ASSERT_TRUE(WriteWholeFile(big, bytes + "\n"));
    EXPECT_EQ(ReadPaletteFile(big, kCss).problem, "the file is larger than 4 MB");
    EXPECT_EQ(ReadPaletteFile(folder.Path() / "none", kCss).problem, "the file cannot be read");
    EXPECT_EQ(PaletteImportMessage("/tmp/x.ase", "block 3 runs past the end of the file"),
              "Cannot read palette file 'x.ase': block 3 runs past the end of the file.");
}

} // namespace
} // namespace twl
