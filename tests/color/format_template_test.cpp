#include "color/format_template.h"

#include <algorithm>  // std::min, std::ranges::find
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <utility>  // std::pair
#include <vector>

#include <gtest/gtest.h>

#include "base/cp932_text.h"
#include "color/number_text.h"

namespace tintrel {
namespace {

// Red 26, green 43, blue 60: C, M, Y, K = 34, 17, 0, 195 and CurColor 3943194.
ColorState WorkedColor() {
    ColorState color;
    SetColor(color, 0x003C2B1A);
    return color;
}

const TextOptions kUpper{};
const TextOptions kLower{true, "."};

struct ExpandCase {
    const char* formatTemplate;
    const char* expected;
};

void PrintTo(const ExpandCase& c, std::ostream* os) {
    *os << "template \"" << c.formatTemplate << "\"";
}

class ExpandWorkedColor : public testing::TestWithParam<ExpandCase> {};

TEST_P(ExpandWorkedColor, GivesTheText) {
    EXPECT_EQ(ExpandFormat(GetParam().formatTemplate, WorkedColor(), kUpper), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes,
    ExpandWorkedColor,
    testing::Values(ExpandCase{"", ""},
                    ExpandCase{"\\R \\RR \\R% \\R3", "26 1A 10 0.102"},
                    ExpandCase{"\\R%%", "10%"},
                    ExpandCase{"\\C%,\\M%,\\Y%,\\K%", "13,7,0,76"},
                    ExpandCase{"\\C3,\\M3,\\Y3,\\K3", "0.133,0.067,0.000,0.765"},
                    ExpandCase{"\\CC\\MM\\YY\\KK", "221100C3"},
                    ExpandCase{"\\R1 \\R2 \\R9", "0.1 0.10 0.101960784"},
                    ExpandCase{"\\W", "3943194"},
                    ExpandCase{"hsl(\\{hsl.h} \\{hsl.s}% \\{hsl.l}%)", "hsl(210 40% 17%)"},
                    ExpandCase{"\\{hsv.h},\\{hsv.s},\\{hsv.v}", "210,57,24"},
                    ExpandCase{"hwb(\\{hwb.h} \\{hwb.w}% \\{hwb.b}%)", "hwb(210 10% 76%)"},
                    ExpandCase{"lab(\\{lab.l}% \\{lab.a} \\{lab.b})", "lab(16.68% -2.85 -13.25)"},
                    ExpandCase{"lch(\\{lch.l}% \\{lch.c} \\{lch.h})", "lch(16.68% 13.55 257.85)"},
                    ExpandCase{"\\{lab65.l} \\{lab65.a} \\{lab65.b}", "16.86 -1.22 -13.01"},
                    ExpandCase{"oklab(\\{oklab.l} \\{oklab.a} \\{oklab.b})", "oklab(0.283 -0.014 -0.036)"},
                    ExpandCase{"oklch(\\{oklch.l} \\{oklch.c} \\{oklch.h})", "oklch(0.283 0.039 249.345)"},
                    ExpandCase{"color(xyz-d65 \\{xyz.x} \\{xyz.y} \\{xyz.z})", "color(xyz-d65 0.0211 0.0227 0.0460)"},
                    ExpandCase{"\\{lum} \\{contrast.white}:1 \\{contrast.black}:1", "0.0227 14.44:1 1.45:1"},
                    // Black text on white until the caller says otherwise; 14.4357 is cut, not rounded.
                    ExpandCase{"\\{contrast.text}:1 \\{contrast.back}:1", "1.45:1 14.43:1"},
                    ExpandCase{"\\{hsl.h:2} \\{oklch.l:4} \\{lab.l:0} \\{xyz.y:9}", "210.00 0.2826 17 0.022735402"},
                    ExpandCase{"\\{name:3}", "midnightblue"}));

INSTANTIATE_TEST_SUITE_P(EdgeCases,
                         ExpandWorkedColor,
                         testing::Values(ExpandCase{"\\\\RR", "\\RR"},
                                         ExpandCase{"\\\\\\RR", "\\1A"},
                                         // \L0 is no fraction code; \R1 takes one digit and leaves the 0.
                                         ExpandCase{"\\R0", "260"},
                                         ExpandCase{"\\R10", "0.10"},
                                         ExpandCase{"\\RRR", "1AR"},
                                         ExpandCase{"\\KK", "C3"},
                                         ExpandCase{"\\r\\R", "r26"},
                                         ExpandCase{"\\X", "X"},
                                         ExpandCase{"100\\%", "100%"},
                                         ExpandCase{"ab\\", "ab"},
                                         ExpandCase{"\\", ""},
                                         // After the R codes, "\G26" holds the G fraction code "\G2".
                                         ExpandCase{"\\G\\R", "0.176"},
                                         ExpandCase{"\\W\\\\W", "3943194\\W"},
                                         // 表 ("\x95\x5C") ends in the backslash's code; it stays whole.
                                         ExpandCase{"\x95\x5C\\R",
                                                    "\x95\x5C"
                                                    "26"},
                                         ExpandCase{"\x95\x5C\\\\", "\x95\x5C\\"},
                                         // Brace codes: what is not one keeps the old rule, the backslash goes.
                                         ExpandCase{"\\{foo}", "{foo}"},
                                         ExpandCase{"\\{HSL.H}", "{HSL.H}"},
                                         ExpandCase{"\\{hsl.h", "{hsl.h"},
                                         ExpandCase{"\\{hsl.h:}", "{hsl.h:}"},
                                         ExpandCase{"\\{hsl.h:12}", "{hsl.h:12}"},
                                         ExpandCase{"\\{hsl.h:x}", "{hsl.h:x}"},
                                         ExpandCase{"\\{{hsl.h}}", "{{hsl.h}}"},
                                         ExpandCase{"\\{hsl.\\{hsl.h}}", "{hsl.210}"},
                                         ExpandCase{"\\{contrast.whitest}", "{contrast.whitest}"},
                                         ExpandCase{"\\\\{hsl.h}", "\\{hsl.h}"},
                                         ExpandCase{"\\\\\\{hsl.h}", "\\210"},
                                         // Its backslash completes no code before it; its text is never read as one.
                                         ExpandCase{"\\R\\{hsl.h}", "26210"},
                                         ExpandCase{"\\G\\{hsl.h}\\R", "4321026"},
                                         ExpandCase{"\\{lab\\R.l}", "{lab26.l}"},
                                         // A double-byte character ending in 0x5C before it, or inside it.
                                         ExpandCase{"\x95\x5C{hsl.h}", "\x95\x5C{hsl.h}"},
                                         ExpandCase{"\\{hsl.\x95\x5Ch}", "{hsl.\x95\x5Ch}"},
                                         ExpandCase{"\x95\x5C\\{hsl.h}\x95\x5C",
                                                    "\x95\x5C"
                                                    "210\x95\x5C"}));

TEST(ExpandFormat, BraceCodesRoundHuesAndZerosAsPrinted) {
    const struct {
        ColorRef color;
        const char* formatTemplate;
        const char* expected;
    } rows[] = {
        {0x000100FF, "\\{hsl.h} \\{hsl.h:1} \\{hwb.h}", "0 359.8 0"},  // 359.76 rounds to 360
        {0x00303131, "\\{oklab.a} \\{oklab.a:4}", "0.000 -0.0005"},    // -0.000498 rounds to zero
        {0x00808080, "\\{lch.c} \\{lch.h} \\{oklch.h} \\{oklab.b:9} \\{name}", "0.00 0.00 0.000 0.000000000 gray"},
        {0x00FFFFFF, "\\{lab.l} \\{oklab.l} \\{lum} \\{contrast.black} \\{name}", "100.00 1.000 1.0000 21.00 white"},
        // Last decimals as the web's sample code prints them (the OKLab author's matrices give 264.206,
        // 133.831 and 342.041, and 17.178).
        {0x00A01400, "\\{oklch.l} \\{oklch.c} \\{oklch.h}", "0.333 0.211 264.207"},
        {0x0074E4A2, "\\{oklab.a} \\{oklab.b} \\{oklch.h}", "-0.110 0.115 133.832"},
        {0x007A1C9D, "\\{oklch.h}", "342.040"},
        {0x00FCFCFD, "\\{oklab.l} \\{oklab.a} \\{oklch.h}", "0.992 0.001 17.176"},
    };
    for (const auto& [colorRef, formatTemplate, expected] : rows) {
        ColorState color;
        SetColor(color, colorRef);
        EXPECT_EQ(ExpandFormat(formatTemplate, color, kUpper), expected) << formatTemplate;
    }
    EXPECT_EQ(ExpandFormat("\\{lab.a} \\{name} \\RR", WorkedColor(), TextOptions{true, ","}), "-2,85 midnightblue 1a")
        << "the separator applies, the letter case does not";
}

// The contrasts with the caller's pair are cut at their decimals, never rounded up, as the contrast check
// shows them; the contrasts with white and black keep rounding.
TEST(ExpandFormat, ContrastPairCodesCutTheRatio) {
    const struct {
        ColorRef color;
        TextOptions options;
        const char* formatTemplate;
        const char* expected;
    } rows[] = {
        {0x00777777, kUpper, "\\{contrast.back} \\{contrast.white} \\{contrast.back:3} \\{contrast.text:0}",
         "4.47 4.48 4.478 4"},
        {0x003C2B1A, TextOptions{false, ",", {{0xFF, 0xFF, 0x00}, {0x33, 0x66, 0xCC}}},
         "\\{contrast.text} \\{contrast.back:1}", "13,44 2,6"},
        {0x00FFFFFF, TextOptions{false, ".", {{0xFF, 0xFF, 0xFF}, {0x00, 0x00, 0x00}}},
         "\\{contrast.text:4} \\{contrast.back}", "1.0000 21.00"},
    };
    for (const auto& [colorRef, options, formatTemplate, expected] : rows) {
        ColorState color;
        SetColor(color, colorRef);
        EXPECT_EQ(ExpandFormat(formatTemplate, color, options), expected) << formatTemplate;
    }
}

TEST(ExpandFormat, ChangesTheCaseOfProducedDigitsOnly) {
    EXPECT_EQ(ExpandFormat("Color \\RR\\KK", WorkedColor(), kLower), "Color 1ac3");
    EXPECT_EQ(ExpandFormat("0x\\RR", WorkedColor(), kUpper), "0x1A");
}

TEST(ExpandFormat, UsesTheDecimalSeparator) {
    const TextOptions comma{false, ","};
    EXPECT_EQ(ExpandFormat("\\R3,\\G3,\\B3", WorkedColor(), comma), "0,102,0,169,0,235");
}

TEST(ExpandFormat, KeepsADoubleByteSeparatorWholeInLowerCase) {
    const TextOptions fullWidthStop{true, "\x81\x44"};  // "．", whose second byte is the code of 'D'
    EXPECT_EQ(ExpandFormat("\\R3", WorkedColor(), fullWidthStop),
              "0\x81\x44"
              "102");
}

TEST(ExpandFormat, WritesTheWholeColorValueSigned) {
    ColorState color;
    SetColor(color, -1);
    EXPECT_EQ(ExpandFormat("\\W \\RR", color, kUpper), "-1 FF");
    SetColor(color, 0x013C2B1A);
    EXPECT_EQ(ExpandFormat("\\W \\RR", color, kUpper), "20720410 1A");
}

TEST(ExpandFormat, ExpandsEveryCodeEvenWhenAPieceCompletesACodeBeforeIt) {
    ColorState color;
    SetColor(color, 0x00BB0000);  // blue 187: its hexadecimal "BB" after a bare "\B" reads as "\BB"
    EXPECT_EQ(ExpandFormat("\\B\\BB\\BB", color, kUpper), "187BBBB");
    SetColor(color, 0x000000FF);  // red 255: its fraction "1.0" after a bare "\R" reads as "\R1"
    EXPECT_EQ(ExpandFormat("\\R\\R1\\R1", color, kUpper), "2551.01.0");
}

TEST(ExpandFormat, ReadsTheComponentsWithoutAColor) {
    ColorState color = WorkedColor();
    ClearColor(color);
    EXPECT_EQ(ExpandFormat("\\R \\W", color, kUpper), "26 0");
}

// The engine as its definition reads: each step replaces its code everywhere in the text the earlier
// steps left (text inserted within a step is not searched again), on whole code page 932 characters.
std::u16string Chars(std::string_view text) {
    std::u16string chars;
    for (std::size_t pos = 0; pos < text.size(); pos += Cp932CharLength(text, pos)) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        chars += static_cast<char16_t>(
            Cp932CharLength(text, pos) == 1 ? lead : lead << 8 | static_cast<unsigned char>(text[pos + 1]));
    }
    return chars;
}

std::string Bytes(std::u16string_view chars) {
    std::string text;
    for (const char16_t unit : chars) {
        if (unit > 0xFF) {
            text += static_cast<char>(unit >> 8);
        }
        text += static_cast<char>(unit & 0xFF);
    }
    return text;
}

// The definition's steps for one colour: what each step finds and what it puts in its place.
std::vector<std::pair<std::u16string, std::u16string>> Steps(const ColorState& color, const TextOptions& options) {
    const std::pair<char16_t, double> letters[] = {{u'R', color.CurR}, {u'G', color.CurG}, {u'B', color.CurB},
                                                   {u'C', color.CurC}, {u'M', color.CurM}, {u'Y', color.CurY},
                                                   {u'K', color.CurK}};
    const auto produced = [&options](const std::string& piece) {
        return Chars(ApplyHexCase(piece, options.LowerCaseHex));
    };
    std::vector<std::pair<std::u16string, std::u16string>> steps{{u"\\\\", u"\r"}};
    for (const auto& [letter, v] : letters) {
        const std::u16string code{u'\\', letter};
        steps.emplace_back(code + letter, produced(FormatHex2(RoundHalfAway(v))));
        steps.emplace_back(code + u'%', produced(FormatDecimal(RoundHalfAway(v * 100 / 255))));
        for (int n = 1; n <= 9; ++n) {
            steps.emplace_back(code + static_cast<char16_t>(u'0' + n),
                               produced(FormatFixed(v / 255, n, options.DecimalSeparator)));
        }
        steps.emplace_back(code, produced(FormatDecimal(RoundHalfAway(v))));
    }
    steps.emplace_back(u"\\W", Chars(FormatDecimal(color.CurColor)));
    steps.emplace_back(u"\\", u"");
    steps.emplace_back(u"\r", u"\\");
    return steps;
}

constexpr std::string_view kBraceNames[] = {
    "hsl.h",   "hsl.s",          "hsl.l",          "hsv.h",         "hsv.s",        "hsv.v",   "hwb.h",
    "hwb.w",   "hwb.b",          "lab.l",          "lab.a",         "lab.b",        "lch.l",   "lch.c",
    "lch.h",   "lab65.l",        "lab65.a",        "lab65.b",       "oklab.l",      "oklab.a", "oklab.b",
    "oklch.l", "oklch.c",        "oklch.h",        "xyz.x",         "xyz.y",        "xyz.z",   "lum",
    "name",    "contrast.white", "contrast.black", "contrast.text", "contrast.back"};

// The brace codes of a text, "\{name}" or "\{name:n}", each put aside as a private-use character
// (U+E000 on) until the other steps are done.
std::u16string SetBraceCodesAside(std::u16string_view s, std::vector<std::u16string>& codes) {
    std::u16string result;
    for (std::size_t i = 0; i < s.size(); ++i) {
        std::size_t end = i;
        if (s.substr(i, 2) == u"\\{") {
            end = std::min(s.find_first_not_of(u"abcdefghijklmnopqrstuvwxyz0123456789.", i + 2), s.size());
            const bool known =
                std::ranges::find(kBraceNames, Bytes(s.substr(i + 2, end - i - 2))) != std::end(kBraceNames);
            end += end + 1 < s.size() && s[end] == u':' && s[end + 1] >= u'0' && s[end + 1] <= u'9' ? 2 : 0;
            end = known && end < s.size() && s[end] == u'}' ? end : i;
        }
        if (end == i) {
            result += s[i];
            continue;
        }
        codes.emplace_back(s.substr(i, end + 1 - i));
        result += static_cast<char16_t>(0xE000 + codes.size() - 1);
        i = end;
    }
    return result;
}

std::string ExpandStepByStep(std::string_view formatTemplate,
                             const std::vector<std::pair<std::u16string, std::u16string>>& steps,
                             const ColorState& color,
                             const TextOptions& options) {
    std::u16string s = Chars(formatTemplate);
    std::vector<std::u16string> braceCodes;
    for (const auto& [find, with] : steps) {
        for (auto pos = s.find(find); pos != s.npos; pos = s.find(find, pos + with.size())) {
            s.replace(pos, find.size(), with);
        }
        if (find == u"\\\\") {
            s = SetBraceCodesAside(s, braceCodes);
        }
    }
    for (std::size_t i = 0; i < braceCodes.size(); ++i) {
        const std::u16string text = Chars(ExpandFormat(Bytes(braceCodes[i]), color, options));
        s.replace(s.find(static_cast<char16_t>(0xE000 + i)), 1, text);
    }
    return Bytes(s);
}

std::string LabelStepByStep(std::string_view formatTemplate) {
    return ReplaceAll("\r", "\\",
                      ReplaceAll("\\", "", ReplaceAll("\\W", "DWORD", ReplaceAll("\\\\", "\r", formatTemplate))));
}

// Random templates built from the characters that take part in codes, brace codes among them, for colours
// whose texts start with a code letter (hexadecimal BB, C3), a fraction digit (decimal 187, 195, percent 100)
// or 0 and 1.
TEST(ExpandFormat, GivesWhatTheStepByStepDefinitionGives) {
    const std::string_view pieces[] = {
        "\\",        "\\",   "\\", "R",   "G",    "B",  "C",        "K",        "W",
        "%",         "1",    "2",  "0",   "x",    "\r", "\x95\x5C", "\\{",      "}",
        "\\{hsl.h}", "name", ":",  "lab", "65.l", "{",  "lum",      "\\{name}", "\\{contrast.text}"};
    const struct {
        ColorRef color;
        TextOptions options;
    } cases[] = {{0x003C2B1A, kUpper}, {0x00BB00FF, kUpper}, {0x0000C3BB, kUpper}, {0x0000C3BB, kLower}};
    std::vector<std::vector<std::pair<std::u16string, std::u16string>>> steps;
    for (const auto& [colorRef, options] : cases) {
        ColorState color;
        SetColor(color, colorRef);
        steps.push_back(Steps(color, options));
    }
    std::mt19937 random(12);
    for (int round = 0; round < 20000; ++round) {
        std::string formatTemplate;
        for (auto length = random() % 12; length > 0; --length) {
            formatTemplate += pieces[random() % std::size(pieces)];
        }
        EXPECT_EQ(FormatLabel(formatTemplate), LabelStepByStep(formatTemplate))
            << "template " << testing::PrintToString(formatTemplate);
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            ColorState color;
            SetColor(color, cases[i].color);
            EXPECT_EQ(ExpandFormat(formatTemplate, color, cases[i].options),
                      ExpandStepByStep(formatTemplate, steps[i], color, cases[i].options))
                << "template " << testing::PrintToString(formatTemplate) << ", colour " << cases[i].color;
        }
        if (HasFailure()) {
            return;
        }
    }
}

TEST(ApplyHexCase, ChangesAsciiLettersOnly) {
    EXPECT_EQ(ApplyHexCase("1a2B-z", false), "1A2B-Z");
    EXPECT_EQ(ApplyHexCase("1a2B-Z", true), "1a2b-z");
    EXPECT_EQ(ApplyHexCase("0.102", true), "0.102");
    // The second bytes of "Ｂ" ("\x82\x61") and "．" ("\x81\x44") have the codes of 'a' and 'D'.
    EXPECT_EQ(ApplyHexCase("\x82\x61"
                           "a",
                           false),
              "\x82\x61"
              "A");
    EXPECT_EQ(ApplyHexCase("\x81\x44"
                           "A",
                           true),
              "\x81\x44"
              "a");
}

TEST(FormatLabel, ShowsCodesByTheirLetters) {
    EXPECT_EQ(FormatLabel("#\\RR\\GG\\BB"), "#RRGGBB");
    EXPECT_EQ(FormatLabel("\\W"), "DWORD");
    EXPECT_EQ(FormatLabel("\\\\W"), "\\W");
    EXPECT_EQ(FormatLabel("\\\\\\W"), "\\DWORD");
    EXPECT_EQ(FormatLabel("a\\"), "a");
    EXPECT_EQ(FormatLabel(""), "");
    EXPECT_EQ(FormatLabel("\x95\x5C\\R"), "\x95\x5CR");
}

TEST(FormatLabels, KeepsTheOrderOfTheList) {
    EXPECT_EQ(FormatLabels({}), std::vector<std::string>{});
    EXPECT_EQ(FormatLabels({"\\W", "\\R,\\G"}), (std::vector<std::string>{"DWORD", "R,G"}));
}

std::vector<std::string> SplitLines(const std::string& text, const std::string& lineEnd) {
    std::vector<std::string> lines;
    for (std::size_t begin = 0; begin < text.size();) {
        std::size_t end = text.find(lineEnd, begin);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(begin, end - begin));
        begin = end + lineEnd.size();
    }
    return lines;
}

