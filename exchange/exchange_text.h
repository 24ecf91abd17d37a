#pragma once

#include <cstddef>
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

// Steps through the lines of a text file without their breaks (CR LF, LF or a lone CR), one at a time so
// that no list of them is ever made; a UTF-8 byte-order mark at the start is dropped, and a break at the
// very end adds no empty line.
class TextLines {
public:
    explicit TextLines(std::string_view text);
    // The next line into `line`; false after the last.
    bool Next(std::string_view& line);
    // The number of the line Next gave last, from 1.
    std::size_t Number() const { return number_; }

private:
    std::string_view rest_;
    bool done_ = false;
    std::size_t number_ = 0;
};

// `text` without the spaces and tabs at its ends.
std::string_view TrimBlanks(std::string_view text);

// A page name for the palette made of `name` (code page 932): blanks and enclosing quotes at the ends
// go, control characters become "?", and what is left is cut to 20 bytes on a character boundary (and
// cleaned at its end again). Empty when nothing is left.
std::string PageNameFrom(std::string_view name);

// `name`, or when `used` holds it already, `name` with " (2)", " (3)" and so on, cut before the number
// on a character boundary so that it stays within 20 bytes.
std::string UniquePageName(const std::string& name, const std::vector<std::string>& used);

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
