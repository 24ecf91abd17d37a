// Where imported colours go: new pages while there is room, else the selected page; never silently less.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "exchange/exchange_text.h"
#include "exchange/palette_import.h"

namespace tintrel {
namespace {

struct Placement {
    std::int32_t PagesBefore;
    std::size_t FilePages, ColoursPerPage;
    std::int32_t PagesAfter, FirstPage;
    std::size_t ColoursLeftOut, PagesLeftOut;
};

TEST(ImportPages, FillNewPagesOrTheSelectedOneAndCountWhatFoundNoRoom) {
    const Placement cases[] = {
        {4, 1, 5, 5, 4, 0, 0},   // a new page after the last
        {4, 1, 12, 5, 4, 0, 0},  // exactly the grid
        {4, 1, 13, 5, 4, 1, 0},  // one colour beyond it
        {6, 3, 2, 8, 6, 0, 1},   // two pages fit
        {7, 2, 20, 8, 7, 8, 1},  // one page, eight colours left out
        {8, 2, 3, 8, 2, 0, 1},   // full: the selected page is replaced
    };
    for (const Placement& row : cases) {
        SCOPED_TRACE(::testing::Message()
                     << row.PagesBefore << " pages, file of " << row.FilePages << " x " << row.ColoursPerPage);
        PalletStore store;
        store.SetPalletSize(4, 3, row.PagesBefore);
        store.DropColor(3, 2, 2, 0x123456);  // a spare colour on the page that may be replaced
        store.SetPalletModified(false);
        std::vector<std::string> names(static_cast<std::size_t>(row.PagesBefore), "old");
        std::vector<ColorRef> colours(row.ColoursPerPage);
        std::iota(colours.begin(), colours.end(), 1);
        std::vector<ExchangePage> pages;
        for (std::size_t page = 0; page < row.FilePages; ++page) {
            pages.push_back({"new" + std::to_string(page), 0, colours});
        }
        const ImportOutcome outcome = ImportPages(store, names, pages, 2);
        EXPECT_EQ(std::tuple(store.ZCount(), outcome.FirstPage, outcome.ColorsLeftOut, outcome.PagesLeftOut),
                  std::tuple(row.PagesAfter, row.FirstPage, row.ColoursLeftOut, row.PagesLeftOut));
        EXPECT_EQ(names.size(), static_cast<std::size_t>(row.PagesAfter));
        EXPECT_EQ(std::pair(store.XCount(), store.YCount()), std::pair(4, 3)) << "the grid keeps its size";
        EXPECT_TRUE(store.PalletModified());
        EXPECT_EQ(names[static_cast<std::size_t>(outcome.FirstPage)], row.PagesBefore == 8 ? "old" : "new0");
        // Row order; cells beyond the file's colours are black; no spare colour survives.
        for (std::int32_t index = 0; index < 12; ++index) {
            const auto cell = store.Cell(index % 4, index / 4, outcome.FirstPage);
            const ColorRef expected = static_cast<std::size_t>(index) < row.ColoursPerPage ? index + 1 : 0;
            EXPECT_EQ(*cell, (CellColors{expected, 0})) << "cell " << index;
        }
    }
}

TEST(PageNames, FromOtherToolsKeepToWhatThePaletteFileStores) {
    const std::pair<std::string, std::string> cases[] = {
        {"Tango Icon Theme", "Tango Icon Theme"},
        {"  \"quoted\"  ", "quoted"},
        {"a\tb\nc", "a?b?c"},
        {"123456789012345678901", "12345678901234567890"},
        {std::string(30, '\0'), std::string(20, '?')},
        // Ten double-byte characters fit; the eleventh is not cut in half.
        {"1\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0",
         "1\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0"},
        {"   ", ""},
    };
    for (const auto& [given, expected] : cases) {
        EXPECT_EQ(PageNameFrom(given), expected) << given;
    }
    EXPECT_EQ(PageNameFromFileName("C:\\a.b\\my palette.v2.gpl"), "my palette.v2");
    // A character code page 932 lacks becomes "?".
    EXPECT_EQ(Utf8ToCp932("\xED\x95\x9Ct\xED\x95\x9C"), "?t?");
}

}  // namespace
}  // namespace tintrel
