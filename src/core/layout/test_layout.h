#pragma once
// A test layout: up to five coloured areas on a 144 × 144 preview, read from a .tl file of
// name=value lines. An area covers its left … left + width − 2 columns and top … top + height − 2
// rows (one pixel less than its size), so neighbours that overlap by one pixel tile without gaps;
// a higher number lies on top.

#include "core/base/geometry.h"
#include "core/base/pixel_image.h"
#include "core/color/color_text.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace twl {

inline constexpr int kLayoutAreaCount = 5;
inline constexpr int kLayoutPreviewSize = 144;

struct LayoutArea {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool visible = false;
    TColor color = 0;
};

struct TestLayout {
    std::string name;
    std::array<LayoutArea, kLayoutAreaCount> areas{};
};

// "5 Colors (Horizontal)": five bands 145 wide and 30 high at tops 0, 29, 58, 87 and 116.
TestLayout BuiltInLayout();

// Applies a layout file's lines over layout: the name ("name", else "title", else fileName),
// then for each area its height, width, left and top where the key has a value, then its
// visibility ("1" shows it, anything else hides it). Colours are kept. A geometry value that is
// not a 32-bit integer throws ConversionError; what was set before it stays set.
void ApplyLayoutLines(TestLayout& layout, const std::vector<std::string>& lines,
                      const std::string& fileName);

// The pixels an area paints, clipped to the preview; empty when it paints none there.
Rect AreaFillRect(const LayoutArea& area);

// The preview as a picture: white, with the visible areas painted in order.
PixelImage RenderLayout(const TestLayout& layout);

} // namespace twl
