#pragma once
// Saving pictures (the magnified picture, swatch images, layout images) as BMP, PNG or GIF files.

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

} // namespace twl
