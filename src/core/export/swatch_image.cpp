#include "core/export/swatch_image.h"

#include <algorithm>
#include <cstddef>

namespace twl {

namespace {

// The square of swatch i, right and bottom edges exclusive.
constexpr int kSquareLeft = 1;
constexpr int kSquareTop = 1;
constexpr int kSquareRight = 36;
constexpr int kSquareBottom = 37;
constexpr int kLabelTop = 39;

std::uint32_t ImagePixel(TColor color) {
    return kOpaque | (static_cast<std::uint32_t>(RedOf(color)) << 16) |
           (static_cast<std::uint32_t>(GreenOf(color)) << 8) |
           static_cast<std::uint32_t>(BlueOf(color));
}

void FillRect(PixelImage& image, int left, int top, int right, int bottom, std::uint32_t pixel) {
    for (int y = top; y < bottom; ++y) {
        auto* row = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
        std::fill(row + left, row + right, pixel);
    }
}

} // namespace

PixelImage DrawSwatchImage(std::span<const TColor> colors) {
    PixelImage image;
    image.Resize(kSwatchPitch * static_cast<int>(colors.size()) + 1, kSwatchImageHeight);
    std::fill(image.pixels.begin(), image.pixels.end(), kImageWhite);
    int left = 0;
    for (const TColor color : colors) {
        // The outline is the square's outermost ring, the colour fills what it encloses.
        FillRect(image, left + kSquareLeft, kSquareTop, left + kSquareRight, kSquareBottom,
                 kSwatchOutline);
        FillRect(image, left + kSquareLeft + 1, kSquareTop + 1, left + kSquareRight - 1,
                 kSquareBottom - 1, ImagePixel(color));
        left += kSwatchPitch;
    }
    return image;
}

Point SwatchLabelOrigin(int index) {
    return Point{kSwatchPitch * index + kSquareLeft, kLabelTop};
}

} // namespace twl
