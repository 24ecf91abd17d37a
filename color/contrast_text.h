#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "color/contrast.h"
#include "color/vision_simulation.h"

namespace tintrel {

// What the contrast window shows and reads out, in code page 932.

// A colour as typed: "#RRGGBB", "RRGGBB" (hexadecimal digits of either case) or "R,G,B" (decimal
// numbers 0 to 255), with spaces allowed around the text and around each number. Nothing else is a
// colour: nullopt.
std::optional<Rgb8> ParseColorEntry(std::string_view text);

// The colour as its box shows it: "#1A2B3C".
std::string ColorEntryText(Rgb8 color);

// "4.49:1": the ratio cut to two decimals, with the user's separator.
std::string ContrastRatioText(double ratio, std::string_view separator);

// The row of a criterion: "1.4.3 AA 通常の文字 (4.5:1)".
std::string CriterionRowText(ContrastCriterion criterion, std::string_view separator);

// "合格" or "不合格".
std::string_view VerdictText(bool passes);

// What a screen reader reads when a colour changes: the ratio, then each criterion's row and verdict,
// separated by "、".
std::string ContrastSummary(double ratio, std::string_view separator);

// "1型色覚", "2型色覚", "3型色覚", "1色覚"; "なし" for normal vision.
std::string_view ColorVisionName(ColorVision vision);

// The pair as seen with `vision`.
ContrastPair SimulatedPair(const ContrastPair& pair, ColorVision vision);

}  // namespace tintrel
