// namedcolors.txt as anything may have left it: only lines of the colour form load, and the
// search box's filter (the file's first line, lower-cased) keeps a subset of them.

#include "core/base/text_file.h"
#include "core/quick_palette/named_colors.h"
#include "fuzz_input.h"

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const auto lines = LoadNamedColors(fuzz::WriteInputFile("namedcolors.txt", text));
    for (const std::string& line : lines) {
        fuzz::Require(IsNamedColorLine(line));
        (void)NamedColorValue(line);
        (void)NamedColorNamePart(line);
        (void)QuickColorText(NamedColorValue(line));
    }
    const auto all = SplitLines(text);
    const std::string filter = all.empty() ? std::string() : all.front();
    fuzz::Require(FilterNamedColors(lines, filter).size() <= lines.size());
    (void)FilterBoxColor(lines.size());
    return 0;
}
