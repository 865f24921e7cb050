#include "core/sampling/source_block.h"

namespace twl {

void ResetSourceBlock(SourceBlock& block, const Rect& area) {
    block.area = area.Empty() ? Rect{area.left, area.top, 0, 0} : area;
    block.pixels.assign(static_cast<std::size_t>(block.area.width) *
                            static_cast<std::size_t>(block.area.height),
                        kOutsidePixel);
}

void ReadSourceBlock(const PixelImage& screen, Point origin, const Rect& area, SourceBlock& block) {
    ResetSourceBlock(block, area);
    const Rect onScreen =
        Intersect(block.area, Rect{origin.x, origin.y, screen.width, screen.height});
    for (int row = 0; row < onScreen.height; ++row) {
        const int y = onScreen.top + row;
        const std::uint32_t* from =
            screen.pixels.data() +
            static_cast<std::size_t>(y - origin.y) * static_cast<std::size_t>(screen.width) +
            static_cast<std::size_t>(onScreen.left - origin.x);
        std::uint32_t* to = block.pixels.data() +
                            static_cast<std::size_t>(y - block.area.top) *
                                static_cast<std::size_t>(block.area.width) +
                            static_cast<std::size_t>(onScreen.left - block.area.left);
        for (int column = 0; column < onScreen.width; ++column)
            to[column] = from[column] & 0x00FFFFFFu;
    }
}

} // namespace twl
