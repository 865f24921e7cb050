#pragma once
// What the X server needs to know about a hotkey: the keysym of its key, the modifier mask of its
// modifiers, and the Lock/NumLock states under which the grab must also hold, so that the hotkey
// works whether Caps Lock or Num Lock is on.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace twl {

// The X modifier bits (the state field of key events and the modifiers of a key grab).
inline constexpr std::uint16_t kX11ShiftMask = 1u << 0;
inline constexpr std::uint16_t kX11LockMask = 1u << 1;
inline constexpr std::uint16_t kX11ControlMask = 1u << 2;
inline constexpr std::uint16_t kX11Mod1Mask = 1u << 3; // Alt
inline constexpr std::uint16_t kX11Mod2Mask = 1u << 4; // Num Lock on most keymaps
inline constexpr std::uint16_t kX11Mod4Mask = 1u << 6; // Super, the Windows key
inline constexpr std::uint16_t kX11AllModifiers = 0xFFu;

// The keysym of a key name of HotkeyKeyNames (ignoring letter case); nullopt for any other name.
// Letters give their lower-case keysym, the keypad names the keypad keysyms.
std::optional<std::uint32_t> KeysymForKeyName(std::string_view name);

// The X modifier mask of HotkeyModifier bits: Ctrl, Shift, Alt = Mod1, Win = Mod4.
std::uint16_t X11ModifierMask(unsigned hotkeyModifiers);

// The modifier bit that holds one of the given keycodes (Num Lock's), from the modifier mapping
// as the server sends it: eight rows (Shift, Lock, Control, Mod1..Mod5) of keycodesPerModifier
// keycodes each, 0 for an unused place. 0 when no row holds one or the mapping is malformed.
std::uint16_t ModifierMaskOfKeycodes(std::span<const std::uint8_t> modifierMap,
                                     std::size_t keycodesPerModifier,
                                     std::span<const std::uint8_t> keycodes);

// The lock states a grab is repeated for: none, Caps Lock, Num Lock, both. A numLockMask of 0
// (no Num Lock on the keyboard) or one equal to Lock gives no duplicates.
std::vector<std::uint16_t> LockCombinations(std::uint16_t numLockMask);

// Whether the modifier state of a key event is the wanted one, the lock bits aside. Pointer
// button bits (above the eight modifiers) do not count.
bool StateMatches(std::uint16_t state, std::uint16_t wanted, std::uint16_t numLockMask);

} // namespace twl
