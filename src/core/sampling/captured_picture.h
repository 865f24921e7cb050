#pragma once
// A picture of part of the desktop that a compositor captured from one output (Wayland). The
// desktop's coordinates are logical: an output of scale 2 shows each logical pixel with 2 x 2 of
// its own pixels, and one of scale 1.5 with 1.5 x 1.5. The picture comes in the output's own
// pixels and orientation: sized by the scale, turned or mirrored by the output's transform, and
// maybe upside down. These functions find, for a logical pixel, the picture's pixel that shows
// its top-left corner, and copy a captured picture into the pixels a tick reads.

#include "core/base/geometry.h"
#include "core/sampling/source_block.h"

#include <cstdint>
#include <optional>

namespace twl {

// The output transforms, numbered as the Wayland protocol numbers them.
enum class OutputTransform {
    Normal = 0,
    Rotated90 = 1,
    Rotated180 = 2,
    Rotated270 = 3,
    Flipped = 4,
    Flipped90 = 5,
    Flipped180 = 6,
    Flipped270 = 7,
};

// The pixel layouts a picture may come in, numbered as wl_shm numbers them.
inline constexpr std::uint32_t kShmArgb8888 = 0;
inline constexpr std::uint32_t kShmXrgb8888 = 1;
inline constexpr std::uint32_t kShmXbgr8888 = 0x34324258;
inline constexpr std::uint32_t kShmAbgr8888 = 0x34324241;
bool IsReadableShmFormat(std::uint32_t format);

struct CapturedPicture {
    Rect region; // the logical desktop area captured
    int width = 0, height = 0;
    std::int64_t stride = 0; // bytes from one row to the next
    std::uint32_t format = kShmXrgb8888;
    OutputTransform transform = OutputTransform::Normal;
    bool yInverted = false; // the rows come bottom first
    const std::uint8_t* bytes = nullptr;
};

// The picture's pixel (column, row in its memory) that shows the logical point; nullopt for a
// point outside the region or a picture of no pixels.
std::optional<Point> PicturePixelFor(const CapturedPicture& picture, Point logical);

// Copies every pixel of block.area that the picture shows into the block (0x00RRGGBB); the others
// are left as they are.
void CopyCapturedPicture(const CapturedPicture& picture, SourceBlock& block);

} // namespace twl
