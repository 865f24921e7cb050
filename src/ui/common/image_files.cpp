#include "ui/common/image_files.h"

#include "core/base/text_file.h"
#include "core/export/gif_encoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace twl {

namespace {

// The image encoded by Qt's writer for format ("bmp", "png") into memory.
std::optional<QByteArray> EncodeWithQt(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return std::nullopt;
    }
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) {
        return std::nullopt;
    }
    buffer.close();
    return bytes;
}

} // namespace

bool SaveImage(const std::filesystem::path& path, const QImage& image, ImageFormat format) {
    if (image.isNull()) {
        return false;
    }
    if (format == ImageFormat::Gif) {
        return WriteGifFile(path, FromQImage(image));
    }
    // Qt writes a 32-bit picture without alpha as a 24-bit BMP and as an 8-bit RGB PNG.
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    const std::optional<QByteArray> bytes =
        EncodeWithQt(opaque, format == ImageFormat::Bmp ? "bmp" : "png");
    return bytes && WriteWholeFile(path, std::string_view(bytes->constData(),
                                                          static_cast<std::size_t>(bytes->size())));
}

QImage ToQImage(const PixelImage& picture) {
    const auto width = static_cast<std::size_t>(picture.width < 0 ? 0 : picture.width);
    const auto height = static_cast<std::size_t>(picture.height < 0 ? 0 : picture.height);
    if (width == 0 || height == 0 || picture.pixels.size() != width * height) {
        return {};
    }
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    for (std::size_t y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(static_cast<int>(y)));
        const std::uint32_t* source = picture.pixels.data() + y * width;
        for (std::size_t x = 0; x < width; ++x) {
            row[x] = source[x] | kOpaque;
        }
    }
    return image;
}

PixelImage FromQImage(const QImage& image) {
    PixelImage picture;
    if (image.isNull()) {
        return picture;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    picture.Resize(rgb.width(), rgb.height());
    const auto width = static_cast<std::size_t>(picture.width);
    for (int y = 0; y < picture.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
        std::uint32_t* target = picture.pixels.data() + static_cast<std::size_t>(y) * width;
        for (std::size_t x = 0; x < width; ++x) {
            target[x] = row[x] | kOpaque;
        }
    }
    return picture;
}

} // namespace twl
