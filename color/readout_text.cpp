#include "color/readout_text.h"

#include "color/number_text.h"

namespace tintrel {

Notation NotationFromChecks(const std::array<bool, 4>& checked) {
    constexpr Notation kByItem[] = {Notation::Decimal, Notation::Hexadecimal, Notation::Percent, Notation::Fraction};
    for (std::size_t i = 0; i < checked.size(); ++i) {
        if (checked[i]) {
            return kByItem[i];
        }
    }
    return Notation::None;
}

std::string FormatComponent(double value, Notation notation, const TextOptions& options) {
    std::string text;
    switch (notation) {
        case Notation::Decimal:
            text = FormatDecimal(RoundHalfAway(value));
            break;
        case Notation::Hexadecimal:
            text = FormatHex2(RoundHalfAway(value));
            break;
        case Notation::Percent:
            text = FormatDecimal(RoundHalfAway(value * 100 / 255)) + "%";
            break;
        case Notation::Fraction:
            text = FormatFixed(value / 255, 3, options.DecimalSeparator);
            break;
        case Notation::None:
            break;
    }
    return ApplyHexCase(text, options.LowerCaseHex);
}

ReadoutTexts ComposeReadout(const ColorState& color,
                            std::string_view formatTemplate,
                            Notation rgbNotation,
                            Notation cmykNotation,
                            const TextOptions& options) {
    if (!color.HasColor) {
        return {"", "R", "G", "B", "C", "M", "Y", "K"};
    }
    return {ExpandFormat(formatTemplate, color, options),       FormatComponent(color.CurR, rgbNotation, options),
            FormatComponent(color.CurG, rgbNotation, options),  FormatComponent(color.CurB, rgbNotation, options),
            FormatComponent(color.CurC, cmykNotation, options), FormatComponent(color.CurM, cmykNotation, options),
            FormatComponent(color.CurY, cmykNotation, options), FormatComponent(color.CurK, cmykNotation, options)};
}

}  // namespace tintrel
