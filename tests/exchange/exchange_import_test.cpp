// Where imported colours go: new pages while there is room, else the selected page; never silently less.
#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "exchange/exchange_messages.h"
#include "exchange/exchange_text.h"
#include "exchange/palette_import.h"
#include "persist/file_error.h"

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
        PaletteFile file;
        for (std::size_t page = 0; page < row.FilePages; ++page) {
            file.Pages.push_back({"new" + std::to_string(page), 0, colours});
        }
        const FilePath path[] = {FilePath()};
        const ImportOutcome outcome = ImportFiles(
            store, names, 2, path, [&](const FilePath&) { return file; }, [](std::size_t) { return true; });
        EXPECT_EQ(std::tuple(store.ZCount(), *outcome.FirstPage, outcome.ColorsLeftOut, outcome.PagesLeftOut),
                  std::tuple(row.PagesAfter, row.FirstPage, row.ColoursLeftOut, row.PagesLeftOut));
        EXPECT_EQ(names.size(), static_cast<std::size_t>(row.PagesAfter));
        EXPECT_EQ(std::pair(store.XCount(), store.YCount()), std::pair(4, 3)) << "the grid keeps its size";
        EXPECT_TRUE(store.PalletModified());
        EXPECT_EQ(names[static_cast<std::size_t>(*outcome.FirstPage)], row.PagesBefore == 8 ? "old" : "new0");
        // Row order; cells beyond the file's colours are black; no spare colour survives.
        for (std::int32_t index = 0; index < 12; ++index) {
            const auto cell = store.Cell(index % 4, index / 4, *outcome.FirstPage);
            const ColorRef expected = static_cast<std::size_t>(index) < row.ColoursPerPage ? index + 1 : 0;
            EXPECT_EQ(*cell, (CellColors{expected, 0})) << "cell " << index;
        }
    }
}

// One drop of several files: A and B fit in the two pages left, "bad" is noted, C, D and E find the
// palette full. Each script answers the one question differently.
struct DropScript {
    const char* What;
    bool Answer;
    std::vector<ColorRef> SelectedPage;  // its first cells afterwards
    std::size_t ColoursLeftOut, PagesLeftOut, FilesLeftOut;
};

TEST(ImportFiles, TakeSeveralFilesInOrderAndAskOnceWhenThePagesRunOut) {
    const DropScript scripts[] = {
        {"yes: the rest go one after another into the selected page", true, {0xC1, 0xC2, 0xD1, 0xE1, 0xE2}, 1, 1, 0},
        {"no: the rest are not read", false, {0x51, 0x52, 0x53, 0x54, 0x55}, 0, 0, 3},
    };
    const auto page = [](std::string name, std::vector<ColorRef> colours) {
        return ExchangePage{std::move(name), 0, std::move(colours)};
    };
    std::map<FilePath, PaletteFile> disk;
    disk[FilePath(1, 'A')] = PaletteFile{{page("old", {0xA1})}};
    disk[FilePath(1, 'B')] = PaletteFile{{page("B", {0xB1})}, 0, 3};
    disk[FilePath(1, 'C')] = PaletteFile{{page("C", {0xC1, 0xC2}), page("C2", {0xC3})}};
    disk[FilePath(1, 'D')] = PaletteFile{{page("D", {0xD1})}};
    disk[FilePath(1, 'E')] = PaletteFile{{page("E", {0xE1, 0xE2, 0xE3})}};
    const std::vector<FilePath> drop{FilePath(1, 'A'), FilePath(1, 'B'), FilePath(3, 'x'),
                                     FilePath(1, 'C'), FilePath(1, 'D'), FilePath(1, 'E')};
    for (const DropScript& script : scripts) {
        SCOPED_TRACE(script.What);
        PalletStore store;
        store.SetPalletSize(5, 1, 6);
        for (std::int32_t cell = 0; cell < 5; ++cell) {
            store.SetCurrent(cell, 0, 5, static_cast<ColorRef>(0x51 + cell));
        }
        std::vector<std::string> names{"old", "p2", "p3", "p4", "p5", "p6"};
        std::vector<FilePath> read;
        std::vector<std::size_t> asked;
        const ImportOutcome outcome = ImportFiles(
            store, names, 5, drop,
            [&](const FilePath& path) {
                read.push_back(path);
                if (!disk.contains(path)) {
                    throw FileError(std::string(kNotAPalette), path);
                }
                return disk[path];
            },
            [&](std::size_t remaining) {
                asked.push_back(remaining);
                return script.Answer;
            });
        EXPECT_EQ(read, std::vector<FilePath>(drop.begin(), drop.begin() + (script.Answer ? 6 : 4)));
        EXPECT_EQ(asked, std::vector<std::size_t>{3});
        EXPECT_EQ(names, (std::vector<std::string>{"old", "p2", "p3", "p4", "p5", "p6", "old (2)", "B"}));
        EXPECT_EQ(*outcome.FirstPage, 6);
        EXPECT_EQ(*store.Cell(0, 0, 6), (CellColors{0xA1, 0}));
        std::vector<ColorRef> selected;
        for (std::int32_t cell = 0; cell < 5; ++cell) {
            selected.push_back(store.Cell(cell, 0, 5)->Current);
        }
        EXPECT_EQ(selected, script.SelectedPage);
        EXPECT_EQ(std::tuple(outcome.ColorsLeftOut, outcome.PagesLeftOut, outcome.FilesLeftOut),
                  std::tuple(script.ColoursLeftOut, script.PagesLeftOut, script.FilesLeftOut));
        const std::string namesLost = std::string(kNamesLostPrefix) + "3" + std::string(kNamesLostSuffix);
        EXPECT_EQ(outcome.Notes, (std::vector<ImportNote>{{namesLost, FilePath(1, 'B'), false},
                                                          {std::string(kNotAPalette), FilePath(3, 'x'), true}}));
    }
}

