#include "color/number_text.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace tintrel {
namespace {

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

TEST(FormatHex2, PadsToTwoUpperCaseDigits) {
    EXPECT_EQ(FormatHex2(0), "00");
    EXPECT_EQ(FormatHex2(10), "0A");
    EXPECT_EQ(FormatHex2(26), "1A");
    EXPECT_EQ(FormatHex2(255), "FF");
    EXPECT_EQ(FormatHex2(256), "100");
}

TEST(FormatHex2, WritesNegativeValuesAsTheir32BitPattern) {
    EXPECT_EQ(FormatHex2(-1), "FFFFFFFF");
    EXPECT_EQ(FormatHex2(kMin32), "80000000");
}

TEST(FormatDecimal, WritesAtLeastOneDigitAndASignWhenNegative) {
    EXPECT_EQ(FormatDecimal(0), "0");
    EXPECT_EQ(FormatDecimal(3943194), "3943194");
    EXPECT_EQ(FormatDecimal(-7), "-7");
    EXPECT_EQ(FormatDecimal(kMax32), "2147483647");
    EXPECT_EQ(FormatDecimal(kMin32), "-2147483648");
}

struct FixedCase {
    double value;
    int decimals;
    const char* expected;
};

void PrintTo(const FixedCase& c, std::ostream* os) {
    *os << std::hexfloat << c.value << std::defaultfloat << " (" << c.value << ") with " << c.decimals << " decimals";
}

class FormatFixedRounding : public testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedRounding, RoundsTheEighteenDigitValueHalfAwayFromZero) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(FormatFixed(c.value, c.decimals, "."), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values,
                         FormatFixedRounding,
                         testing::Values(FixedCase{26.0 / 255, 3, "0.102"},
                                         FixedCase{0.0, 3, "0.000"},
                                         FixedCase{0.0, 0, "0"},
                                         FixedCase{-0.0, 2, "0.00"},
                                         FixedCase{1.0 / 3, 9, "0.333333333"},
                                         FixedCase{123456789.98765433, 9, "123456789.987654328"},
                                         // Exact ties go away from zero (a C runtime would give 0.12 and 2).
                                         FixedCase{0.125, 2, "0.13"},
                                         FixedCase{0.375, 2, "0.38"},
                                         FixedCase{-0.125, 2, "-0.13"},
                                         FixedCase{2.5, 0, "3"},
                                         FixedCase{-2.5, 0, "-3"},
                                         // Doubles just above a tie, and one just below that stays below at 18 digits.
                                         FixedCase{0.0005, 3, "0.001"},
                                         FixedCase{0.1235, 3, "0.123"},
                                         // Doubles just below a tie whose first 18 digits round up to it: 0.1245 is
                                         // 0.124499999999999999|5559..., 0.0195 is 0.0194999999999999999|722...
                                         FixedCase{0.1245, 3, "0.125"},
                                         FixedCase{-0.1245, 3, "-0.125"},
                                         FixedCase{0.0195, 3, "0.020"},
                                         FixedCase{0.4995, 3, "0.500"},
                                         FixedCase{1.0585, 3, "1.059"},
                                         FixedCase{0.02495, 4, "0.0250"},
                                         // Carries through every digit.
                                         FixedCase{0.9999999999, 3, "1.000"},
                                         FixedCase{99.9996, 3, "100.000"},
                                         FixedCase{0.0006, 3, "0.001"},
                                         FixedCase{0.0004, 3, "0.000"},
                                         // A negative value that rounds to zero loses its sign.
                                         FixedCase{-0.0004, 3, "0.000"},
                                         // Beyond 18 digits the whole part is rounded as well.
                                         FixedCase{9223372036854775808.0, 3, "9223372036854775810.000"},
                                         FixedCase{1e23, 1, "99999999999999991600000.0"},
                                         FixedCase{std::numeric_limits<double>::denorm_min(), 9, "0.000000000"},
                                         FixedCase{std::nextafter(0.5, 0.0), 0, "0"},
                                         // Out-of-range decimals are clamped.
                                         FixedCase{0.5, 12, "0.500000000"},
                                         FixedCase{0.5, -1, "1"}));

TEST(FormatFixed, WritesTheWholeExpansionOfLargeValues) {
    EXPECT_EQ(FormatFixed(1e300, 0, "."), "100000000000000005" + std::string(283, '0'));
    EXPECT_EQ(FormatFixed(-1e300, 1, "."), "-100000000000000005" + std::string(283, '0') + ".0");
}

TEST(FormatFixed, UsesTheGivenSeparatorAsItIs) {
    EXPECT_EQ(FormatFixed(26.0 / 255, 3, ","), "0,102");
    EXPECT_EQ(FormatFixed(26.0 / 255, 3, ""), "0102");
    EXPECT_EQ(FormatFixed(26.0 / 255, 3, "\x81\x44"),
              "0\x81\x44"
              "102");  // full-width full stop
    EXPECT_EQ(FormatFixed(1.0, 0, ","), "1");
}

TEST(FormatFixed, NamesNonFiniteValues) {
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 3, "."), "NAN");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 3, "."), "INF");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<double>::infinity(), 3, "."), "-INF");
}

// Every fraction a byte can give, against integer arithmetic on the exact quotient x / 255. No such
// quotient lies on or within 1e-15 of a tie at 1 to 9 decimals, so the double's error and the rounding
// to 18 digits cannot move the result.
TEST(FormatFixed, MatchesExactQuotientsOfEveryByte) {
    for (std::int64_t x = 0; x <= 255; ++x) {
        std::int64_t scale = 1;
        for (int decimals = 1; decimals <= 9; ++decimals) {
            scale *= 10;
            std::int64_t scaled = x * scale / 255;
            if (2 * (x * scale % 255) >= 255) {
                ++scaled;
            }
            std::string fraction = std::to_string(scaled % scale);
            fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
            const std::string expected = std::to_string(scaled / scale) + "." + fraction;
            EXPECT_EQ(FormatFixed(static_cast<double>(x) / 255, decimals, "."), expected)
                << x << "/255 with " << decimals << " decimals";
        }
    }
}

}  // namespace
}  // namespace tintrel
