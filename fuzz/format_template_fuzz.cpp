// The template engine, brace codes included. Fields: a template, a pattern, its replacement, a text, and
// a decimal separator; the first byte of the input also picks the colour, the contrast pair and the letter
// case. Beyond the
// sanitizers, libFuzzer's time limit (-timeout) finds an expansion that does not end.
#include "color/format_template.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tintrel;
    fuzz::Fields fields(data, size);
    const std::string_view formatTemplate = fields.Next();
    const std::string_view pattern = fields.Next();
    const std::string_view replacement = fields.Next();
    const std::string_view text = fields.Next();
    const std::string_view separator = fields.Next();
    const std::uint8_t seed = size > 0 ? data[0] : 0;

    const std::string replaced = ReplaceAll(pattern, replacement, text);
    FUZZ_CHECK(!pattern.empty() || replaced == text);

    const bool lowerCase = (seed & 1) != 0;
    const std::string cased = ApplyHexCase(text, lowerCase);
    FUZZ_CHECK(cased.size() == text.size());
    FUZZ_CHECK(ApplyHexCase(cased, lowerCase) == cased);

    ColorState color;
    SetColor(color, static_cast<ColorRef>(seed * 0x01030507u));
    const ContrastPair pair{RgbOf(static_cast<std::int32_t>(seed * 0x00070B0Du)),
                            RgbOf(static_cast<std::int32_t>(seed * 0x00110D0Bu))};
    const TextOptions options{lowerCase, std::string(separator.substr(0, 4)), pair};
    // No code's text is more than five and a half times as long as the code ("\W" gives "-2147483648"; a
    // brace code gives at most a name of 20 bytes or a number with a separator of up to 4 bytes).
    const std::string expanded = ExpandFormat(formatTemplate, color, options);
    FUZZ_CHECK(expanded.size() <= formatTemplate.size() * 11 / 2);
    FormatLabel(formatTemplate);
    return 0;
}
