#pragma once
// The hotkey as a desktop's global shortcuts name a key press: modifiers in capitals (CTRL, ALT,
// SHIFT, LOGO), each followed by "+", then the key's keysym name as xkbcommon spells it
// ("CTRL+SHIFT+z", "LOGO+F8", "ALT+KP_Add").

#include "core/settings/hotkey_text.h"

#include <string>

namespace twl {

// "" for a key that HotkeyKeyNames does not hold.
std::string ShortcutTrigger(const Hotkey& hotkey);

} // namespace twl
