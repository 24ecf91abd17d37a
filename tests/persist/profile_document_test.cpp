#include "persist/profile_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/error.h"
#include "tests/persist/test_support.h"

namespace tintrel {
namespace {

using test_support::Escaped;

struct ReadCase {
    std::string file;
    std::string section;
    std::string key;
    std::optional<std::string> expected;  // nullopt: the key is not found
};

std::string Shown(const std::optional<std::string>& value) {
    return value ? Escaped(*value) : "(absent)";
}

void ExpectReads(const std::vector<ReadCase>& cases) {
    for (const auto& [file, section, key, expected] : cases) {
        const auto actual = ProfileDocument(file).Value(section, key);
        EXPECT_EQ(actual, expected) << "file " << Escaped(file) << ", section " << Escaped(section) << ", key "
                                    << Escaped(key) << "\n  expected " << Shown(expected) << "\n  actual   "
                                    << Shown(actual);
    }
}

TEST(ProfileDocumentRead, MatchesNamesWithoutCaseAndArgumentSpaces) {
    ExpectReads({
        {"[Sec]\r\nKey=v\r\n", "sEC", "kEY", "v"},
        {"[Sec]\r\nKey=v\r\n", "  Sec ", " Key  ", "v"},
        {"[Sec]\r\nKey=v\r\n", "\tSec", "Key", std::nullopt},
        {"[Sec]\r\nKey=v\r\n", "Sec", "Key\t", std::nullopt},
        {"[Sec]\r\nKey=Value\r\n", "Sec", "Key", "Value"},
        // ア (83 41) and ヂ (83 61) differ only in a second byte that looks like a letter.
        {"[\x83\x41]\r\nk=v\r\n", "\x83\x61", "k", std::nullopt},
        {"[\x83\x41]\r\nk=v\r\n", "\x83\x41", "K", "v"},
        {"[s]\r\nk=v\r\n", "t", "k", std::nullopt},
        {"[s]\r\nk=v\r\n", "s", "j", std::nullopt},
        {"", "s", "k", std::nullopt},
    });
}

TEST(ProfileDocumentRead, TrimsSpacesTabsAndVerticalTabsInTheFile) {
    ExpectReads({
        {" \t[ \tSec\v ]\r\n \t\vKey \t\v= \t\vtwo  words \t\v\r\n", "Sec", "Key", "two  words"},
        {"[s]\r\nk=\f1\r\n", "s", "k", "\f1"},
        {"[s]\r\nk=   \r\n", "s", "k", ""},
        {"[s]\r\nk=\r\n", "s", "k", ""},
    });
}

TEST(ProfileDocumentRead, TakesTheSectionNameUpToTheFirstClosingBracket) {
    ExpectReads({
        {"[sec]whoops]\r\nk=v\r\n", "sec", "k", "v"},
        {"[S   \r\nk=v\r\n", "S", "k", "v"},
        {"[[sec]\r\nk=v\r\n", "[sec", "k", "v"},
        {"[[sec]\r\nk=v\r\n", "sec", "k", std::nullopt},
        {"[]\r\nk=v\r\n", "", "k", "v"},
        {"sec]\r\nk=v\r\n", "sec", "k", std::nullopt},
        {"[\x83\x5D]\r\nk=v\r\n", "\x83\x5D", "k", "v"},  // ゾ ends in the byte of "]"
        {"[;s]\r\nk=v\r\n", ";s", "k", "v"},
    });
}

TEST(ProfileDocumentRead, FindsKeysOnlyAfterAHeaderAndOnlyInLinesWithAnEqualsSign) {
    ExpectReads({
        {"k=v\r\n[s]\r\n", "", "k", std::nullopt},
        {"k=v\r\n[s]\r\n", "s", "k", std::nullopt},
        {"[s]\r\na=b=c\r\n", "s", "a", "b=c"},
        {"[s]\r\n=v\r\n", "s", "", "v"},
        {"[s]\r\nk\r\n", "s", "k", std::nullopt},
        {"[s]\r\nk\r\nk=5\r\n", "s", "k", "5"},
        {"[s]\r\n;k=v\r\n", "s", ";k", std::nullopt},
        {"[s]\r\n \t\v;k=v\r\n", "s", "k", std::nullopt},
        {"[s]\r\nk=;x\r\n", "s", "k", ";x"},
        {"[s]\r\nk=v ; no comment\r\n", "s", "k", "v ; no comment"},
        {"[s]\r\n#k=v\r\n", "s", "#k", "v"},
    });
}

TEST(ProfileDocumentRead, RemovesOneOuterPairOfMatchingQuotes) {
    ExpectReads({
        {"[s]\r\nk=  \"   v   \"  \r\n", "s", "k", "   v   "},
        {"[s]\r\nk='\"x\"'\r\n", "s", "k", "\"x\""},
        {"[s]\r\nk=\"\"\r\n", "s", "k", ""},
        {"[s]\r\nk=''\r\n", "s", "k", ""},
        {"[s]\r\nk=\"\r\n", "s", "k", "\""},
        {"[s]\r\nk=\"x'\r\n", "s", "k", "\"x'"},
        {"[s]\r\nk=\"x\r\n", "s", "k", "\"x"},
        {"[s]\r\nk=a\"b\"\r\n", "s", "k", "a\"b\""},
    });
}

TEST(ProfileDocumentRead, AcceptsEveryLineBreak) {
    ExpectReads({
        {"[s]\rk=1\rj=2", "s", "j", "2"},
        {"[s]\nk=1\nj=2\n", "s", "j", "2"},
        {"[s]\n\rk=1\r\n\r\n\nj=2", "s", "k", "1"},
        {"[s]\r\n\r\n\r\nj=2", "s", "j", "2"},
    });
}

TEST(ProfileDocumentRead, UsesTheFirstOfDuplicateKeysAndSections) {
    ExpectReads({
        {"[s]\r\nk=1\r\nK=2\r\n", "s", "k", "1"},
        {"[s]\r\nk=1\r\n[S]\r\nk=2\r\nj=3\r\n", "s", "k", "1"},
        {"[s]\r\nk=1\r\n[S]\r\nk=2\r\nj=3\r\n", "s", "j", std::nullopt},
    });
}

TEST(ProfileDocumentRead, TreatsAUtf8ByteOrderMarkAsPartOfTheFirstLine) {
    ExpectReads({
        {"\xEF\xBB\xBF[s]\r\nk=v\r\n[t]\r\nk=w\r\n", "s", "k", std::nullopt},
        {"\xEF\xBB\xBF[s]\r\nk=v\r\n[t]\r\nk=w\r\n", "t", "k", "w"},
        {"[s]\r\nNAME=\x90\x46\x82\x50\r\n", "s", "NAME", "\x90\x46\x82\x50"},  // 色１
    });
}

TEST(ProfileDocumentRead, CutsLongValuesAtWholeCharactersWithin2047Bytes) {
    const std::string a2045(2045, 'a');
    const std::string a2046(2046, 'a');
    ExpectReads({
        {"[s]\r\nk=" + std::string(3000, 'a') + "\r\n", "s", "k", std::string(2047, 'a')},
        {"[s]\r\nk=\"" + std::string(3000, 'a') + "\"\r\n", "s", "k", std::string(2047, 'a')},
        {"[s]\r\nk=" + std::string(2047, 'a') + "\r\n", "s", "k", std::string(2047, 'a')},
        // あ (82 A0) straddles the cut and is left out whole; ending exactly at it, it stays.
        {"[s]\r\nk=" + a2046 + "\x82\xA0xyz\r\n", "s", "k", a2046},
        {"[s]\r\nk=" + a2045 + "\x82\xA0xyz\r\n", "s", "k", a2045 + "\x82\xA0"},
    });
}

TEST(ProfileDocumentKeys, CountOnlyKeyLinesOfTheFirstSection) {
    const struct {
        std::string file;
        bool expected;
    } cases[] = {
        {"[s]\r\nk=1\r\n", true},         {"[s]\r\n=1\r\n", false},   {"[s]\r\n", false},
        {"[s]\r\n; k=1\r\n\r\n", false},  {"[s]\r\ntext\r\n", false}, {"[t]\r\nk=1\r\n", false},
        {"[s]\r\n[S]\r\nk=1\r\n", false}, {"k=1\r\n[s]\r\n", false},  {"[s]\r\n =1\r\nk=\r\n", true},
        {"[s]\r\n \t\v\r\n", false},
    };
    for (const auto& [file, expected] : cases) {
        EXPECT_EQ(ProfileDocument(file).HasKeys("S"), expected) << "file " << Escaped(file);
    }
}

TEST(ProfileDocumentWrite, ReadsBackWhatItWrote) {
    ProfileDocument document("[s]\r\n");
    const std::string names[] = {"k", "K2", "\x83\x41", "\x83\x5D", "C_15_3", "", "a b", "#x"};
    for (const auto& name : names) {
        document.Set(name, name.empty() ? "k" : name, "v" + name);
    }
    for (const auto& name : names) {
        EXPECT_EQ(document.Value(name, name.empty() ? "k" : name), "v" + name) << "name " << Escaped(name);
    }
}

TEST(ProfileDocumentWrite, RefusesWhatTheFileCouldNotGiveBack) {
    const struct {
        std::string section, key, value;
    } cases[] = {
        // "s\x83": a lead byte at the end would take the "]" for its second byte.
        {"s", "k", "a\r\n[t]"}, {"s", "k", "a\rb"}, {"s", "k", "a\nb"}, {"s\n", "k", "v"},   {"s]", "k", "v"},
        {"s", "k\r", "v"},      {"s", "k=", "v"},   {"s", "[k", "v"},   {"s", ";k", "v"},    {"\ts", "k", "v"},
        {"s", "k\v", "v"},      {"s", "", "v"},     {"s", "  ", "v"},   {"s\x83", "k", "v"},
    };
    for (const auto& [section, key, value] : cases) {
        ProfileDocument document("[s]\r\nk=1\r\n");
        EXPECT_THROW(document.Set(section, key, value), Error)
            << "section " << Escaped(section) << ", key " << Escaped(key) << ", value " << Escaped(value);
        EXPECT_EQ(document.Bytes(), "[s]\r\nk=1\r\n");
    }
}

}  // namespace
}  // namespace tintrel
