#include "platform/qt_conversions.h"
#include "ui/common/image_files.h"

#include "temp_folder.h"

#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace twl {
namespace {

// 7 × 5 pixels, every one a different colour.
QImage TestImage() {
    QImage image(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 36, y * 60, 255 - x * 20 - y * 7));
        }
    }
    return image;
}

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QString QtPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// The picture as Qt's own readers see it, and the format they recognise from the content.
QImage ReadBack(const std::filesystem::path& path, QByteArray* format = nullptr) {
    QImageReader reader(QtPath(path));
    reader.setDecideFormatFromContent(true);
    if (format != nullptr) {
        *format = reader.format();
    }
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

int Byte(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes.at(at));
}

TEST(ImageFiles, EachFormatComesBackPixelForPixel) {
    TempFolder folder;
    const QImage image = TestImage();
    const struct {
        ImageFormat format;
        const char* name;
        QByteArray readerFormat;
    } cases[] = {{ImageFormat::Bmp, "a.bmp", "bmp"},
                 {ImageFormat::Png, "a.png", "png"},
                 {ImageFormat::Gif, "a.gif", "gif"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = folder.Path() / c.name;
        ASSERT_TRUE(SaveImage(path, image, c.format));
        QByteArray format;
        const QImage back = ReadBack(path, &format);
        EXPECT_EQ(format, c.readerFormat);
        EXPECT_EQ(back, image);
    }
}

TEST(ImageFiles, BmpIsTwentyFourBitAndPngIsEightBitRgb) {
    TempFolder folder;
    QImage withAlpha = TestImage().convertToFormat(QImage::Format_ARGB32);
    withAlpha.setPixel(0, 0, qRgba(10, 20, 30, 0));
    ASSERT_TRUE(SaveImage(folder.Path() / "a.bmp", withAlpha, ImageFormat::Bmp));
    ASSERT_TRUE(SaveImage(folder.Path() / "a.png", withAlpha, ImageFormat::Png));

    const std::string bmp = FileBytes(folder.Path() / "a.bmp");
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(Byte(bmp, 28) | Byte(bmp, 29) << 8, 24); // bits a pixel
    EXPECT_EQ(Byte(bmp, 30), 0);                       // no compression

    const std::string png = FileBytes(folder.Path() / "a.png");
    ASSERT_GT(png.size(), 26u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(Byte(png, 24), 8); // bit depth
    EXPECT_EQ(Byte(png, 25), 2); // colour type: RGB, no alpha

    EXPECT_EQ(ReadBack(folder.Path() / "a.png").pixel(0, 0), qRgb(10, 20, 30));
}

TEST(ImageFiles, FormatFollowsTheArgumentNotTheName) {
    TempFolder folder;
    ASSERT_TRUE(SaveImage(folder.Path() / "picture.bmp", TestImage(), ImageFormat::Gif));
    EXPECT_EQ(FileBytes(folder.Path() / "picture.bmp").substr(0, 6), "GIF89a");
    ASSERT_TRUE(SaveImage(folder.Path() / "picture.gif", TestImage(), ImageFormat::Png));
    EXPECT_EQ(FileBytes(folder.Path() / "picture.gif").substr(0, 4), "\x89PNG");
    ASSERT_TRUE(SaveImage(folder.Path() / "picture.png", TestImage(), ImageFormat::Bmp));
    EXPECT_EQ(FileBytes(folder.Path() / "picture.png").substr(0, 2), "BM");
}

TEST(ImageFiles, FailedSavesLeaveNothingBehind) {
    TempFolder folder;
    for (const ImageFormat format : {ImageFormat::Bmp, ImageFormat::Png, ImageFormat::Gif}) {
        EXPECT_FALSE(SaveImage(folder.Path() / "missing" / "a.img", TestImage(), format));
        EXPECT_FALSE(SaveImage(folder.Path() / "null.img", QImage(), format));
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(ImageFiles, SavingOverAFileReplacesItWhole) {
    TempFolder folder;
    const auto path = folder.Path() / "old.png";
    {
        std::ofstream out(path, std::ios::binary);
        out << std::string(100000, 'x');
    }
    const auto fresh = folder.Path() / "fresh.img";
    for (const ImageFormat format : {ImageFormat::Bmp, ImageFormat::Png, ImageFormat::Gif}) {
        ASSERT_TRUE(SaveImage(path, TestImage(), format));
        ASSERT_TRUE(SaveImage(fresh, TestImage(), format));
        EXPECT_EQ(FileBytes(path), FileBytes(fresh));
        EXPECT_EQ(ReadBack(path), TestImage());
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              2);
}

TEST(ImageFiles, ConvertsBetweenQImageAndPixelImage) {
    const QImage image = TestImage();
    const PixelImage picture = FromQImage(image);
    ASSERT_EQ(picture.width, 7);
    ASSERT_EQ(picture.height, 5);
    EXPECT_EQ(picture.At(3, 2), image.pixel(3, 2));
    EXPECT_EQ(ToQImage(picture), image);

    QImage translucent(2, 1, QImage::Format_ARGB32);
    translucent.setPixel(0, 0, qRgba(1, 2, 3, 0));
    translucent.setPixel(1, 0, qRgba(4, 5, 6, 128));
    for (const std::uint32_t pixel : FromQImage(translucent).pixels) {
        EXPECT_EQ(pixel >> 24, 0xFFu);
    }

    EXPECT_TRUE(FromQImage(QImage()).pixels.empty());
    EXPECT_TRUE(ToQImage(PixelImage{}).isNull());
    PixelImage shortBuffer;
    shortBuffer.width = 2;
    shortBuffer.height = 2;
    shortBuffer.pixels.assign(3, kImageWhite);
    EXPECT_TRUE(ToQImage(shortBuffer).isNull());
    PixelImage noAlpha;
    noAlpha.Resize(1, 1);
    noAlpha.pixels[0] = 0x00123456u;
    EXPECT_EQ(ToQImage(noAlpha).pixel(0, 0), qRgb(0x12, 0x34, 0x56));
}

} // namespace
} // namespace twl
