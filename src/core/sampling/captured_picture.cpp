#include "core/sampling/captured_picture.h"

#include <cstring>

namespace twl {

namespace {

bool TurnsSideways(OutputTransform transform) {
    return (static_cast<int>(transform) & 1) != 0;
}

// floor(a * b / c) for c > 0 and a >= 0.
std::int64_t Scaled(std::int64_t a, std::int64_t b, std::int64_t c) {
    return a * b / c;
}

} // namespace

bool IsReadableShmFormat(std::uint32_t format) {
    return format == kShmArgb8888 || format == kShmXrgb8888 || format == kShmXbgr8888 ||
           format == kShmAbgr8888;
}

std::optional<Point> PicturePixelFor(const CapturedPicture& picture, Point logical) {
    const Rect& region = picture.region;
    if (!region.Contains(logical.x, logical.y) || picture.width <= 0 || picture.height <= 0) {
        return std::nullopt;
    }
    // The picture as the output shows it, upright: the same pixels, turned back.
    const bool sideways = TurnsSideways(picture.transform);
    const std::int64_t shownWidth = sideways ? picture.height : picture.width;
    const std::int64_t shownHeight = sideways ? picture.width : picture.height;
    const std::int64_t x = Scaled(logical.x - region.left, shownWidth, region.width);
    const std::int64_t y = Scaled(logical.y - region.top, shownHeight, region.height);
    const std::int64_t right = shownWidth - 1 - x;
    const std::int64_t bottom = shownHeight - 1 - y;
    std::int64_t column = x;
    std::int64_t row = y;
    switch (picture.transform) {
    case OutputTransform::Normal:
        break;
    case OutputTransform::Rotated90:
        column = bottom;
        row = x;
        break;
    case OutputTransform::Rotated180:
        column = right;
        row = bottom;
        break;
    case OutputTransform::Rotated270:
        column = y;
        row = right;
        break;
    case OutputTransform::Flipped:
        column = right;
        break;
    case OutputTransform::Flipped90:
        column = y;
        row = x;
        break;
    case OutputTransform::Flipped180:
        row = bottom;
        break;
    case OutputTransform::Flipped270:
        column = bottom;
        row = right;
        break;
    }
    if (picture.yInverted) {
        row = picture.height - 1 - row;
    }
    return Point{static_cast<int>(column), static_cast<int>(row)};
}

void CopyCapturedPicture(const CapturedPicture& picture, SourceBlock& block) {
    if (picture.bytes == nullptr || !IsReadableShmFormat(picture.format)) {
        return;
    }
    const Rect area = Intersect(block.area, picture.region);
    const bool bgr = picture.format == kShmXbgr8888 || picture.format == kShmAbgr8888;
    // The usual case, an upright output at a scale of 1: whole rows at a time.
    if (!bgr && picture.transform == OutputTransform::Normal &&
        picture.width == picture.region.width && picture.height == picture.region.height) {
        for (int y = area.top; y < area.top + area.height; ++y) {
            int row = y - picture.region.top;
            if (picture.yInverted) {
                row = picture.height - 1 - row;
            }
            const std::uint8_t* from =
                picture.bytes + row * picture.stride + (area.left - picture.region.left) * 4;
            std::uint32_t* to = block.pixels.data() +
                                static_cast<std::size_t>(y - block.area.top) *
                                    static_cast<std::size_t>(block.area.width) +
                                static_cast<std::size_t>(area.left - block.area.left);
            std::memcpy(to, from, static_cast<std::size_t>(area.width) * 4);
            for (int x = 0; x < area.width; ++x) {
                to[x] &= 0x00FFFFFFu;
            }
        }
        return;
    }
    for (int y = area.top; y < area.top + area.height; ++y) {
        std::uint32_t* to = block.pixels.data() +
                            static_cast<std::size_t>(y - block.area.top) *
                                static_cast<std::size_t>(block.area.width) +
                            static_cast<std::size_t>(area.left - block.area.left);
        for (int x = area.left; x < area.left + area.width; ++x, ++to) {
            const auto at = PicturePixelFor(picture, {x, y});
            if (!at) {
                continue;
            }
            std::uint32_t pixel;
            std::memcpy(&pixel, picture.bytes + at->y * picture.stride + at->x * 4, 4);
            if (bgr) {
                pixel = (pixel & 0x0000FF00u) | ((pixel >> 16) & 0xFFu) | ((pixel & 0xFFu) << 16);
            }
            *to = pixel & 0x00FFFFFFu;
        }
    }
}

} // namespace twl
