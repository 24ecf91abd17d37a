#include "color/format_template.h"

#include <algorithm>  // std::min
#include <optional>
#include <utility>  // std::move

#include "base/cp932_text.h"
#include "color/number_text.h"

namespace tintrel {

const std::string_view kDefaultFormatListText =
    "#\\RR\\GG\\BB\r\n"
    "\\RR\\GG\\BB\r\n"
    "\\R,\\G,\\B\r\n"
    "\\R%%,\\G%%,\\B%%\r\n"
    "color=\"#\\RR\\GG\\BB\"\r\n"
    "color:#\\RR\\GG\\BB;\r\n"
    "border-color:#\\RR\\GG\\BB;\r\n"
    "background-color:#\\RR\\GG\\BB;\r\n"
    "new Color(\\R,\\G,\\B)\r\n"
    "\\R3,\\G3,\\B3\r\n"
    "RGB(\\R,\\B,\\G)\r\n"
    "$00\\BB\\GG\\RR\r\n"
    "&h00\\BB\\GG\\RR\r\n"
    "0x00\\BB\\GG\\RR\r\n"
    "\\C,\\M,\\Y,\\K\r\n"
    "\\W\r\n";

namespace {

// Stands for an escaped backslash while a template is processed; a template is one line, so it never
// holds a carriage return of its own.
constexpr std::string_view kPlaceholder = "\r";

// Code page 932 text as one 16-bit unit per character: a double-byte character as lead × 256 + trail
// (never below 0x8140), any other byte as itself. Unlike a conversion to UTF-16, every byte sequence,
// malformed ones included, survives the round trip.
std::u16string ToChars(std::string_view text) {
    std::u16string chars;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Cp932CharLength(text, pos);
        unsigned unit = static_cast<unsigned char>(text[pos]);
        if (length == 2) {
            unit = unit << 8 | static_cast<unsigned char>(text[pos + 1]);
        }
        chars += static_cast<char16_t>(unit);
        pos += length;
    }
    return chars;
}

std::string ToBytes(std::u16string_view chars) {
    std::string text;
    for (const char16_t unit : chars) {
        if (unit > 0xFF) {
            text += static_cast<char>(unit >> 8);
        }
        text += static_cast<char>(unit & 0xFF);
    }
    return text;
}

// A code letter of the template language and the component value its codes print.
struct CodeLetter {
    char Letter;
    double Value;
};

// What decides the rest of a run whose every new occurrence lies inside the replacement just
// inserted: the occurrence's offset in that replacement and the characters just before it.
struct RepeatState {
    std::size_t Offset = 0;
    std::u16string Before;
    bool operator==(const RepeatState&) const = default;
};

}  // namespace

// The loop searches from the start after every replacement and ends when the first occurrence lies at
// or before the last position replaced. It could run forever only while each new occurrence lies
// inside the replacement just inserted: one reaching past it shortens the text after it, which can
// happen only finitely often, and one inside is always found before one reaching past. In that state
// the occurrence's offset d is the same every time, and whether the search finds it or something at
// or before the newest replacement depends only on the (pattern length - 1) characters before that
// replacement. Those take on the replacement's first d characters on every step, so once they and d
// equal those of the step before, every later step repeats it: the loop would never end, and we stop.
std::string ReplaceAll(std::string_view pattern, std::string_view replacement, std::string_view text) {
    const std::u16string find = ToChars(pattern);
    if (find.empty()) {
        return std::string(text);
    }
    const std::u16string with = ToChars(replacement);
    std::u16string chars = ToChars(text);

    std::size_t last = 0;  // 1-based position of the last replacement, 0 before the first
    std::size_t from = 0;  // where the next search starts
    std::optional<RepeatState> previous;
    for (;;) {
        const std::size_t pos = chars.find(find, from);
        if (pos == std::u16string::npos || pos + 1 <= last) {
            break;
        }
        if (last != 0 && pos + find.size() < last + with.size()) {
            const std::size_t newest = last - 1;
            RepeatState state{pos - newest, chars.substr(from, newest - from)};
            if (state == previous) {
                break;
            }
            previous = std::move(state);
        } else {
            previous.reset();
        }
        chars.replace(pos, find.size(), with);
        last = pos + 1;
        // The text before the replacement is unchanged and held no occurrence, so none can start more
        // than pattern length - 1 characters before it: searching from there finds the same first
        // occurrence as a search from the start.
        from = pos - std::min(pos, find.size() - 1);
    }
    return ToBytes(chars);
}

