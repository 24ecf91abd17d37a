#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "color/color_models.h"
#include "color/contrast.h"

namespace tintrel {

// The brace codes of the templates: "\{hsl.h}" prints the colour's HSL hue, "\{oklch.l:4}" its OKLCH
// lightness with four decimals. The name is one of a fixed table; each has its own number of decimals.

struct BraceCode {
    int Index = 0;           // the name's row in the table
    int Decimals = 0;        // from ":n", or the name's own
    std::size_t Length = 0;  // bytes from the backslash to the closing brace, both included
};

// The brace code whose backslash is text[pos], or nullopt: a name not in the table, no closing brace,
// a colon without exactly one digit after it. Looks at no more than the longest code's length.
std::optional<BraceCode> ParseBraceCode(std::string_view text, std::size_t pos);

// The texts of brace codes for one colour, each worked out the first time it is asked for. Numbers are
// fixed point with the code's decimals, halves away from zero, with `decimalSeparator`; never "-0" and
// never a hue of 360. The contrasts with the two colours of `contrast` are cut at their decimals instead,
// never rounded up, as the contrast check shows them. The colour name is in lower case.
class BraceCodeTexts {
public:
    BraceCodeTexts(Rgb8 color, std::string_view decimalSeparator, const ContrastPair& contrast)
        : color_(color), decimalSeparator_(decimalSeparator), contrast_(contrast) {}

    const std::string& Of(const BraceCode& code);

private:
    std::string Produce(const BraceCode& code);
    const Components& Values(int model);

    Rgb8 color_;
    std::string_view decimalSeparator_;
    ContrastPair contrast_;
    std::vector<std::optional<Components>> values_;
    std::vector<std::string> texts_;  // by name and decimals; empty until made, as no text is empty
};

}  // namespace tintrel
