// set.set as anything may have left it: it loads, and once saved it loads back to the same
// settings however often it is saved again.

#include "core/settings/settings.h"
#include "fuzz_input.h"

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto user = fuzz::InputFolder() / "user";
    const auto program = fuzz::InputFolder() / "program";
    std::filesystem::create_directories(user);
    fuzz::WriteInputFile("user/set.set", fuzz::AsText(data, size));
    const ScreenInfo screen{0, 0, 1920, 1080, 1080};
    SettingsList list;
    const Settings first = LoadSettings(list, user, program, screen, 0);

    fuzz::Require(SaveSettings(list, first, user));
    const Settings second = LoadSettings(list, user, program, screen, 0);
    fuzz::Require(SaveSettings(list, second, user));
    const Settings third = LoadSettings(list, user, program, screen, 0);
    fuzz::Require(second == third);
    return 0;
}
