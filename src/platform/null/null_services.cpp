#include "platform/null/null_services.h"

namespace twl {

void NullScreenReader::Read(const Rect& area, SourceBlock& block) {
    block.area = area;
    block.pixels.assign(area.Empty() ? 0
                                     : static_cast<std::size_t>(area.width) *
                                           static_cast<std::size_t>(area.height),
                        kOutsidePixel);
}

} // namespace twl
