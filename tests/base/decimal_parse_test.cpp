#include "base/decimal_parse.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace tintrel {
namespace {

double LibraryValue(const std::string& text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc() && end == text.data() + text.size()) << "library refuses \"" << text << "\"";
    return value;
}

TEST(ParseDecimal, RoundsAsTheLibraryDoesWhenOneMultiplyOrDivideIsExact) {
    for (const std::string text : {"0",
                                   "-0",
                                   "1",
                                   "-1",
                                   "255",
                                   "127.5",
                                   "0.5",
                                   ".5",
                                   "-.5",
                                   "5.",
                                   "1.e5",
                                   "1E5",
                                   "1e05",
                                   "1e+2",
                                   "50e-2",
                                   "0.1",
                                   "0.2",
                                   "0.3",
                                   "0.123456789",
                                   "0.0039215686",
                                   "9007199254740992",
                                   "1e22",
                                   "1e-22",
                                   "1.5e-22",
                                   "000000000000000000000000000001",
                                   "0.00000000000000000000000000000001e31"}) {
        const auto value = ParseDecimal(text);
        ASSERT_TRUE(value.has_value()) << "text \"" << text << "\"";
        EXPECT_EQ(*value, LibraryValue(text)) << "text \"" << text << "\"";
        EXPECT_EQ(std::signbit(*value), std::signbit(LibraryValue(text))) << "text \"" << text << "\"";
    }
}

TEST(ParseDecimal, ComesWithinAUnitInTheLastPlaceBeyondTheExactCase) {
    for (const std::string text :
         {"1e23", "1e-23", "123456789e30", "6.02214076e23", "1.7976931348623157e308", "2.2250738585072014e-308",
          "4.9406564584124654e-324", "1e-310", "12345678901234567890123", "0.1234567890123456789012345",
          "0.99999999999999994", "9007199254740993", "123456789012345678901234567890e-29", "3.14159265358979323846"}) {
        const auto value = ParseDecimal(text);
        ASSERT_TRUE(value.has_value()) << "text \"" << text << "\"";
        const double expected = LibraryValue(text);
        EXPECT_LE(std::abs(*value - expected), std::abs(expected - std::nextafter(expected, 0.0)))
            << "text \"" << text << "\" expected " << expected << " actual " << *value;
    }
}

TEST(ParseDecimal, RefusesAnythingButAWholePlainDecimal) {
    for (const std::string text :
         {"",    "-",    ".",    "-.",    "+5",    "--5",  " 5",  "5 ",   "1e",  "1e+",      "1e-", "e5",
          ".e5", "1..5", "1.5.", "1e5.5", "1e5e5", "0x10", "inf", "-inf", "nan", "infinity", "1,5", "5%"}) {
        EXPECT_EQ(ParseDecimal(text), std::nullopt) << "text \"" << text << "\"";
    }
}

TEST(ParseDecimal, RefusesValuesOutsideTheRangeOfADoubleButNotZeros) {
    for (const std::string text : {"1e309", "-1e400", "1.7976931348623159e308", "1e99999999999999999999", "1e-400",
                                   "2e-324", "-1e-99999999999999999999"}) {
        EXPECT_EQ(ParseDecimal(text), std::nullopt) << "text \"" << text << "\"";
    }
    EXPECT_EQ(ParseDecimal("0e999999999999"), 0.0);
    EXPECT_EQ(ParseDecimal("0.000e-999999"), 0.0);
}

}  // namespace
}  // namespace tintrel
