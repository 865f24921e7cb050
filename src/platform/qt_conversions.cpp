#include "platform/qt_conversions.h"

#include <cstddef>
#include <cstdint>

namespace twl {

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
