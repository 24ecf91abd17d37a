#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "color/color_state.h"

namespace tintrel {

// Text at the boundary with other tools' files.

std::string Cp932ToUtf8(std::string_view text);
// UTF-8 to code page 932; a character that code page 932 lacks, or a byte that is no UTF-8, becomes "?".
std::string Utf8ToCp932(std::string_view text);

// Code page 932 to UTF-16 big-endian bytes, and back ("?" for what code page 932 lacks).
std::string Cp932ToUtf16BigEndian(std::string_view text);
std::string Utf16BigEndianToCp932(std::string_view bytes);

// The lines of a text file without their breaks (CR LF, LF or a lone CR); a UTF-8 byte-order mark at
// the start is dropped, and a break at the very end adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

// `text` without the spaces and tabs at its ends.
std::string_view TrimBlanks(std::string_view text);

// A page name for the palette made of `name` (code page 932): control characters become "?", blanks
// and enclosing quotes at the ends go, and it is cut to 20 bytes on a character boundary. Empty when
// nothing is left.
std::string PageNameFrom(std::string_view name);

// The file name's stem (without its folder and its last extension), as a page name; `name` is code
// page 932 with "\" or "/" between folders.
std::string PageNameFromFileName(std::string_view name);

// "#1A2B3C" ("#1a2b3c" in lower case): the colour's red, green and blue bytes.
std::string HexName(ColorRef color, bool lowerCase = false);

// Two hexadecimal digits for the low byte of `byte`. Written by hand, as every number here: the C
// library's formatted printing would double the size of the executable.
void AppendHexByte(std::string& text, std::uint32_t byte, bool lowerCase);

// Red, green and blue as a colour value.
ColorRef RgbColor(int red, int green, int blue);

// A real from 0 to 1 as a byte: rounded, and clamped to 0 to 255.
int UnitToByte(double value);

}  // namespace tintrel
