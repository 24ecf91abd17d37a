#include "color/contrast_text.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace tintrel {
namespace {

std::string Shown(const std::optional<Rgb8>& color) {
    return color ? ColorEntryText(*color) : std::string("refused");
}

TEST(ParseColorEntry, TakesTheThreeFormsAndRefusesEverythingElse) {
    const struct {
        const char* typed;
        const char* expected;
    } rows[] = {
        {"#1A2B3C", "#1A2B3C"},
        {"1a2b3c", "#1A2B3C"},
        {"  #ffffff\t", "#FFFFFF"},
        {"26,43,60", "#1A2B3C"},
        {" 0 , 0 ,255 ", "#0000FF"},
        {"255,255,255", "#FFFFFF"},
        {"007,08,9", "#070809"},
        // Not colours: the box's colour stays.
        {"", "refused"},
        {"#", "refused"},
        {"#12345", "refused"},
        {"#1234567", "refused"},
        {"##123456", "refused"},
        {"12345G", "refused"},
        {"0x123456", "refused"},
        {"256,0,0", "refused"},
        {"1,2", "refused"},
        {"1,2,3,4", "refused"},
        {"1,,3", "refused"},
        {"-1,2,3", "refused"},
        {"1 2,3,4", "refused"},
        {"\x82\x60,1,2", "refused"},  // a double-byte letter
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Shown(ParseColorEntry(row.typed)), row.expected) << "typed: \"" << row.typed << "\"";
    }
}

TEST(ContrastText, RowsNameTheCriterionAndItsMinimumWithTheUsersSeparator) {
    // 通常の文字, 大きな文字, 非テキスト
    const std::string normal = "\x92\xCA\x8F\xED\x82\xCC\x95\xB6\x8E\x9A";
    const std::string large = "\x91\xE5\x82\xAB\x82\xC8\x95\xB6\x8E\x9A";
    const std::string nonText =
        "\x94\xF1\x83"
        "e\x83L\x83X\x83g";
    EXPECT_EQ(CriterionRowText(ContrastCriterion::AaNormalText, "."), "1.4.3 AA " + normal + " (4.5:1)");
    EXPECT_EQ(CriterionRowText(ContrastCriterion::AaLargeText, ","), "1.4.3 AA " + large + " (3:1)");
    EXPECT_EQ(CriterionRowText(ContrastCriterion::AaaNormalText, "."), "1.4.6 AAA " + normal + " (7:1)");
    EXPECT_EQ(CriterionRowText(ContrastCriterion::AaaLargeText, ","), "1.4.6 AAA " + large + " (4,5:1)");
    EXPECT_EQ(CriterionRowText(ContrastCriterion::NonText, "."), "1.4.11 AA " + nonText + " (3:1)");
}

TEST(ContrastText, SummaryReadsTheCutRatioThenEveryVerdict) {
    const std::string pass = "\x8D\x87\x8Ai";       // 合格
    const std::string fail = "\x95s\x8D\x87\x8Ai";  // 不合格
    const std::string comma =
        "\x81"
        "A";  // 、
    const auto verdicts = [&](double ratio) {
        std::string found;
        const std::string summary = ContrastSummary(ratio, ".");
        for (std::size_t at = summary.find(") "); at != std::string::npos; at = summary.find(") ", at + 1)) {
            found += summary.compare(at + 2, pass.size(), pass) == 0 ? 'P' : 'F';
        }
        return summary.substr(0, summary.find(comma)) + " " + found;
    };
    // The five in their order: AA normal, AA large, AAA normal, AAA large, non-text.
    EXPECT_EQ(verdicts(4.499), "4.49:1 FPFFP") << "4.499 fails both 4.5 and shows 4.49";
    EXPECT_EQ(verdicts(4.5), "4.50:1 PPFPP");
    EXPECT_EQ(verdicts(2.999), "2.99:1 FFFFF");
    EXPECT_EQ(verdicts(7.0), "7.00:1 PPPPP");
    EXPECT_EQ(verdicts(21.0), "21.00:1 PPPPP");
    EXPECT_NE(ContrastSummary(4.0, ".").find(fail), std::string::npos);
}

TEST(ContrastText, SimulatedPairsKeepGreysAndNameEachVision) {
    const ContrastPair pair{Rgb8{0x76, 0x76, 0x76}, Rgb8{255, 255, 255}};
    for (const ColorVision vision :
         {ColorVision::Protanopia, ColorVision::Deuteranopia, ColorVision::Tritanopia, ColorVision::Achromatopsia}) {
        const ContrastPair seen = SimulatedPair(pair, vision);
        EXPECT_EQ(ColorEntryText(seen.Text) + ColorEntryText(seen.Back), "#767676#FFFFFF");
    }
    EXPECT_EQ(ColorVisionName(ColorVision::Protanopia),
              "1\x8C^\x90"
              "F\x8Ao");
    EXPECT_EQ(ColorVisionName(ColorVision::Achromatopsia),
              "1\x90"
              "F\x8Ao");
}

}  // namespace
}  // namespace tintrel