std::string ApplyHexCase(std::string_view text, bool lowerCase) {
    std::string result(text);
    // Steps by whole characters, so that the second byte of a double-byte character (in a decimal
    // separator, say) is never taken for a letter.
    for (std::size_t pos = 0; pos < result.size(); pos += Cp932CharLength(result, pos)) {
        char& byte = result[pos];
        if (lowerCase && byte >= 'A' && byte <= 'Z') {
            byte = static_cast<char>(byte - 'A' + 'a');
        } else if (!lowerCase && byte >= 'a' && byte <= 'z') {
            byte = static_cast<char>(byte - 'a' + 'A');
        }
    }
    return result;
}

namespace {

// Replaces every occurrence in `chars`, left to right, without searching the inserted text again.
void ReplaceEveryOccurrence(std::u16string& chars, std::u16string_view find, std::u16string_view with) {
    for (std::size_t pos = chars.find(find); pos != std::u16string::npos; pos = chars.find(find, pos + with.size())) {
        chars.replace(pos, find.size(), with);
    }
}

}  // namespace

// Each step replaces every occurrence of its code in the text as the earlier steps left it, so a
// piece inserted for one letter can still take part in the codes of later letters ("\G\R" gives
// "0.176"). Within one step the inserted pieces are not searched again: with ReplaceAll's early stop a
// piece could complete a code with the backslash before it ("\B\BB\BB" with blue 187) and leave the
// codes after it unexpanded.
std::string ExpandFormat(std::string_view formatTemplate, const ColorState& color, const TextOptions& options) {
    const auto produced = [&options](std::string_view piece) {
        return ToChars(ApplyHexCase(piece, options.LowerCaseHex));
    };
    const CodeLetter letters[] = {{'R', static_cast<double>(color.CurR)},
                                  {'G', static_cast<double>(color.CurG)},
                                  {'B', static_cast<double>(color.CurB)},
                                  {'C', color.CurC},
                                  {'M', color.CurM},
                                  {'Y', color.CurY},
                                  {'K', color.CurK}};

    std::u16string s = ToChars(formatTemplate);
    const std::u16string placeholder = ToChars(kPlaceholder);
    ReplaceEveryOccurrence(s, u"\\\\", placeholder);
    // Within a letter the longer codes go first, so "\RR" is hexadecimal and "\R3" a fraction.
    for (const auto& [letter, value] : letters) {
        const std::u16string code = {u'\\', static_cast<char16_t>(letter)};
        ReplaceEveryOccurrence(s, code + static_cast<char16_t>(letter), produced(FormatHex2(RoundHalfAway(value))));
        ReplaceEveryOccurrence(s, code + u'%', produced(FormatDecimal(RoundHalfAway(value * 100 / 255))));
        for (int decimals = 1; decimals <= 9; ++decimals) {
            const std::string fraction = FormatFixed(value / 255, decimals, options.DecimalSeparator);
            ReplaceEveryOccurrence(s, code + static_cast<char16_t>(u'0' + decimals), produced(fraction));
        }
        ReplaceEveryOccurrence(s, code, produced(FormatDecimal(RoundHalfAway(value))));
    }
    ReplaceEveryOccurrence(s, u"\\W", ToChars(FormatDecimal(color.CurColor)));
    ReplaceEveryOccurrence(s, u"\\", u"");
    ReplaceEveryOccurrence(s, placeholder, u"\\");
    return ToBytes(s);
}

std::string FormatLabel(std::string_view formatTemplate) {
    std::string s = ReplaceAll("\\\\", kPlaceholder, formatTemplate);
    s = ReplaceAll("\\W", "DWORD", s);
    s = ReplaceAll("\\", "", s);
    return ReplaceAll(kPlaceholder, "\\", s);
}

std::vector<std::string> FormatLabels(const std::vector<std::string>& formatList) {
    std::vector<std::string> labels;
    labels.reserve(formatList.size());
    for (const std::string& formatTemplate : formatList) {
        labels.push_back(FormatLabel(formatTemplate));
    }
    return labels;
}

}  // namespace tintrel