// The golden file holds one line per default template: the template, its label, its text and its
// text with lower-case digits, separated by tabs.
TEST(DefaultFormatList, GivesTheGoldenLabelsAndTexts) {
    std::ifstream file(TINTREL_TEST_SOURCE_DIR "/color/default_templates.golden", std::ios::binary);
    ASSERT_TRUE(file) << "cannot open the golden file";
    std::stringstream golden;
    golden << file.rdbuf();
    const std::vector<std::string> goldenLines = SplitLines(golden.str(), "\n");

    const std::string listText(kDefaultFormatListText);
    ASSERT_TRUE(listText.ends_with("\r\n"));
    const std::vector<std::string> templates = SplitLines(listText, "\r\n");
    ASSERT_EQ(templates.size(), 16u);
    ASSERT_EQ(goldenLines.size(), templates.size());
    EXPECT_EQ(templates.front(), kWebColorTemplate);

    for (std::size_t i = 0; i < templates.size(); ++i) {
        const std::string& t = templates[i];
        const std::string actual = t + "\t" + FormatLabel(t) + "\t" + ExpandFormat(t, WorkedColor(), kUpper) + "\t" +
                                   ExpandFormat(t, WorkedColor(), kLower);
        EXPECT_EQ(actual, goldenLines[i]) << "template " << i + 1;
    }
}

}  // namespace
}  // namespace tintrel
