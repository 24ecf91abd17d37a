#pragma once

#include <cstdint>
#include <string_view>

namespace tintrel {

// The program's one way from text to number: leading spaces, then either an optionally signed decimal
// in the 32-bit range or a "$", "x", "X", "0x" or "0X" prefix with up to 8 significant hexadecimal
// digits taken as a 32-bit pattern, and nothing after it. Anything else gives `defaultValue`.
std::int32_t ParseInteger(std::string_view text, std::int32_t defaultValue);

// The value of one hexadecimal digit of either case, -1 for any other character.
int HexDigitValue(char c);

}  // namespace tintrel
