#pragma once
// A 32-bit picture in memory, rows top to bottom without padding. Each pixel is 0xFFRRGGBB, the
// layout of QImage::Format_RGB32, so a widget can show the buffer without copying it.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace twl {

inline constexpr std::uint32_t kOpaque = 0xFF000000u;
inline constexpr std::uint32_t kImageBlack = 0xFF000000u;
inline constexpr std::uint32_t kImageWhite = 0xFFFFFFFFu;
inline constexpr std::uint32_t kImageSilver = 0xFFC0C0C0u; // RGB (192, 192, 192)

struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // width * height, row after row

    // Changes the size; the buffer is kept (and its memory reused) when the size stays the same.
    // The content after a change of size is undefined. Negative sizes count as 0.
    void Resize(int newWidth, int newHeight) {
        newWidth = newWidth < 0 ? 0 : newWidth;
        newHeight = newHeight < 0 ? 0 : newHeight;
        if (newWidth == width && newHeight == height &&
            pixels.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
            return;
        width = newWidth;
        height = newHeight;
        pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    }

    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// Pixels of the same layout in memory owned elsewhere (a window's backing image), whose rows lie
// `stride` pixels apart.
struct PixelView {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
};

} // namespace twl
