#include "color/brace_codes.h"

#include <array>
#include <cstdint>

#include "color/css_color_names.h"
#include "color/number_text.h"

namespace tintrel {

namespace {

// The sources of values; the WCAG one holds luminance and the contrasts against white and black, the
// pair one the contrasts against the contrast check's text and background colours.
enum Model { kHsl, kHsv, kHwb, kLab, kLch, kLab65, kOkLab, kOkLch, kXyz, kWcag, kPair, kName, kModelCount };

struct BraceName {
    const char* Name;
    std::uint8_t Source;  // a Model
    std::uint8_t Component;
    std::uint8_t Decimals;
    bool Hue;
};

constexpr std::array<BraceName, 33> kNames = {{
    {"hsl.h", kHsl, 0, 0, true},      {"hsl.s", kHsl, 1, 0, false},           {"hsl.l", kHsl, 2, 0, false},
    {"hsv.h", kHsv, 0, 0, true},      {"hsv.s", kHsv, 1, 0, false},           {"hsv.v", kHsv, 2, 0, false},
    {"hwb.h", kHwb, 0, 0, true},      {"hwb.w", kHwb, 1, 0, false},           {"hwb.b", kHwb, 2, 0, false},
    {"lab.l", kLab, 0, 2, false},     {"lab.a", kLab, 1, 2, false},           {"lab.b", kLab, 2, 2, false},
    {"lch.l", kLch, 0, 2, false},     {"lch.c", kLch, 1, 2, false},           {"lch.h", kLch, 2, 2, true},
    {"lab65.l", kLab65, 0, 2, false}, {"lab65.a", kLab65, 1, 2, false},       {"lab65.b", kLab65, 2, 2, false},
    {"oklab.l", kOkLab, 0, 3, false}, {"oklab.a", kOkLab, 1, 3, false},       {"oklab.b", kOkLab, 2, 3, false},
    {"oklch.l", kOkLch, 0, 3, false}, {"oklch.c", kOkLch, 1, 3, false},       {"oklch.h", kOkLch, 2, 3, true},
    {"xyz.x", kXyz, 0, 4, false},     {"xyz.y", kXyz, 1, 4, false},           {"xyz.z", kXyz, 2, 4, false},
    {"lum", kWcag, 0, 4, false},      {"contrast.white", kWcag, 1, 2, false}, {"contrast.black", kWcag, 2, 2, false},
    {"name", kName, 0, 0, false},     {"contrast.text", kPair, 0, 2, false},  {"contrast.back", kPair, 1, 2, false},
}};

constexpr std::size_t kLongestName = 14;  // "contrast.white"
constexpr std::size_t kDecimalChoices = 10;

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.';
}

std::optional<int> IndexOf(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (name == kNames[i].Name) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<BraceCode> ParseBraceCode(std::string_view text, std::size_t pos) {
    if (text.substr(pos, 2) != "\\{") {
        return std::nullopt;
    }
    const std::size_t nameStart = pos + 2;
    std::size_t end = nameStart;
    // Every character looked at is ASCII, so none of them can be half of a double-byte character.
    while (end < text.size() && end - nameStart <= kLongestName && IsNameChar(text[end])) {
        ++end;
    }
    const std::optional<int> index = IndexOf(text.substr(nameStart, end - nameStart));
    if (!index) {
        return std::nullopt;
    }
    int decimals = kNames[static_cast<std::size_t>(*index)].Decimals;
    if (end < text.size() && text[end] == ':') {
        if (end + 1 >= text.size() || text[end + 1] < '0' || text[end + 1] > '9') {
            return std::nullopt;
        }
        decimals = text[end + 1] - '0';
        end += 2;
    }
    if (end >= text.size() || text[end] != '}') {
        return std::nullopt;
    }
    return BraceCode{*index, decimals, end + 1 - pos};
}

const std::string& BraceCodeTexts::Of(const BraceCode& code) {
    if (texts_.empty()) {
        texts_.resize(kNames.size() * kDecimalChoices);
    }
    const std::size_t slot =
        static_cast<std::size_t>(code.Index) * kDecimalChoices + static_cast<std::size_t>(code.Decimals);
    std::string& text = texts_[slot];
    if (text.empty()) {
        text = Produce(code);
    }
    return text;
}

std::string BraceCodeTexts::Produce(const BraceCode& code) {
    const BraceName& name = kNames[static_cast<std::size_t>(code.Index)];
    if (name.Source == kName) {
        return std::string(NearestCssColorName(color_));
    }
    const double value = Values(name.Source)[static_cast<std::size_t>(name.Component)];
    if (name.Source == kPair) {
        return RatioText(value, code.Decimals, decimalSeparator_);
    }
    std::string text = FormatFixed(value, code.Decimals, decimalSeparator_);
    // A hue just below 360 that rounds up names the same direction as 0.
    if (name.Hue && value > 359.0 && text == FormatFixed(360.0, code.Decimals, decimalSeparator_)) {
        text = FormatFixed(0.0, code.Decimals, decimalSeparator_);
    }
    return text;
}

const Components& BraceCodeTexts::Values(int model) {
    if (values_.empty()) {
        values_.resize(kModelCount);
    }
    std::optional<Components>& values = values_[static_cast<std::size_t>(model)];
    if (!values) {
        switch (model) {
            case kHsl:
                values = HslOf(color_);
                break;
            case kHsv:
                values = HsvOf(color_);
                break;
            case kHwb:
                values = HwbOf(color_);
                break;
            case kLab:
                values = LabD50Of(color_);
                break;
            case kLch:
                values = PolarOf(Values(kLab));
                break;
            case kLab65:
                values = LabD65Of(color_);
                break;
            case kOkLab:
                values = OkLabOf(color_);
                break;
            case kOkLch:
                values = PolarOf(Values(kOkLab));
                break;
            case kXyz:
                values = XyzD65Of(color_);
                break;
            case kPair:
                values = Components{ContrastRatio(color_, contrast_.Text), ContrastRatio(color_, contrast_.Back), 0.0};
                break;
            default:
                values = Components{RelativeLuminance(color_), ContrastRatio(color_, Rgb8{255, 255, 255}),
                                    ContrastRatio(color_, Rgb8{0, 0, 0})};
                break;
        }
    }
    return *values;
}

}  // namespace tintrel
