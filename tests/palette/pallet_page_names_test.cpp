// The palette settings dialog's text: its page names, when OK may be pressed, and the page selected after.
#include "palette/pallet_page_names.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>  // std::pair
#include <vector>

#include "tests/persist/test_support.h"

namespace tintrel {

void PrintTo(const SettingsProblem& problem, std::ostream* out) {
    *out << "field " << static_cast<int>(problem.Field) << ": " << test_support::Escaped(problem.Reason);
}

namespace {

using test_support::Escaped;

// "色" in code page 932.
const std::string kColor = "\x90\x46";

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

TEST(SplitPageNames, EveryLineBreakEndsANameAndAFinalOneAddsNone) {
    const struct {
        std::string text;
        std::vector<std::string> names;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\n", {"a", ""}},
        {kColor + "1\r\n" + kColor + "2\r\n", {kColor + "1", kColor + "2"}},
    };
    for (const auto& [text, names] : cases) {
        EXPECT_EQ(SplitPageNames(text), names) << "text " << Escaped(text);
        // The dialog is filled from the captions and split again on OK: nothing may change on the way.
        EXPECT_EQ(SplitPageNames(JoinPageNames(names)), names) << "text " << Escaped(text);
    }
}

TEST(PalletSettingsValid, AcceptsSizesOf1To16AndOneTo8StorableNames) {
    const std::string fourNames = "a\r\nb\r\nc\r\nd\r\n";
    // Each text in the column field and in the row field, the other holding 4.
    const std::pair<std::string, bool> sizes[] = {
        {"0", false},   {"17", false}, {"1", true},   {"16", true},    {"$10", true},
        {"0x10", true}, {" 8", true},  {"8 ", false}, {"-$10", false}, {"", false},
    };
    for (const auto& [size, valid] : sizes) {
        EXPECT_EQ(PalletSettingsValid(size, "4", fourNames), valid) << "columns " << Escaped(size);
        EXPECT_EQ(PalletSettingsValid("4", size, fourNames), valid) << "rows " << Escaped(size);
    }
    const std::pair<std::string, bool> names[] = {
        {Repeat("p\r\n", 8), true},
        {Repeat("p\r\n", 9), false},
        {Repeat(kColor, 10), true},
        {Repeat(kColor, 10) + "x", false},
        {Repeat("x", 21), false},
        {"a\r\n\r\nb", false},
        {"a\r\nb\r\n", true},
        {"a\r\nb\r\n\r\n", false},
        {"", false},
        {"a\nb\rc", true},
        {" a", true},  // the file keeps blanks and quotes at the ends by quoting the name
        {"a\t", true},
        {"a\v", true},
        {"a b", true},
        {"\"a\"", true},
        {"'a'", true},
        {"  ", true},
        {"\"a'", true},
        {"\"", true},
    };
    for (const auto& [text, valid] : names) {
        EXPECT_EQ(PalletSettingsValid("4", "4", text), valid) << "names " << Escaped(text);
    }
}

TEST(PageAfterSettings, KeepsTheSelectedPageWhileItExistsElseTakesTheLast) {
    const struct {
        std::int32_t before;
        std::int32_t pages;
        std::int32_t after;
    } cases[] = {{3, 3, 2}, {1, 6, 1}, {0, 1, 0}, {7, 8, 7}, {8, 8, 7}, {-1, 4, 3}};
    for (const auto& [before, pages, after] : cases) {
        EXPECT_EQ(PageAfterSettings(before, pages), after) << "page " << before << " selected, " << pages << " pages";
    }
}

TEST(PalletSettingsProblem, NamesTheFirstFaultyFieldInTabOrderAndWhy) {
    // "1～16 の数を入れてください", "タブは 1～8 行です（今は ", " 行）", " 行目：タブ名は 1～20 バイトです（今は ",
    // " バイト）"
    const std::string range =
        "1\x81`16 \x82\xCC\x90\x94\x82\xF0\x93\xFC\x82\xEA\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2";
    const std::string lines = "\x83^\x83u\x82\xCD 1\x81`8 \x8Ds\x82\xC5\x82\xB7\x81i\x8D\xA1\x82\xCD ";
    const std::string linesEnd = " \x8Ds\x81j";
    const std::string name =
        " \x8Ds\x96\xDA\x81\x46\x83^\x83u\x96\xBC\x82\xCD 1\x81`20 "
        "\x83o\x83\x43\x83g\x82\xC5\x82\xB7\x81i\x8D\xA1\x82\xCD ";
    const std::string bytes = " \x83o\x83\x43\x83g\x81j";
    const struct {
        std::string columns, rows, names;
        std::optional<SettingsProblem> expected;
    } cases[] = {
        {"4", "4", "a\r\n", std::nullopt},
        {"0", "4", "a", SettingsProblem{SettingsField::Columns, range}},
        {"4", "17", "a", SettingsProblem{SettingsField::Rows, range}},
        {"0", "0", "", SettingsProblem{SettingsField::Names, lines + "0" + linesEnd}},
        {"4", "4", Repeat("p\r\n", 9), SettingsProblem{SettingsField::Names, lines + "9" + linesEnd}},
        {"4", "4", "a\r\n\r\nb", SettingsProblem{SettingsField::Names, "2" + name + "0" + bytes}},
        {"x", "4", "a\r\n" + Repeat("x", 21), SettingsProblem{SettingsField::Names, "2" + name + "21" + bytes}},
    };
    for (const auto& [columns, rows, names, expected] : cases) {
        EXPECT_EQ(PalletSettingsProblem(columns, rows, names), expected) << Escaped(names);
    }
}

}  // namespace
}  // namespace tintrel
