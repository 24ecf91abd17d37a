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
        {"#1A2B3C", "#1A2B3C"},      {"1a2b3c", "#1A2B3C"},      {"  #ffffff\t", "#FFFFFF"}, {"26,43,60", "#1A2B3C"},
        {" 0 , 0 ,255 ", "#0000FF"}, {"255,255,255", "#FFFFFF"}, {"007,08,9", "#070809"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Shown(ParseColorEntry(row.typed)), row.expected) << "typed: \"" << row.typed << "\"";
    }
    // Not colours, the last a double-byte letter: the box's colour stays.
    for (const char* typed : {"", "#", "#12345", "#1234567", "##123456", "12345G", "0x123456", "256,0,0", "1,2",
                              "1,2,3,4", "1,,3", "-1,2,3", "1 2,3,4", "\x82\x60,1,2"}) {
        EXPECT_EQ(Shown(ParseColorEntry(typed)), "refused") << "typed: \"" << typed << "\"";
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
    EXPECT_EQ(CriterionRowText(ContrastCriterion::AaaLargeText, ","), "1.4.6 AAA " + large + " (4,5:1)");
    EXPECT_EQ(CriterionRowText(ContrastCriterion::NonText, "."), "1.4.11 AA " + nonText + " (3:1)");
}

TEST(ContrastText, SummaryReadsTheCutRatioThenEveryVerdict) {
    const std::string pass = "\x8D\x87\x8Ai";  // 合格
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
}

}  // namespace
}  // namespace tintrel
