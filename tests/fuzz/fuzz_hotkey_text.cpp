// The stored hotkey text: what reads as a hotkey writes back as text that reads the same.

#include "core/settings/hotkey_text.h"
#include "fuzz_input.h"

using namespace twl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto hotkey = ParseHotkey(fuzz::AsText(data, size))) {
        fuzz::Require(ParseHotkey(FormatHotkey(*hotkey)) == hotkey);
        fuzz::Require(HotkeyFromBoxes(BoxesOfHotkey(*hotkey), hotkey->key) == hotkey);
    }
    return 0;
}
