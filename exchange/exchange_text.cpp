#include "exchange/exchange_text.h"

#include <algorithm>
#include <cmath>

#include "base/cp932_text.h"
#include "palette/pallet_page_names.h"
#include "persist/text_codec.h"

namespace tintrel {

std::string Cp932ToUtf8(std::string_view text) {
    return Utf16ToWtf8(Cp932ToUtf16(text));
}

std::string Utf8ToCp932(std::string_view text) {
    std::u16string units = Wtf8ToUtf16(text);
    // A lone surrogate is no character of any file another tool writes.
    std::replace_if(
        units.begin(), units.end(), [](char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }, u'?');
    return Utf16ToCp932(units);
}

std::string Cp932ToUtf16BigEndian(std::string_view text) {
    std::string bytes;
    for (const char16_t unit : Cp932ToUtf16(text)) {
        bytes += static_cast<char>(unit >> 8);
        bytes += static_cast<char>(unit & 0xFF);
    }
    return bytes;
}

std::string Utf16BigEndianToCp932(std::string_view bytes) {
    std::u16string units;
    for (std::size_t pos = 0; pos + 1 < bytes.size(); pos += 2) {
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[pos]) << 8 |
                                       static_cast<unsigned char>(bytes[pos + 1]));
    }
    return Utf16ToCp932(units);
}

TextLines::TextLines(std::string_view text) : rest_(text) {
    if (rest_.starts_with("\xEF\xBB\xBF")) {
        rest_.remove_prefix(3);
    }
    done_ = rest_.empty();
}

bool TextLines::Next(std::string_view& line) {
    if (done_) {
        return false;
    }
    ++number_;
    const auto end = rest_.find_first_of("\r\n");
    line = rest_.substr(0, end);
    if (end == std::string_view::npos) {
        done_ = true;
        return true;
    }
    rest_.remove_prefix(end + (rest_.compare(end, 2, "\r\n") == 0 ? 2 : 1));
    done_ = rest_.empty();
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

namespace {

// `name` without what the palette file would read back changed: blanks and enclosing quotes at its ends.
std::string_view WithoutEnds(std::string_view name) {
    while (!name.empty() && !ReadsBackAsWritten(name)) {
        const auto first = name.find_first_not_of(" \t\v");
        if (first == std::string_view::npos) {
            return {};
        }
        name = name.substr(first, name.find_last_not_of(" \t\v") - first + 1);
        if (!ReadsBackAsWritten(name)) {
            name = name.substr(1, name.size() - 2);
        }
    }
    return name;
}

// The whole characters of `name` that fit in `bytes`.
std::string_view CutToBytes(std::string_view name, std::size_t bytes) {
    std::size_t end = 0;
    while (end < name.size() && end + Cp932CharLength(name, end) <= bytes) {
        end += Cp932CharLength(name, end);
    }
    return name.substr(0, end);
}

}  // namespace

std::string PageNameFrom(std::string_view name) {
    // Cleaned before it is cut, so that blanks at the start never push the name itself out.
    name = WithoutEnds(name);
    std::string cleaned;
    for (std::size_t pos = 0; pos < name.size();) {
        const std::size_t length = Cp932CharLength(name, pos);
        if (cleaned.size() + length > kMaxPageNameBytes) {
            break;
        }
        const auto byte = static_cast<unsigned char>(name[pos]);
        if (length == 1 && (byte < 0x20 || byte == 0x7F)) {
            cleaned += '?';
        } else {
            cleaned.append(name.substr(pos, length));
        }
        pos += length;
    }
    return std::string(WithoutEnds(cleaned));
}

std::string UniquePageName(const std::string& name, const std::vector<std::string>& used) {
    std::string unique = name;
    for (int number = 2; std::find(used.begin(), used.end(), unique) != used.end(); ++number) {
        const std::string suffix = " (" + std::to_string(number) + ")";
        const std::string_view kept = CutToBytes(name, kMaxPageNameBytes - suffix.size());
        unique = std::string(WithoutEnds(kept)) + suffix;
    }
    return unique;
}

std::string PageNameFromFileName(std::string_view name) {
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < name.size(); pos += Cp932CharLength(name, pos)) {
        if (name[pos] == '\\' || name[pos] == '/') {
            start = pos + 1;
        }
    }
    std::string_view stem = name.substr(start);
    const auto dot = stem.rfind('.');
    if (dot != std::string_view::npos && dot > 0) {
        stem = stem.substr(0, dot);
    }
    return PageNameFrom(stem);
}

void AppendHexByte(std::string& text, std::uint32_t byte, bool lowerCase) {
    const char* digits = lowerCase ? "0123456789abcdef" : "0123456789ABCDEF";
    text += digits[byte >> 4 & 0xF];
    text += digits[byte & 0xF];
}

std::string HexName(ColorRef color, bool lowerCase) {
    const auto value = static_cast<std::uint32_t>(color);
    std::string text = "#";
    AppendHexByte(text, value, lowerCase);
    AppendHexByte(text, value >> 8, lowerCase);
    AppendHexByte(text, value >> 16, lowerCase);
    return text;
}

ColorRef RgbColor(int red, int green, int blue) {
    return static_cast<ColorRef>(static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
                                 static_cast<std::uint32_t>(blue) << 16);
}

int UnitToByte(double value) {
    if (!(value > 0.0)) {
        return 0;  // NaN included
    }
    return value >= 1.0 ? 255 : static_cast<int>(std::lround(value * 255.0));
}

}  // namespace tintrel
