#pragma once

#include <array>
#include <string>
#include <string_view>

#include "color/color_state.h"
#include "color/format_template.h"

namespace tintrel {

// The notation of a group of component fields, one per radio item of the menu. None stands for a
// group without a checked item and gives empty texts.
enum class Notation { Decimal, Hexadecimal, Percent, Fraction, None };

// The notation of the first checked item of a group (items 1 to 4 in order), None when none is checked.
Notation NotationFromChecks(const std::array<bool, 4>& checked);

// A component value (0 to 255 scale) in a notation: "26", "1A", "10%" or "0.102" (with the options'
// separator); hexadecimal digits in the options' case. Notation::None gives an empty text.
std::string FormatComponent(double value, Notation notation, const TextOptions& options);

// The eight readout texts for a colour.
struct ReadoutTexts {
    std::string F;
    std::string R;
    std::string G;
    std::string B;
    std::string C;
    std::string M;
    std::string Y;
    std::string K;
};

// Without a colour: F empty and the component fields their letters. With one: F expanded from
// `formatTemplate` and the components in their groups' notations.
ReadoutTexts ComposeReadout(const ColorState& color,
                            std::string_view formatTemplate,
                            Notation rgbNotation,
                            Notation cmykNotation,
                            const TextOptions& options);

}  // namespace tintrel
