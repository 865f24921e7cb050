// CSS colour text: any bytes read without a crash, and a colour read from a line reads the same
// again when the line stands in a declaration.

#include "core/color/css_color_text.h"
#include "fuzz_input.h"

#include <string>

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const auto names = [](std::string_view name) -> std::optional<TColor> {
        return name == "red" ? std::optional<TColor>(MakeColor(255, 0, 0)) : std::nullopt;
    };
    const std::optional<TColor> color = ReadCssColor(text, names);
    if (color && text.find_first_of(":;") == std::string_view::npos) {
        fuzz::Require(ReadCssColor("--x: " + std::string(text) + ";", names) == color);
    }
    return 0;
}
