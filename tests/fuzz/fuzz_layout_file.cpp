// A .tl file as anything may have left it: it applies or is refused with ConversionError, and
// whatever areas it sets draw inside the preview.

#include "core/base/text_file.h"
#include "core/layout/test_layout.h"
#include "fuzz_input.h"

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = fuzz::WriteInputFile("layout.tl", fuzz::AsText(data, size));
    const auto lines = ReadTextLines(path).value_or(std::vector<std::string>{});
    TestLayout layout = BuiltInLayout();
    try {
        ApplyLayoutLines(layout, lines, "layout");
    } catch (const ConversionError&) {
    }
    for (const LayoutArea& area : layout.areas) {
        const Rect fill = AreaFillRect(area);
        fuzz::Require(fill.Empty() || (fill.left >= 0 && fill.top >= 0 &&
                                       fill.left + fill.width <= kLayoutPreviewSize &&
                                       fill.top + fill.height <= kLayoutPreviewSize));
    }
    const PixelImage image = RenderLayout(layout);
    fuzz::Require(image.width == kLayoutPreviewSize && image.height == kLayoutPreviewSize);
    return 0;
}
