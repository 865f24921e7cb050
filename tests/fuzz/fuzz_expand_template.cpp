// A format template as a user may type it: the first four bytes are the colour, the rest the
// template. Text without a "{" comes back as it is.

#include "core/formats/color_formats.h"
#include "fuzz_input.h"

#include <cstring>

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    TColor color = 0;
    std::memcpy(&color, data, sizeof color);
    const std::string_view templ = fuzz::AsText(data + 4, size - 4);
    const std::string expanded = ExpandTemplate(color, templ);
    if (templ.find('{') == std::string_view::npos) {
        fuzz::Require(expanded == templ);
    }
    return 0;
}
