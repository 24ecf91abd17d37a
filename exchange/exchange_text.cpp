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

std::vector<std::string_view> SplitLines(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        const std::size_t breakLength = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        text.remove_prefix(end + breakLength);
    }
    return lines;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string PageNameFrom(std::string_view name) {
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
    // What the palette file would read back changed is taken off: blanks and enclosing quotes.
    while (!cleaned.empty() && !ReadsBackAsWritten(cleaned)) {
        const auto first = cleaned.find_first_not_of(" \t\v");
        if (first == std::string::npos) {
            return {};
        }
        cleaned = cleaned.substr(first, cleaned.find_last_not_of(" \t\v") - first + 1);
        if (!ReadsBackAsWritten(cleaned)) {
            cleaned = cleaned.substr(1, cleaned.size() - 2);
        }
    }
    return cleaned;
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
