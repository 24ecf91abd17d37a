#include "color/contrast_text.h"

#include <array>

#include "color/number_text.h"

namespace tintrel {

namespace {

constexpr std::string_view kSpaces = " \t";

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kSpaces);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

int HexDigit(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    return -1;
}

std::optional<Rgb8> ParseHex(std::string_view digits) {
    if (digits.size() != 6) {
        return std::nullopt;
    }
    std::array<std::uint8_t, 3> bytes{};
    for (std::size_t index = 0; index < 3; ++index) {
        const int high = HexDigit(digits[index * 2]);
        const int low = HexDigit(digits[index * 2 + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes[index] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return Rgb8{bytes[0], bytes[1], bytes[2]};
}

// A decimal component: one to three digits, at most 255.
std::optional<std::uint8_t> ParseComponent(std::string_view text) {
    text = Trimmed(text);
    if (text.empty() || text.size() > 3) {
        return std::nullopt;
    }
    int value = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        value = value * 10 + (digit - '0');
    }
    if (value > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

std::optional<Rgb8> ParseTriple(std::string_view text) {
    const auto first = text.find(',');
    const auto second = first == std::string_view::npos ? first : text.find(',', first + 1);
    if (second == std::string_view::npos || text.find(',', second + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    const auto red = ParseComponent(text.substr(0, first));
    const auto green = ParseComponent(text.substr(first + 1, second - first - 1));
    const auto blue = ParseComponent(text.substr(second + 1));
    if (!red || !green || !blue) {
        return std::nullopt;
    }
    return Rgb8{*red, *green, *blue};
}

// 通常の文字, 大きな文字, 非テキスト
constexpr std::string_view kNormalText = "\x92\xCA\x8F\xED\x82\xCC\x95\xB6\x8E\x9A";
constexpr std::string_view kLargeText = "\x91\xE5\x82\xAB\x82\xC8\x95\xB6\x8E\x9A";
constexpr std::string_view kNonText =
    "\x94\xF1\x83"
    "e\x83L\x83X\x83g";

std::string_view LevelOf(ContrastCriterion criterion) {
    switch (criterion) {
        case ContrastCriterion::AaNormalText:
        case ContrastCriterion::AaLargeText:
        case ContrastCriterion::NonText:
            return "AA";
        default:
            return "AAA";
    }
}

std::string_view SubjectOf(ContrastCriterion criterion) {
    switch (criterion) {
        case ContrastCriterion::AaNormalText:
        case ContrastCriterion::AaaNormalText:
            return kNormalText;
        case ContrastCriterion::NonText:
            return kNonText;
        default:
            return kLargeText;
    }
}

}  // namespace

std::optional<Rgb8> ParseColorEntry(std::string_view text) {
    text = Trimmed(text);
    if (text.find(',') != std::string_view::npos) {
        return ParseTriple(text);
    }
    if (!text.empty() && text.front() == '#') {
        text.remove_prefix(1);
    }
    return ParseHex(text);
}

std::string ColorEntryText(Rgb8 color) {
    return "#" + FormatHex2(color.R) + FormatHex2(color.G) + FormatHex2(color.B);
}

std::string ContrastRatioText(double ratio, std::string_view separator) {
    return RatioText(ratio, 2, separator) + ":1";
}

std::string CriterionRowText(ContrastCriterion criterion, std::string_view separator) {
    std::string row(CriterionNumber(criterion));
    row.append(" ").append(LevelOf(criterion)).append(" ").append(SubjectOf(criterion));
    // The minimum exactly as written in the criterion: 4.5:1, 3:1, 7:1.
    const double minimum = MinimumRatio(criterion);
    const int decimals = minimum == static_cast<int>(minimum) ? 0 : 1;
    row.append(" (").append(RatioText(minimum, decimals, separator)).append(":1)");
    return row;
}

std::string_view VerdictText(bool passes) {
    return passes ? "\x8D\x87\x8Ai" : "\x95s\x8D\x87\x8Ai";  // 合格, 不合格
}

std::string ContrastSummary(double ratio, std::string_view separator) {
    constexpr std::string_view kComma =
        "\x81"
        "A";  // 、
    std::string summary = ContrastRatioText(ratio, separator);
    for (const ContrastCriterion criterion : kContrastCriteria) {
        summary.append(kComma).append(CriterionRowText(criterion, separator)).append(" ");
        summary.append(VerdictText(MeetsCriterion(ratio, criterion)));
    }
    return summary;
}

std::string_view ColorVisionName(ColorVision vision) {
    switch (vision) {
        case ColorVision::Protanopia:
            return "1\x8C^\x90"
                   "F\x8Ao";
        case ColorVision::Deuteranopia:
            return "2\x8C^\x90"
                   "F\x8Ao";
        case ColorVision::Tritanopia:
            return "3\x8C^\x90"
                   "F\x8Ao";
        case ColorVision::Achromatopsia:
            return "1\x90"
                   "F\x8Ao";
        default:
            return "\x82\xC8\x82\xB5";  // なし
    }
}

ContrastPair SimulatedPair(const ContrastPair& pair, ColorVision vision) {
    return ContrastPair{SimulateColorVision(pair.Text, vision), SimulateColorVision(pair.Back, vision)};
}

}  // namespace tintrel
