#include "ui/common/image_files.h"

#include "platform/qt_conversions.h"

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

} // namespace twl
