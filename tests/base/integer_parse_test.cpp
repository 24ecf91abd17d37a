#include "base/integer_parse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tintrel {
namespace {

constexpr std::int32_t kDefault = 12345;

struct ParseCase {
    std::string text;
    std::int32_t expected;
};

void ExpectParses(const std::vector<ParseCase>& cases) {
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseInteger(text, kDefault), expected) << "text \"" << text << "\"";
    }
}

TEST(ParseInteger, ReadsSignedDecimalsOverTheWhole32BitRange) {
    ExpectParses({
        {"0", 0},
        {"-0", 0},
        {"+7", 7},
        {"-16", -16},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"00000000000000000000042", 42},
        {"   255", 255},
    });
}

TEST(ParseInteger, ReadsEveryHexPrefixAsA32BitPattern) {
    ExpectParses({
        {"0x0000FF", 255},
        {"$FF", 255},
        {"xFF", 255},
        {"XfF", 255},
        {"0XFF", 255},
        {"$0", 0},
        {"$7FFFFFFF", 2147483647},
        {"$80000000", -2147483647 - 1},
        {"$FFFFFFFF", -1},
        {"0x000000000FFFFFFFF", -1},
        {"  $10", 16},
    });
}

TEST(ParseInteger, GivesTheDefaultForAnythingElse) {
    ExpectParses({
        {"", kDefault},
        {"   ", kDefault},
        {"\t5", kDefault},
        {"255 ", kDefault},
        {"255abc", kDefault},
        {"25.5", kDefault},
        {"1e3", kDefault},
        {"+", kDefault},
        {"-", kDefault},
        {"- 5", kDefault},
        {"--5", kDefault},
        {"2147483648", kDefault},
        {"-2147483649", kDefault},
        {"99999999999999999999", kDefault},
        {"$", kDefault},
        {"0x", kDefault},
        {"x", kDefault},
        {"-0x10", kDefault},
        {"+$10", kDefault},
        {"$-1", kDefault},
        {"$ 1", kDefault},
        {"$100000000", kDefault},
        {"$FG", kDefault},
        {"0x$1", kDefault},
        {"$FF ", kDefault},
        {std::string("5\0", 2), kDefault},
        {"\xEF\xBC\x95", kDefault},
    });
}

}  // namespace
}  // namespace tintrel
