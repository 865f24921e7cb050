#pragma once
// The screen pixels read around the pointer: one rectangle per tick, large enough for both the
// magnifier and the colour sample. A screen pixel is stored as 0x00RRGGBB; a pixel that lies
// outside the virtual screen holds kOutsidePixel, all 32 bits set, which the averages count as
// 255 in each channel.

#include "core/base/geometry.h"
#include "core/base/pixel_image.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace twl {

inline constexpr std::uint32_t kOutsidePixel = 0xFFFFFFFFu;

struct SourceBlock {
    Rect area;                         // the screen rectangle the block holds
    std::vector<std::uint32_t> pixels; // area.width * area.height, row after row

    // The pixel at a screen position; kOutsidePixel for a position the block does not hold.
    std::uint32_t At(std::int64_t x, std::int64_t y) const {
        if (!area.Contains(x, y))
            return kOutsidePixel;
        return pixels[static_cast<std::size_t>(y - area.top) *
                          static_cast<std::size_t>(area.width) +
                      static_cast<std::size_t>(x - area.left)];
    }
};

// Makes the block hold `area` with every pixel marked outside the screen; a screen reader then
// copies in the part that lies on the screen. The memory is reused when it is large enough.
void ResetSourceBlock(SourceBlock& block, const Rect& area);

// Fills the block for `area` from a picture of the whole virtual screen whose top-left pixel is
// the screen point `origin` (the in-memory screen of tests and benchmarks, or a captured
// desktop). The picture's top byte is dropped; pixels beyond the picture stay outside.
void ReadSourceBlock(const PixelImage& screen, Point origin, const Rect& area, SourceBlock& block);

} // namespace twl
