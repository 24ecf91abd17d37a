#include "color/format_template.h"

#include <algorithm>  // std::min
#include <optional>
#include <utility>  // std::move

#include "base/cp932_text.h"
#include "color/brace_codes.h"
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

constexpr char kCodeLetters[] = {'R', 'G', 'B', 'C', 'M', 'Y', 'K'};
constexpr int kLetterCount = 7;
// What follows a lone backslash when it is no code letter: "\W", or anything else.
constexpr int kColorNumberCode = kLetterCount;
constexpr int kBraceCode = kLetterCount + 1;
constexpr int kNoCode = -1;

// The codes of one letter in the order they are replaced: \LL, \L%, \L1 to \L9, bare \L.
constexpr int kHexStep = 0;
constexpr int kPercentStep = 1;
constexpr int kFirstFractionStep = 2;
constexpr int kDecimalStep = 11;
constexpr int kStepsPerLetter = 12;

bool IsLetterCode(int code) {
    return code >= 0 && code < kLetterCount;
}

int CodeOf(std::string_view follower) {
    if (follower == "W") {
        return kColorNumberCode;
    }
    for (int letter = 0; letter < kLetterCount; ++letter) {
        if (follower.size() == 1 && follower[0] == kCodeLetters[letter]) {
            return letter;
        }
    }
    return kNoCode;
}

// The text of each code for one colour, made when a template first uses it.
class CodeTexts {
public:
    CodeTexts(const ColorState& color, const TextOptions& options)
        : color_(color),
          options_(options),
          braces_({color.CurR, color.CurG, color.CurB}, options.DecimalSeparator, options.Contrast) {}

    const std::string& Of(int letter, int step) const {
        std::optional<std::string>& text = texts_[static_cast<std::size_t>(letter * kStepsPerLetter + step)];
        if (!text) {
            text = ApplyHexCase(Produce(Value(letter), step), options_.LowerCaseHex);
        }
        return *text;
    }

    const std::string& ColorNumber() const {
        if (!colorNumber_) {
            colorNumber_ = FormatDecimal(color_.CurColor);
        }
        return *colorNumber_;
    }

    const std::string& Brace(const BraceCode& code) const { return braces_.Of(code); }

private:
    double Value(int letter) const {
        const double values[kLetterCount] = {static_cast<double>(color_.CurR),
                                             static_cast<double>(color_.CurG),
                                             static_cast<double>(color_.CurB),
                                             color_.CurC,
                                             color_.CurM,
                                             color_.CurY,
                                             color_.CurK};
        return values[letter];
    }

    std::string Produce(double value, int step) const {
        if (step == kHexStep) {
            return FormatHex2(RoundHalfAway(value));
        }
        if (step == kPercentStep) {
            return FormatDecimal(RoundHalfAway(value * 100 / 255));
        }
        if (step == kDecimalStep) {
            return FormatDecimal(RoundHalfAway(value));
        }
        return FormatFixed(value / 255, step - kFirstFractionStep + 1, options_.DecimalSeparator);
    }

    const ColorState& color_;
    const TextOptions& options_;
    mutable std::optional<std::string> texts_[kLetterCount * kStepsPerLetter];
    mutable std::optional<std::string> colorNumber_;
    mutable BraceCodeTexts braces_;
};

// Which code of `letter` a lone backslash and its letter form with `third` after them, trying only the
// steps from `firstStep` on.
int StepFor(char letter, std::optional<char> third, int firstStep) {
    if (third == letter && firstStep <= kHexStep) {
        return kHexStep;
    }
    if (third == '%' && firstStep <= kPercentStep) {
        return kPercentStep;
    }
    if (third >= '1' && third <= '9' && kFirstFractionStep + (*third - '1') >= firstStep) {
        return kFirstFractionStep + (*third - '1');
    }
    return kDecimalStep;
}

std::optional<char> FirstSingleByte(std::string_view text, std::size_t pos) {
    if (pos < text.size() && Cp932CharLength(text, pos) == 1) {
        return text[pos];
    }
    return std::nullopt;
}

// A backslash that is not half of an escaped pair, with the character after it (or the rest of its
// brace code).
struct LoneBackslash {
    std::string_view Follower;  // empty at the end of the template
    int Code = kNoCode;
    BraceCode Brace;
    int Step = kDecimalStep;
    bool FirstByteTaken = false;  // the code before took the first byte of this code's text
};

// Appends the character at `pos` (a placeholder becomes the backslash it stands for); returns where the
// next one starts.
std::size_t AppendCharacter(std::string& text, std::string_view from, std::size_t pos) {
    const std::size_t length = Cp932CharLength(from, pos);
    if (from.substr(pos, length) == kPlaceholder) {
        text += '\\';
    } else {
        text.append(from, pos, length);
    }
    return pos + length;
}

