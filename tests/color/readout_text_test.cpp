#include "color/readout_text.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tintrel {
namespace {

ColorState ColorOf(ColorRef value) {
    ColorState color;
    SetColor(color, value);
    return color;
}

// The eight texts in field order, so that a failure prints them all.
std::vector<std::string> Fields(const ReadoutTexts& t) {
    return {t.F, t.R, t.G, t.B, t.C, t.M, t.Y, t.K};
}

TEST(NotationFromChecks, TakesTheFirstCheckedItem) {
    EXPECT_EQ(NotationFromChecks({true, false, false, false}), Notation::Decimal);
    EXPECT_EQ(NotationFromChecks({false, true, false, false}), Notation::Hexadecimal);
    EXPECT_EQ(NotationFromChecks({false, false, true, false}), Notation::Percent);
    EXPECT_EQ(NotationFromChecks({false, false, false, true}), Notation::Fraction);
    EXPECT_EQ(NotationFromChecks({false, true, true, true}), Notation::Hexadecimal);
    EXPECT_EQ(NotationFromChecks({false, false, false, false}), Notation::None);
}

struct WorkedRow {
    Notation notation;
    bool lowerCase;
    const char* r;
    const char* g;
    const char* b;
    const char* c;
    const char* m;
    const char* y;
    const char* k;
};

void PrintTo(const WorkedRow& row, std::ostream* os) {
    *os << "notation " << static_cast<int>(row.notation) << (row.lowerCase ? ", lower case" : "");
}

class WorkedReadout : public testing::TestWithParam<WorkedRow> {};

// Red 26, green 43, blue 60 (C, M, Y, K = 34, 17, 0, 195) with both groups in the row's notation.
TEST_P(WorkedReadout, FormatsTheSevenComponents) {
    const WorkedRow& row = GetParam();
    const TextOptions options{row.lowerCase, "."};
    const ReadoutTexts actual = ComposeReadout(ColorOf(0x003C2B1A), "", row.notation, row.notation, options);
    EXPECT_EQ(Fields(actual), (std::vector<std::string>{"", row.r, row.g, row.b, row.c, row.m, row.y, row.k}));
}

INSTANTIATE_TEST_SUITE_P(
    Notations,
    WorkedReadout,
    testing::Values(WorkedRow{Notation::Decimal, false, "26", "43", "60", "34", "17", "0", "195"},
                    WorkedRow{Notation::Hexadecimal, false, "1A", "2B", "3C", "22", "11", "00", "C3"},
                    WorkedRow{Notation::Hexadecimal, true, "1a", "2b", "3c", "22", "11", "00", "c3"},
                    WorkedRow{Notation::Percent, false, "10%", "17%", "24%", "13%", "7%", "0%", "76%"},
                    WorkedRow{Notation::Fraction, false, "0.102", "0.169", "0.235", "0.133", "0.067", "0.000", "0.765"},
                    // The lower-case option changes hexadecimal digits only.
                    WorkedRow{Notation::Decimal, true, "26", "43", "60", "34", "17", "0", "195"},
                    WorkedRow{Notation::Percent, true, "10%", "17%", "24%", "13%", "7%", "0%", "76%"},
                    WorkedRow{Notation::Fraction, true, "0.102", "0.169", "0.235", "0.133", "0.067", "0.000", "0.765"},
                    WorkedRow{Notation::None, false, "", "", "", "", "", "", ""}));

TEST(ComposeReadout, ExpandsTheGivenTemplate) {
    const ColorState color = ColorOf(0x003C2B1A);
    EXPECT_EQ(ComposeReadout(color, kWebColorTemplate, Notation::Decimal, Notation::Decimal, {}).F, "#1A2B3C");
    EXPECT_EQ(ComposeReadout(color, kWebColorTemplate, Notation::Decimal, Notation::Decimal, {true, "."}).F, "#1a2b3c");
    EXPECT_EQ(ComposeReadout(color, "\\W", Notation::Decimal, Notation::Decimal, {}).F, "3943194");
}

TEST(ComposeReadout, GivesEachGroupItsOwnNotation) {
    const ReadoutTexts actual = ComposeReadout(ColorOf(0x003C2B1A), "", Notation::Hexadecimal, Notation::Percent, {});
    EXPECT_EQ(Fields(actual), (std::vector<std::string>{"", "1A", "2B", "3C", "13%", "7%", "0%", "76%"}));
}

TEST(ComposeReadout, ShowsTheLettersWithoutAColor) {
    ColorState color = ColorOf(0x003C2B1A);
    ClearColor(color);
    const std::vector<std::string> letters{"", "R", "G", "B", "C", "M", "Y", "K"};
    for (const Notation notation :
         {Notation::Decimal, Notation::Hexadecimal, Notation::Percent, Notation::Fraction, Notation::None}) {
        EXPECT_EQ(Fields(ComposeReadout(color, kWebColorTemplate, notation, notation, {})), letters)
            << "notation " << static_cast<int>(notation);
    }
}

TEST(ComposeReadout, ReadsBlackAndWhiteAsWholePercentages) {
    EXPECT_EQ(Fields(ComposeReadout(ColorOf(0x000000), "", Notation::Percent, Notation::Percent, {})),
              (std::vector<std::string>{"", "0%", "0%", "0%", "0%", "0%", "0%", "100%"}));
    EXPECT_EQ(Fields(ComposeReadout(ColorOf(0xFFFFFF), "", Notation::Percent, Notation::Percent, {})),
              (std::vector<std::string>{"", "100%", "100%", "100%", "0%", "0%", "0%", "0%"}));
}

TEST(FormatComponent, UsesTheDecimalSeparator) {
    EXPECT_EQ(FormatComponent(26, Notation::Fraction, {false, ","}), "0,102");
    EXPECT_EQ(FormatComponent(255, Notation::Fraction, {false, ","}), "1,000");
    EXPECT_EQ(FormatComponent(26, Notation::Fraction, {true, "\x81\x44"}),
              "0\x81\x44"
              "102");
}

}  // namespace
}  // namespace tintrel
