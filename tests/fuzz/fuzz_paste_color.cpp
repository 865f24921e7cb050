// Clipboard text for Paste Color: never more colours than lines.

#include "core/base/text_file.h"
#include "core/formats/paste_color.h"
#include "fuzz_input.h"

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const PastedColors pasted = ParsePastedColors(text);
    fuzz::Require(pasted.colors.size() <= SplitLines(text).size());
    return 0;
}