// Expands the run of lone backslashes starting at `pos` and returns where the template goes on. With
// the replacements made one after another, a code's third character can be the first one of the text already produced
// for the code right after it ("\G\R" gives "\G26", so "\G2" and "6"): that is so when the later code
// belongs to an earlier letter, or to the same letter at an earlier step. The run is therefore settled
// from its end, each code knowing the one after it.
std::size_t ExpandRun(std::string& text,
                      std::string_view formatTemplate,
                      std::size_t pos,
                      const CodeTexts& codeTexts,
                      std::vector<LoneBackslash>& run) {
    run.clear();
    const auto isLone = [&formatTemplate](std::size_t at) {
        return at < formatTemplate.size() && formatTemplate[at] == '\\' &&
               (at + 1 == formatTemplate.size() || formatTemplate[at + 1] != '\\');
    };
    for (; isLone(pos); pos += 1 + run.back().Follower.size()) {
        LoneBackslash lone;
        if (const std::optional<BraceCode> brace = ParseBraceCode(formatTemplate, pos)) {
            lone.Follower = formatTemplate.substr(pos + 1, brace->Length - 1);
            lone.Code = kBraceCode;
            lone.Brace = *brace;
        } else if (pos + 1 < formatTemplate.size()) {
            lone.Follower = formatTemplate.substr(pos + 1, Cp932CharLength(formatTemplate, pos + 1));
            lone.Code = CodeOf(lone.Follower);
        }
        run.push_back(lone);
    }
    // After the run: a plain character, an escaped pair (whose placeholder completes no code) or the end.
    const std::optional<char> after = pos < formatTemplate.size() && formatTemplate[pos] != '\\'
                                          ? FirstSingleByte(formatTemplate, pos)
                                          : std::nullopt;
    bool afterTaken = false;
    for (std::size_t i = run.size(); i-- > 0;) {
        LoneBackslash& lone = run[i];
        if (!IsLetterCode(lone.Code)) {
            continue;
        }
        std::optional<char> third = after;
        int firstStep = kHexStep;
        if (i + 1 < run.size()) {
            // A later code still unexpanded shows its backslash, which completes nothing.
            const LoneBackslash& next = run[i + 1];
            third.reset();
            if (IsLetterCode(next.Code) && next.Code <= lone.Code) {
                third = FirstSingleByte(codeTexts.Of(next.Code, next.Step), 0);
                firstStep = next.Code == lone.Code ? next.Step + 1 : kHexStep;
            }
        }
        lone.Step = StepFor(kCodeLetters[lone.Code], third, firstStep);
        if (lone.Step != kDecimalStep) {
            (i + 1 < run.size() ? run[i + 1].FirstByteTaken : afterTaken) = true;
        }
    }
    for (const LoneBackslash& lone : run) {
        if (IsLetterCode(lone.Code)) {
            text += std::string_view(codeTexts.Of(lone.Code, lone.Step)).substr(lone.FirstByteTaken ? 1 : 0);
        } else if (lone.Code == kColorNumberCode) {
            text += codeTexts.ColorNumber();
        } else if (lone.Code == kBraceCode) {
            text += codeTexts.Brace(lone.Brace);
        } else if (!lone.Follower.empty()) {
            AppendCharacter(text, lone.Follower, 0);
        }
    }
    return afterTaken ? pos + 1 : pos;
}

}  // namespace

// The language is defined as a series of replacements over the whole text, each seeing what the earlier
// ones produced: "\\" first, then the codes of R, G, B, C, M, Y, K (for each, \LL, \L%, \L1 to \L9 and
// the bare \L), then "\W", and last every other backslash goes. One pass gives the same text in linear
// time. A code's text, a decimal separator included, is never read as template again.
//
// Brace codes are recognised in the template as written, once the escaped backslashes are paired off,
// and their texts go in after every other code has been replaced: until then each stands in the text
// with its backslash, which completes no code before it, and nothing it produces is read as a code.
std::string ExpandFormat(std::string_view formatTemplate, const ColorState& color, const TextOptions& options) {
    const CodeTexts codeTexts(color, options);
    std::string text;
    text.reserve(formatTemplate.size());
    std::vector<LoneBackslash> run;
    for (std::size_t pos = 0; pos < formatTemplate.size();) {
        if (formatTemplate[pos] != '\\') {
            pos = AppendCharacter(text, formatTemplate, pos);
        } else if (pos + 1 < formatTemplate.size() && formatTemplate[pos + 1] == '\\') {
            text += '\\';
            pos += 2;
        } else {
            pos = ExpandRun(text, formatTemplate, pos, codeTexts, run);
        }
    }
    return text;
}

std::string FormatLabel(std::string_view formatTemplate) {
    std::string label;
    label.reserve(formatTemplate.size());
    for (std::size_t pos = 0; pos < formatTemplate.size();) {
        if (formatTemplate[pos] != '\\') {
            pos = AppendCharacter(label, formatTemplate, pos);
        } else if (formatTemplate.substr(pos + 1, 1) == "\\") {
            label += '\\';
            pos += 2;
        } else if (formatTemplate.substr(pos + 1, 1) == "W") {
            label += "DWORD";
            pos += 2;
        } else {
            ++pos;
        }
    }
    return label;
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
