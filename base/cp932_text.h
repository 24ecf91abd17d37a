#pragma once

#include <cstddef>
#include <string_view>

namespace tintrel {

// Code page 932 (Shift-JIS) text is held as its bytes. These helpers step through it by whole
// characters, so that a second byte such as the 0x5C of "表" is never taken for a backslash.

// True for a byte that starts a double-byte character.
bool IsCp932LeadByte(unsigned char byte);

// Length in bytes (1 or 2) of the character starting at text[pos]: 2 for a lead byte followed by a
// valid second byte, otherwise 1, so that malformed bytes stay as they are. pos < text.size().
std::size_t Cp932CharLength(std::string_view text, std::size_t pos);

}  // namespace tintrel
