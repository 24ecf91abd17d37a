#include "color/format_template.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tintrel {
namespace {

struct ReplaceCase {
    const char* pattern;
    const char* replacement;
    const char* text;
    const char* expected;
};

void PrintTo(const ReplaceCase& c, std::ostream* os) {
    *os << "\"" << c.pattern << "\" by \"" << c.replacement << "\" in \"" << c.text << "\"";
}

class ReplaceAllCases : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAllCases, GivesTheResultOfTheSearchFromTheStartLoop) {
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(ReplaceAll(c.pattern, c.replacement, c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(PlainText,
                         ReplaceAllCases,
                         testing::Values(ReplaceCase{"a", "b", "banana", "bbnbnb"},
                                         ReplaceCase{"\\", "", "\\a\\b\\", "ab"},
                                         ReplaceCase{"\\R", "26", "#\\R\\R", "#2626"},
                                         ReplaceCase{"x", "y", "", ""},
                                         ReplaceCase{"", "y", "abc", "abc"},
                                         ReplaceCase{"abc", "y", "ab", "ab"},
                                         ReplaceCase{"A", "b", "a", "a"},  // case-sensitive
                                         // A replacement that starts with the pattern is replaced once.
                                         ReplaceCase{"a", "ab", "aa", "aba"},
                                         // An occurrence formed across the replacement and the text after it.
                                         ReplaceCase{"ab", "xa", "abb", "xxa"},
                                         // An occurrence formed across the text before the replacement ends the loop.
                                         ReplaceCase{"ba", "a", "bba", "ba"},
                                         // So does one moved onto the position just replaced: of two adjacent
                                         // occurrences, only the first is removed.
                                         ReplaceCase{"\\", "", "a\\\\b\\", "a\\b\\"},
                                         // An occurrence inside the replacement, then one at an earlier position.
                                         ReplaceCase{"aca", "caaca", "aca", "cacaaca"}));

// Runs that would never end stop once their state repeats, with the text as it stands then.
INSTANTIATE_TEST_SUITE_P(EndlessRuns,
                         ReplaceAllCases,
                         testing::Values(ReplaceCase{"a", "ba", "a", "bba"},
                                         ReplaceCase{"a", "bba", "xa", "xbbbba"},
                                         ReplaceCase{"ab", "cab", "abab", "cccabab"}));

// Code page 932 text is matched by whole characters, and no byte is lost or changed on the way.
INSTANTIATE_TEST_SUITE_P(DoubleByteText,
                         ReplaceAllCases,
                         testing::Values(
                             // 表 ("\x95\x5C") ends in the backslash's code but is not a backslash.
                             ReplaceCase{"\\", "", "\x95\x5C\\R", "\x95\x5CR"},
                             ReplaceCase{"\\R", "26", "\x95\x5C\\R",
                                         "\x95\x5C"
                                         "26"},
                             ReplaceCase{"\x5C\x5C", "\r", "\x95\x5C\x5C\x5C", "\x95\x5C\r"},
                             // A lone lead byte as the pattern matches only a lone lead byte.
                             ReplaceCase{"\x95", "x", "\x95\x5C\x95\x7F", "\x95\x5Cx\x7F"},
                             // A double-byte pattern (表) and replacement (色, "\x90\x46").
                             ReplaceCase{"\x95\x5C", "\x90\x46",
                                         "a\x95\x5C"
                                         "b",
                                         "a\x90\x46"
                                         "b"},
                             // Malformed bytes survive: a lead byte before an invalid second byte, before the end, and
                             // bytes that start nothing.
                             ReplaceCase{"a", "b",
                                         "\x81\x7F"
                                         "a\xFD\xA0"
                                         "a\x81",
                                         "\x81\x7F"
                                         "b\xFD\xA0"
                                         "b\x81"}));

// The loop exactly as written, without the stop for endless runs: nullopt when it has not ended
// after `cap` replacements.
std::optional<std::string> PlainReplaceAll(const std::string& pattern,
                                           const std::string& replacement,
                                           std::string text,
                                           int cap) {
    std::size_t last = 0;
    for (int count = 0; count < cap; ++count) {
        const std::size_t found = pattern.empty() ? std::string::npos : text.find(pattern);
        const std::size_t p = found == std::string::npos ? 0 : found + 1;
        if (p <= last) {
            return text;
        }
        last = p;
        text.replace(p - 1, pattern.size(), replacement);
    }
    return std::nullopt;
}

// Terminating runs of the sizes below end within 10 replacements; the cap leaves ample room.
constexpr int kPlainCap = 100;

struct Tally {
    int ended = 0;
    int endless = 0;
};

void ExpectSameAsPlainLoop(const std::string& pattern,
                           const std::string& replacement,
                           const std::string& text,
                           Tally& tally) {
    const std::string actual = ReplaceAll(pattern, replacement, text);
    const std::optional<std::string> plain = PlainReplaceAll(pattern, replacement, text, kPlainCap);
    if (!plain) {
        ++tally.endless;
        return;
    }
    ++tally.ended;
    EXPECT_EQ(actual, *plain) << "\"" << pattern << "\" by \"" << replacement << "\" in \"" << text << "\"";
}

// Every string over `alphabet` of a length from 0 to maxLength.
std::vector<std::string> AllStrings(const std::string& alphabet, std::size_t maxLength) {
    std::vector<std::string> strings{""};
    for (std::size_t begin = 0; strings.back().size() < maxLength;) {
        const std::size_t end = strings.size();
        for (std::size_t i = begin; i < end; ++i) {
            for (const char c : alphabet) {
                strings.push_back(strings[i] + c);
            }
        }
        begin = end;
    }
    return strings;
}

TEST(ReplaceAll, MatchesThePlainLoopOnEverySmallInputOverTwoLetters) {
    const std::vector<std::string> strings = AllStrings("ab", 5);
    Tally tally;
    for (const std::string& pattern : strings) {
        if (pattern.empty() || pattern.size() > 3) {
            continue;
        }
        for (const std::string& replacement : strings) {
            if (replacement.size() > 4) {
                continue;
            }
            for (const std::string& text : strings) {
                ExpectSameAsPlainLoop(pattern, replacement, text, tally);
            }
        }
    }
    EXPECT_GT(tally.ended, 0);
    EXPECT_GT(tally.endless, 0);
}

TEST(ReplaceAll, MatchesThePlainLoopOnRandomInputsOverThreeLetters) {
    // A fixed linear congruential generator, so that every platform tests the same inputs.
    std::uint32_t seed = 12345;
    const auto next = [&seed](std::uint32_t bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % bound;
    };
    const auto randomString = [&next](std::uint32_t minLength, std::uint32_t maxLength) {
        std::string s(minLength + next(maxLength - minLength + 1), ' ');
        for (char& c : s) {
            c = "abc"[next(3)];
        }
        return s;
    };
    Tally tally;
    for (int i = 0; i < 20000; ++i) {
        const std::string pattern = randomString(1, 4);
        const std::string replacement = randomString(0, 7);
        const std::string text = randomString(0, 9);
        ExpectSameAsPlainLoop(pattern, replacement, text, tally);
    }
    EXPECT_GT(tally.ended, 0);
    EXPECT_GT(tally.endless, 0);
}

}  // namespace
}  // namespace tintrel
