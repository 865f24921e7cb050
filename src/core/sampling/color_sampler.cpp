#include "core/sampling/color_sampler.h"

#include "core/sampling/magnifier_geometry.h"

#include <cstdint>

namespace twl {

std::optional<TColor> SampleColor(const SourceBlock& block, Point point, int samplingMode) {
    const std::optional<int> radius = SamplingRadius(samplingMode);
    if (!radius)
        return std::nullopt;
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
    for (int dy = -*radius; dy <= *radius; ++dy) {
        for (int dx = -*radius; dx <= *radius; ++dx) {
            const std::uint32_t pixel =
                block.At(std::int64_t{point.x} + dx, std::int64_t{point.y} + dy);
            red += (pixel >> 16) & 0xFFu;
            green += (pixel >> 8) & 0xFFu;
            blue += pixel & 0xFFu;
        }
    }
    const std::uint32_t count = static_cast<std::uint32_t>((2 * *radius + 1) * (2 * *radius + 1));
    return MakeColor(static_cast<int>(red / count), static_cast<int>(green / count),
                     static_cast<int>(blue / count));
}

} // namespace twl
