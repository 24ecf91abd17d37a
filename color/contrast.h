#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "color/color_models.h"

namespace tintrel {

// WCAG 2 contrast of a text colour on a background colour: the ratio as shown, the success criteria that
// judge it, and the nearest text colour that meets a criterion.

// A text colour and its background; black on white until the user chooses.
struct ContrastPair {
    Rgb8 Text{0, 0, 0};
    Rgb8 Back{255, 255, 255};
};

// The success criteria on contrast, in the order they are listed.
enum class ContrastCriterion {
    AaNormalText,   // 1.4.3, 4.5:1
    AaLargeText,    // 1.4.3, 3:1
    AaaNormalText,  // 1.4.6, 7:1
    AaaLargeText,   // 1.4.6, 4.5:1
    NonText,        // 1.4.11, 3:1
};

inline constexpr std::array kContrastCriteria{ContrastCriterion::AaNormalText, ContrastCriterion::AaLargeText,
                                              ContrastCriterion::AaaNormalText, ContrastCriterion::AaaLargeText,
                                              ContrastCriterion::NonText};

// The criterion's number, "1.4.3".
std::string_view CriterionNumber(ContrastCriterion criterion);

// The least ratio the criterion accepts: 4.5 for 4.5:1.
double MinimumRatio(ContrastCriterion criterion);

// Whether `ratio` meets the criterion: the exact ratio, never a rounded one, so 4.499 fails 4.5. The
// text of RatioText with two or more decimals reads at least the minimum exactly when this holds.
bool MeetsCriterion(double ratio, ContrastCriterion criterion);

// The ratio's number cut to `decimals` (0 to 9, clamped), never rounded up, with `separator`: 4.499
// gives "4.49" with two decimals. The cut is of the double's exact value, so a ratio a hair below 4.5
// never shows "4.50".
std::string RatioText(double ratio, int decimals, std::string_view separator);

// The text colour nearest to pair.Text in OKLCH lightness whose ratio with pair.Back is at least
// `minimumRatio`: only the lightness changes, the hue stays and the chroma is reduced only as far as
// the sRGB gamut needs at that lightness. pair.Text itself when it already passes; nullopt when no
// lightness passes, which is when neither black nor white does.
std::optional<Rgb8> NearestPassingText(const ContrastPair& pair, double minimumRatio);

}  // namespace tintrel
