// The pick history's rules, from the palette file as loaded to the palette file as saved.
#include "palette/pick_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "persist/pallet_file.h"
#include "tests/persist/test_support.h"

namespace tintrel {
namespace {

using test_support::Escaped;
using test_support::ReadBytes;
using test_support::TemporaryDirectory;
using test_support::WriteBytes;

using Step = std::function<void(PalletStore&)>;

Step Pick(std::int32_t color) {
    return [color](PalletStore& store) { store.History().Record(color); };
}
Step Remove(std::size_t index) {
    return [index](PalletStore& store) { store.History().Remove(index); };
}
Step Clear() {
    return [](PalletStore& store) { store.History().Clear(); };
}
// A new size of the pages, as the palette settings dialog gives it.
Step Grid(std::int32_t columns, std::int32_t rows) {
    return [columns, rows](PalletStore& store) { store.SetPalletSize(columns, rows, store.ZCount()); };
}

// The palette file's History section, from its header to the next section; empty without one.
std::string HistorySection(const std::string& file) {
    const auto start = file.find("[History]");
    if (start == std::string::npos) {
        return "";
    }
    const auto end = file.find("\r\n[", start);
    return file.substr(start, end == std::string::npos ? end : end + 2 - start);
}

// What the palette file holds of the history once saved: nothing, the section as it was read, or the
// history written anew, newest first.
enum class Saved { Nothing, AsItWas, Anew };

std::string SectionOf(const std::vector<std::int32_t>& colors) {
    std::string section = "[History]\r\nCount=" + std::to_string(colors.size()) + "\r\n";
    for (std::size_t index = 0; index < colors.size(); ++index) {
        section += "C_" + std::to_string(index) + "=" + std::to_string(colors[index]) + "\r\n";
    }
    return section;
}

TEST(PickHistory, KeepsThePicksNewestFirstOnceEachAndAsManyAsAPageHasCells) {
    const std::string grid2x1 = "[Pallet]\r\nxCount=2\r\nyCount=1\r\n";
    const std::string threeHeld = "[History]\r\nCount=3\r\nC_0=1\r\nC_1=2\r\nC_2=3\r\n";
    using enum Saved;
    const struct {
        const char* what;
        std::string file;  // the palette file at the start (4 by 4 cells unless it says otherwise)
        std::vector<Step> steps;
        std::vector<std::int32_t> colors;  // the history after the steps, newest first
        Saved saved;
    } cases[] = {
        {"nothing picked: no section", "", {}, {}, Nothing},
        {"a pick goes to the front", "", {Pick(7), Pick(0x3C2B1A)}, {0x3C2B1A, 7}, Anew},
        {"black is a colour like any", "", {Pick(0)}, {0}, Anew},
        {"a colour held already moves to the front", threeHeld, {Pick(3)}, {3, 1, 2}, Anew},
        {"the newest again: nothing to write", "[History]\r\nC_0=$1\r\nC_1=2\r\n", {Pick(1)}, {1, 2}, AsItWas},
        {"a full history lets the oldest go", grid2x1, {Pick(1), Pick(2), Pick(3)}, {3, 2}, Anew},
        {"a colour held moves up in a full history", grid2x1, {Pick(1), Pick(2), Pick(1)}, {1, 2}, Anew},
        {"a smaller page: the newest that fit", threeHeld, {Grid(2, 1)}, {1, 2}, AsItWas},
        {"the colours a smaller page let go do not come back", threeHeld, {Grid(1, 1), Grid(4, 4)}, {1}, AsItWas},
        {"Delete removes one", threeHeld, {Remove(1)}, {1, 3}, Anew},
        {"Delete beyond the end", threeHeld, {Remove(3)}, {1, 2, 3}, AsItWas},
        {"the last one removed: no section", "[History]\r\nCount=1\r\nC_0=5\r\n", {Remove(0)}, {}, Nothing},
        {"cleared: no section", threeHeld, {Clear()}, {}, Nothing},
        {"the section rewritten whole",
         "[History]\r\nCount=3\r\nC_0=1\r\nC_2=3\r\nC_1=2\r\nC_9=4\r\n",
         {Pick(5)},
         {5, 1, 2, 3},
         Anew},
        {"a count beyond the page",
         grid2x1 + "[History]\r\nCount=99\r\nC_0=1\r\nC_1=2\r\nC_2=3\r\n",
         {},
         {1, 2},
         AsItWas},
        {"values that are no numbers passed over",
         "[History]\r\nCount=4\r\nC_0=abc\r\nC_1=5\r\nC_2=\r\nC_3=0x10\r\n",
         {},
         {5, 16},
         AsItWas},
        {"gaps passed over", "[History]\r\nCount=4\r\nC_0=1\r\nC_3=4\r\n", {}, {1, 4}, AsItWas},
        {"a count below the keys ends the list", "[History]\r\nCount=1\r\nC_0=1\r\nC_1=2\r\n", {}, {1}, AsItWas},
        {"a negative count: the keys there", "[History]\r\nCount=-1\r\nC_0=7\r\nC_1=8\r\n", {Pick(9)}, {9, 7, 8}, Anew},
        {"repeats and values that are no colour left out",
         "[History]\r\nCount=5\r\nC_0=1\r\nC_1=1\r\nC_2=-5\r\nC_3=16777216\r\nC_4=16777215\r\n",
         {},
         {1, 0xFFFFFF},
         AsItWas},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        TemporaryDirectory directory;
        const auto path = directory / "Tintrel.plt";
        WriteBytes(path, row.file);
        PalletStore store;
        {
            ProfileFile file(path);
            PalletFileState state;
            LoadPalletFile(file, state, store);
        }
        for (const Step& step : row.steps) {
            step(store);
        }
        EXPECT_EQ(store.History().Colors(), row.colors);
        ProfileFile file(path);
        SavePalletFile(file, PalletFileState{}, store);
        file.Commit();
        const std::string expected = row.saved == Nothing   ? ""
                                     : row.saved == AsItWas ? HistorySection(row.file)
                                                            : SectionOf(row.colors);
        EXPECT_EQ(Escaped(HistorySection(ReadBytes(path))), Escaped(expected));
    }
}

TEST(PickHistory, NamesAPlaceForAScreenReader) {
    // "履歴 3 番目 1A2B3C", "履歴 12 番目 なし"
    EXPECT_EQ(HistoryPlaceName(2, 0x3C2B1A), "\x97\x9A\x97\xF0 3 \x94\xD4\x96\xDA 1A2B3C");
    EXPECT_EQ(HistoryPlaceName(11, std::nullopt), "\x97\x9A\x97\xF0 12 \x94\xD4\x96\xDA \x82\xC8\x82\xB5");
}

}  // namespace
}  // namespace tintrel
