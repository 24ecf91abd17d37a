#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tintrel {

// Modifier flags of a hot key, the values Windows gives them (MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN).
inline constexpr unsigned kHotKeyAlt = 0x1;
inline constexpr unsigned kHotKeyCtrl = 0x2;
inline constexpr unsigned kHotKeyShift = 0x4;
inline constexpr unsigned kHotKeyWin = 0x8;

// A system-wide key: modifier flags and a Windows virtual-key code. Key 0 is no key at all ("None").
struct HotKey {
    unsigned Modifiers = 0;
    unsigned Key = 0;

    bool operator==(const HotKey&) const = default;
};

inline constexpr HotKey kDefaultPickHotKey{kHotKeyCtrl | kHotKeyAlt, 'C'};

// Reads a key written as modifiers and a key name joined by "+", such as "Ctrl+Alt+C" or
// "Shift+Ctrl+F8", in any letter case and with spaces around the parts; "None" gives the key 0.
// Modifiers are Shift, Ctrl, Alt and Win; keys are the letters, the digits, F1 to F24, Space, Ins,
// Del, Home, End, PgUp, PgDn and Pause. Nothing for any other text, and for a key that typing needs
// (a letter, a digit or an editing key) without Ctrl, Alt or Win, which would take it from every
// program.
std::optional<HotKey> ParseHotKey(std::string_view text);

// The key as ParseHotKey reads it: modifiers in the order Shift, Ctrl, Alt, Win, then the key's name.
std::string HotKeyText(const HotKey& hotKey);

}  // namespace tintrel
