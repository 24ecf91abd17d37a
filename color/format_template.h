#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "color/color_state.h"
#include "color/contrast.h"

namespace tintrel {

// The template language: "#\RR\GG\BB" gives "#1A2B3C" for the colour 0x003C2B1A.

// How produced numbers are written (the lower-case option and the user's decimal separator), and the
// pair of colours whose contrasts with the colour "\{contrast.text}" and "\{contrast.back}" give.
struct TextOptions {
    bool LowerCaseHex = false;
    std::string DecimalSeparator = ".";
    ContrastPair Contrast{};
};

// The template used for the first item of the list, whatever its line holds.
inline constexpr std::string_view kWebColorTemplate = "#\\RR\\GG\\BB";

// The built-in format list: 16 templates, each followed by CR LF.
extern const std::string_view kDefaultFormatListText;

// Replaces occurrences of `pattern` in `text` by `replacement`, matching whole code page 932
// characters and always searching again from the start; it stops as soon as the first occurrence
// lies at or before the last one replaced, and also when the replacement keeps forming new
// occurrences forever. An empty pattern changes nothing.
std::string ReplaceAll(std::string_view pattern, std::string_view replacement, std::string_view text);

// Upper-cases ASCII letters, or lower-cases them when `lowerCase` is set; everything else, double-byte
// characters whose second byte has a letter's code included, stays.
std::string ApplyHexCase(std::string_view text, bool lowerCase);

// Expands a template for a colour. Reads the components whatever HasColor says.
std::string ExpandFormat(std::string_view formatTemplate, const ColorState& color, const TextOptions& options);

// The label listed for a template: its codes shown by their bare letters ("#\RR" lists as "#RR").
std::string FormatLabel(std::string_view formatTemplate);

// The labels for a format list, in order.
std::vector<std::string> FormatLabels(const std::vector<std::string>& formatList);

}  // namespace tintrel
