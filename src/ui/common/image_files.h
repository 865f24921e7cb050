#pragma once
// Saving pictures (the magnified picture, swatch images, layout images) as BMP, PNG or GIF files,
// and moving pictures between QImage and PixelImage.

#include "core/base/pixel_image.h"

#include <QImage>

#include <filesystem>

namespace twl {

enum class ImageFormat { Bmp, Png, Gif };

// Writes image to path in format, whatever the extension of path says. BMP is uncompressed with
// 24 bits a pixel, PNG is 8-bit RGB without alpha, GIF is as EncodeGif writes it (the exact
// colours when there are at most 256 of them). Any alpha is dropped. The file is written whole
// (a temporary file renamed over it). False when the image is null or the file cannot be
// written; path is then untouched.
bool SaveImage(const std::filesystem::path& path, const QImage& image, ImageFormat format);

// A copy of picture as a QImage of Format_RGB32; the QImage owns its pixels, so picture may go
// away. A null QImage when picture is empty or its buffer does not match its size.
QImage ToQImage(const PixelImage& picture);

// A copy of image's pixels as 0xFFRRGGBB (the image is converted to Format_RGB32 first, any
// alpha dropped). An empty PixelImage for a null image.
PixelImage FromQImage(const QImage& image);

} // namespace twl
