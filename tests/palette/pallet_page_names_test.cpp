// The palette settings dialog's text: its page names, when OK may be pressed, and the page selected after.
#include "palette/pallet_page_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tintrel {
namespace {

// "色" in code page 932.
const std::string kColor = "\x90\x46";

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

std::string Visible(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        shown += c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '\t' ? "\\t" : std::string(1, c);
    }
    return "\"" + shown + "\"";
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
        EXPECT_EQ(SplitPageNames(text), names) << "text " << Visible(text);
        // The dialog is filled from the captions and split again on OK: nothing may change on the way.
        EXPECT_EQ(SplitPageNames(JoinPageNames(names)), names) << "text " << Visible(text);
    }
}

TEST(PalletSettingsValid, AcceptsSizesOf1To16AndOneTo8StorableNames) {
    const std::string fourNames = "a\r\nb\r\nc\r\nd\r\n";
    const struct {
        std::string columns;
        std::string rows;
        std::string names;
        bool valid;
    } cases[] = {
        {"4", "4", fourNames, true},
        {"0", "4", fourNames, false},
        {"17", "4", fourNames, false},
        {"1", "4", fourNames, true},
        {"16", "4", fourNames, true},
        {"$10", "4", fourNames, true},
        {"0x10", "4", fourNames, true},
        {" 8", "4", fourNames, true},
        {"8 ", "4", fourNames, false},
        {"-$10", "4", fourNames, false},
        {"", "4", fourNames, false},
        {"4", "0", fourNames, false},
        {"4", "17", fourNames, false},
        {"4", "16", fourNames, true},
        {"4", "x8", fourNames, true},
        {"4", "4", Repeat("p\r\n", 8), true},
        {"4", "4", Repeat("p\r\n", 9), false},
        {"4", "4", Repeat(kColor, 10), true},
        {"4", "4", Repeat(kColor, 10) + "x", false},
        {"4", "4", Repeat("x", 20), true},
        {"4", "4", Repeat("x", 21), false},
        {"4", "4", "a\r\n\r\nb", false},
        {"4", "4", "a\r\nb\r\n", true},
        {"4", "4", "a\r\nb\r\n\r\n", false},
        {"4", "4", "", false},
        {"4", "4", "a\nb\rc", true},
        {"4", "4", " a", false},
        {"4", "4", "a\t", false},
        {"4", "4", "a\v", false},
        {"4", "4", "a b", true},
        {"4", "4", "\"a\"", false},
        {"4", "4", "'a'", false},
        {"4", "4", "''", false},
        {"4", "4", "\"a'", true},
        {"4", "4", "\"", true},
        {"4", "4", "a\"", true},
        {"4", "4", ";a=[b]", true},
    };
    for (const auto& [columns, rows, names, valid] : cases) {
        EXPECT_EQ(PalletSettingsValid(columns, rows, names), valid)
            << "columns " << Visible(columns) << ", rows " << Visible(rows) << ", names " << Visible(names);
    }
}

TEST(PageAfterSettings, KeepsTheSelectedPageWhileItExistsElseTakesTheLast) {
    const struct {
        std::int32_t before;
        std::int32_t pages;
        std::int32_t after;
    } cases[] = {
        {3, 3, 2}, {1, 6, 1}, {0, 1, 0}, {7, 8, 7}, {8, 8, 7}, {-1, 4, 3},
    };
    for (const auto& [before, pages, after] : cases) {
        EXPECT_EQ(PageAfterSettings(before, pages), after) << "page " << before << " selected, " << pages << " pages";
    }
}

}  // namespace
}  // namespace tintrel
