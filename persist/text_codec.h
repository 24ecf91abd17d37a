#pragma once

#include <string>
#include <string_view>

namespace tintrel {

// Text is code page 932 inside the program. A profile file may be UTF-16, which is held in memory as
// generalised UTF-8 (WTF-8): ASCII stays ASCII for the parser, every other byte is 0x80 or above, and
// any sequence of UTF-16 code units, even a lone surrogate, comes back unchanged.

// Code page 932 to UTF-16, as Windows converts it.
std::u16string Cp932ToUtf16(std::string_view text);
// UTF-16 to code page 932, as Windows converts it: a character that code page 932 lacks becomes "?".
std::string Utf16ToCp932(std::u16string_view text);

std::string Utf16ToWtf8(std::u16string_view text);
// The inverse of Utf16ToWtf8; a byte that no code unit could have given becomes U+FFFD.
std::u16string Wtf8ToUtf16(std::string_view text);

}  // namespace tintrel