TEST(ImportFiles, ASingleFileThatCannotBeReadLeavesThePaletteAsItWas) {
    PalletStore store;
    store.SetPalletSize(4, 4, 2);
    store.SetPalletModified(false);
    std::vector<std::string> names{"a", "b"};
    const FilePath path[] = {FilePath(1, 'x')};
    EXPECT_THROW(ImportFiles(
                     store, names, 0, path,
                     [](const FilePath& file) -> PaletteFile { throw FileError(std::string(kNotAPalette), file); },
                     [](std::size_t) { return true; }),
                 FileError);
    EXPECT_EQ(std::tuple(store.ZCount(), names.size(), store.PalletModified()), std::tuple(2, 2u, false));
}

TEST(PageNames, FromOtherToolsKeepToWhatThePaletteFileStores) {
    const std::pair<std::string, std::string> cases[] = {
        {"Tango Icon Theme", "Tango Icon Theme"},
        {"  \"quoted\"  ", "quoted"},
        // Cleaned before it is cut: neither the blanks nor the quotes push the name out.
        {std::string(20, ' ') + "Blue", "Blue"},
        {"\"" + std::string(30, ' ') + "'Blue'\" ", "Blue"},
        // Cut where a blank or an inner closing quote would end it.
        {"Nineteen characters  x", "Nineteen characters"},
        {"\"abcdefghijklmnopqr\"st", "abcdefghijklmnopqr"},
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
    // A name in use is numbered within 20 bytes, never cutting a double-byte character in half.
    const std::string nineWide = "1\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0";
    const std::vector<std::string> used{"a", "a (2)", nineWide, "123456789012345 xy", "\x90\x46\x31"};
    const std::pair<std::string, std::string> unique[] = {
        {"b", "b"},
        {"a", "a (3)"},
        {nineWide, nineWide.substr(0, 15) + " (2)"},
        {"123456789012345 xy", "123456789012345 (2)"},
        {"\x90\x46\x31", "\x90\x46\x31 (2)"},
    };
    for (const auto& [name, expected] : unique) {
        EXPECT_EQ(UniquePageName(name, used), expected) << name;
    }
    // A character code page 932 lacks becomes "?".
    EXPECT_EQ(Utf8ToCp932("\xED\x95\x9Ct\xED\x95\x9C"), "?t?");
}

}  // namespace
}  // namespace tintrel
