#include "core/layout/test_layout.h"

#include "core/base/settings_list.h"

#include <algorithm>

namespace twl {

namespace {

std::uint32_t ImagePixel(TColor color) {
    return kOpaque | (static_cast<std::uint32_t>(RedOf(color)) << 16) |
           (static_cast<std::uint32_t>(GreenOf(color)) << 8) |
           static_cast<std::uint32_t>(BlueOf(color));
}

std::string Value(const std::vector<std::string>& lines, const std::string& key) {
    const auto line = FindKeyLine(lines, key);
    return line ? ValueOfLine(lines[*line]) : std::string();
}

void ReadGeometry(const std::vector<std::string>& lines, const std::string& key,
                  std::int32_t& target) {
    const std::string value = Value(lines, key);
    if (value.empty()) {
        return;
    }
    const auto number = ParseIntegerLiteral(value);
    if (!number) {
        throw ConversionError(value);
    }
    target = *number;
}

} // namespace

TestLayout BuiltInLayout() {
    TestLayout layout;
    layout.name = "5 Colors (Horizontal)";
    for (int i = 0; i < kLayoutAreaCount; ++i) {
        layout.areas[static_cast<std::size_t>(i)] = LayoutArea{0, 29 * i, 145, 30, true, 0};
    }
    return layout;
}

void ApplyLayoutLines(TestLayout& layout, const std::vector<std::string>& lines,
                      const std::string& fileName) {
    layout.name = Value(lines, "name");
    if (layout.name.empty()) {
        layout.name = Value(lines, "title");
    }
    if (layout.name.empty()) {
        layout.name = fileName;
    }
    for (int i = 0; i < kLayoutAreaCount; ++i) {
        LayoutArea& area = layout.areas[static_cast<std::size_t>(i)];
        const std::string prefix = "s" + std::to_string(i + 1) + ".";
        ReadGeometry(lines, prefix + "height", area.height);
        ReadGeometry(lines, prefix + "width", area.width);
        ReadGeometry(lines, prefix + "left", area.left);
        ReadGeometry(lines, prefix + "top", area.top);
        area.visible = Value(lines, prefix + "visible") == "1";
    }
}

Rect AreaFillRect(const LayoutArea& area) {
    // In 64 bits: left + width may pass the 32-bit range.
    const std::int64_t left = std::max<std::int64_t>(area.left, 0);
    const std::int64_t top = std::max<std::int64_t>(area.top, 0);
    const std::int64_t right =
        std::min<std::int64_t>(std::int64_t{area.left} + area.width - 1, kLayoutPreviewSize);
    const std::int64_t bottom =
        std::min<std::int64_t>(std::int64_t{area.top} + area.height - 1, kLayoutPreviewSize);
    if (right <= left || bottom <= top) {
        return {};
    }
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
            static_cast<int>(bottom - top)};
}

PixelImage RenderLayout(const TestLayout& layout) {
    PixelImage image;
    image.Resize(kLayoutPreviewSize, kLayoutPreviewSize);
    std::fill(image.pixels.begin(), image.pixels.end(), kImageWhite);
    for (const LayoutArea& area : layout.areas) {
        const Rect fill = AreaFillRect(area);
        if (!area.visible || fill.Empty()) {
            continue;
        }
        const std::uint32_t pixel = ImagePixel(area.color);
        for (int y = fill.top; y < fill.top + fill.height; ++y) {
            auto* row = image.pixels.data() + static_cast<std::size_t>(y) * kLayoutPreviewSize;
            std::fill(row + fill.left, row + fill.left + fill.width, pixel);
        }
    }
    return image;
}

} // namespace twl
