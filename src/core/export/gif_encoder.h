#pragma once
// GIF89a files from 32-bit pictures, encoded in memory with giflib.
//
// A picture of at most 256 distinct colours gets exactly those colours as its palette, so it
// comes back pixel for pixel. A picture of more colours is reduced to 256 by median cut, and every
// pixel takes the palette colour nearest to it (squared RGB distance, no dithering). The alpha
// byte of the pixels is ignored: GIF files are written fully opaque.

#include "core/base/pixel_image.h"

#include <filesystem>
#include <optional>
#include <string>

namespace twl {

// The bytes of a GIF89a file showing image, or nullopt when the image is empty, larger than GIF
// allows (65535 pixels a side) or its pixel buffer does not match its size.
std::optional<std::string> EncodeGif(const PixelImage& image);

// EncodeGif, then the bytes written whole to path (a temporary file renamed over it). False when
// the image cannot be encoded or the file cannot be written; path is then untouched.
bool WriteGifFile(const std::filesystem::path& path, const PixelImage& image);

} // namespace twl
