// cvf.ini as anything may have left it: it loads, every format of it expands a colour, and the
// list saves back as it loaded.

#include "core/formats/format_list.h"
#include "fuzz_input.h"

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto shared = fuzz::InputFolder() / "shared";
    const auto user = fuzz::InputFolder() / "user";
    std::filesystem::create_directories(shared);
    std::filesystem::create_directories(user);
    fuzz::WriteInputFile("shared/cvf.ini", fuzz::AsText(data, size));
    FormatList list;
    LoadColorValueFormats(list, shared, fuzz::InputFolder() / "program");
    for (const std::string& name : list.Names()) {
        (void)list.FormatColorByName(0x00FF8000, name);
    }
    const auto fail = [](const std::string&) { std::abort(); };
    fuzz::Require(SaveColorValueFormats(list, shared, user, fail) == 0);
    FormatList reloaded;
    LoadColorValueFormats(reloaded, shared, fuzz::InputFolder() / "program");
    fuzz::Require(reloaded.Lines() == list.Lines());
    return 0;
}
