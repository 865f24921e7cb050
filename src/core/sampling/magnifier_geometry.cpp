#include "core/sampling/magnifier_geometry.h"

#include "core/color/color_convert.h"

namespace twl {

MagnifierGeometry ComputeMagnifierGeometry(int width, int height, int zoomLevel) {
    const std::int64_t zoom = zoomLevel <= 0 ? 1 : zoomLevel;
    const long double quarterZoom = 4.0L * static_cast<long double>(zoom);
    MagnifierGeometry geometry;
    geometry.step = 2 * zoom;
    geometry.halfWidth = width <= 0 ? 0 : RoundHalfEven(width / quarterZoom);
    geometry.halfHeight = height <= 0 ? 0 : RoundHalfEven(height / quarterZoom);
    geometry.center = height <= 0 ? 0 : (height / geometry.step) / 2;
    return geometry;
}

Rect MagnifierSourceRect(Point point, const MagnifierGeometry& geometry) {
    return {point.x - geometry.halfWidth, point.y - geometry.halfHeight, 2 * geometry.halfWidth,
            2 * geometry.halfHeight};
}

std::optional<int> SamplingRadius(int samplingMode) {
    if (samplingMode < 0 || samplingMode > 2)
        return std::nullopt;
    return samplingMode;
}

Rect SamplerRect(Point point, int samplingMode) {
    const std::optional<int> radius = SamplingRadius(samplingMode);
    if (!radius)
        return {};
    return {point.x - *radius, point.y - *radius, 2 * *radius + 1, 2 * *radius + 1};
}

Rect TickRegion(Point point, int imageWidth, int imageHeight, int zoomLevel, int samplingMode) {
    const MagnifierGeometry geometry = ComputeMagnifierGeometry(imageWidth, imageHeight, zoomLevel);
    return Union(MagnifierSourceRect(point, geometry), SamplerRect(point, samplingMode));
}

std::optional<int> MagnifierImageSide(int magnifierSize) {
    switch (magnifierSize) {
    case 0:
        return 145;
    case 1:
        return 289;
    default:
        return std::nullopt;
    }
}

} // namespace twl
