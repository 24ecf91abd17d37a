#include "persist/pallet_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "persist/file_error.h"
#include "tests/persist/test_support.h"

namespace tintrel {

void PrintTo(const FloatRectangle& rect, std::ostream* out) {
    *out << "(" << rect.Left << ", " << rect.Top << ", " << rect.Right << ", " << rect.Bottom << ")";
}

namespace {

using test_support::Escaped;
using test_support::ReadBytes;
using test_support::TemporaryDirectory;
using test_support::WriteBytes;

const std::filesystem::path kGoldenDir = std::filesystem::path(TINTREL_TEST_SOURCE_DIR) / "persist" / "golden";

// "色" in code page 932.
const std::string kColor = "\x90\x46";

std::vector<std::string> DefaultNames(int pages) {
    std::vector<std::string> names;
    for (int page = 1; page <= pages; ++page) {
        names.push_back(kColor + std::to_string(page));
    }
    return names;
}

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

// One line per line of the file, escaped, so that a failure shows a readable diff.
std::string Lines(std::string_view bytes) {
    std::string lines;
    while (!bytes.empty()) {
        auto end = bytes.find('\n');
        end = end == bytes.npos ? bytes.size() : end + 1;
        lines += Escaped(bytes.substr(0, end)) + "\n";
        bytes.remove_prefix(end);
    }
    return lines;
}

struct CellProbe {
    std::int32_t column, row, page;
    std::int32_t current;
};

struct Expectation {
    FloatRectangle rect{};
    bool docked = true;
    bool view = true;
    std::int32_t columns = 4, rows = 4, pages = 4;
    std::int32_t select = 0;
    std::vector<std::string> names = {};  // empty: the default names of every page
    std::vector<CellProbe> cells = {};
    std::optional<std::string> fileAfter = {};  // the file's bytes after the load; absent: unchanged
};

TEST(PalletFileLoad, ReadsHandEditedFilesAsTheirDefaultsAndLimitsSay) {
    const std::string staleSections =
        "[Pallet]\r\nzCount=4\r\n[Tab5]\r\n; only a comment\r\n[Tab6]\r\n[Tab7]\r\nNAME=x\r\n"
        "[Tab8]\r\ntext without equals\r\n[Tab16]\r\nC_0_0=1\r\n[Tab17]\r\nNAME=y\r\n";
    const struct {
        const char* description;
        std::optional<std::string> file;  // absent: no file at all
        Expectation expected;
    } cases[] = {
        {"no file", std::nullopt, {}},
        {"Dock 1 floats, View 0 hides", "[Pallet]\r\nDock=1\r\nView=0\r\n", {.docked = false, .view = false}},
        {"Dock 0 docks", "[Pallet]\r\nDock=0\r\nView=1\r\n", {}},
        {"rectangle as stored",
         "[Pallet]\r\nLeft=-1200\r\nTop=5\r\nRight=$100\r\nBottom=abc\r\n",
         {.rect = {-1200, 5, 256, 470}}},
        {"sizes 0, 17, abc", "[Pallet]\r\nxCount=0\r\nyCount=17\r\nzCount=abc\r\n", {}},
        {"sizes in range, one in hex",
         "[Pallet]\r\nxCount=$10\r\nyCount=1\r\nzCount=8\r\n",
         {.columns = 16, .rows = 1, .pages = 8, .names = DefaultNames(8)}},
        {"sizes negative, huge, 9", "[Pallet]\r\nxCount=-3\r\nyCount=99999999999\r\nzCount=9\r\n", {}},
        {"names of 20 and 21 bytes, empty, 3000 bytes",
         "[Tab1]\r\nNAME=" + Repeat(kColor, 10) + "\r\n[Tab2]\r\nNAME=" + Repeat(kColor, 10) +
             "x\r\n[Tab3]\r\nNAME=\r\n[Tab4]\r\nNAME=" + std::string(3000, 'n') + "\r\n",
         {.names = {Repeat(kColor, 10), kColor + "2", kColor + "3", kColor + "4"}}},
        {"names kept byte for byte, quotes taken off",
         "[Pallet]\r\nzCount=2\r\n[Tab1]\r\nNAME=\x85\x40\xFD\r\n[Tab2]\r\nNAME=\"  x  \"\r\n",
         {.pages = 2, .names = {"\x85\x40\xFD", "  x  "}}},
        {"stale page sections with keys erased",
         staleSections,
         {.fileAfter = "[Pallet]\r\nzCount=4\r\n[Tab5]\r\n; only a comment\r\n[Tab6]\r\n"
                       "[Tab8]\r\ntext without equals\r\n[Tab17]\r\nNAME=y\r\n"}},
        {"cells taken as read; keys beyond the sizes stay",
         "[Pallet]\r\nxCount=2\r\nyCount=2\r\nzCount=1\r\n[Tab1]\r\nC_0_0=0x0000FF\r\nC_1_1=-1\r\n"
         "C_0_1=abc\r\nC_1_0=$7F000000\r\nC_2_0=5\r\nC_0_2=6\r\n[Tab2]\r\nC_0_0=7\r\n",
         {.columns = 2,
          .rows = 2,
          .pages = 1,
          .names = DefaultNames(1),
          .cells = {{0, 0, 0, 255}, {1, 1, 0, -1}, {0, 1, 0, 0}, {1, 0, 0, 0x7F000000}},
          .fileAfter = "[Pallet]\r\nxCount=2\r\nyCount=2\r\nzCount=1\r\n[Tab1]\r\nC_0_0=0x0000FF\r\nC_1_1=-1\r\n"
                       "C_0_1=abc\r\nC_1_0=$7F000000\r\nC_2_0=5\r\nC_0_2=6\r\n"}},
        {"Select within the pages", "[Pallet]\r\nSelect=3\r\n", {.select = 3}},
        {"Select one past the pages: the pick history's page", "[Pallet]\r\nSelect=4\r\n", {.select = 4}},
        {"Select past the history's page", "[Pallet]\r\nSelect=5\r\n", {}},
        {"Select -1 as saved without a selection", "[Pallet]\r\nSelect=-1\r\n", {}},
    };
    for (const auto& [description, file, expected] : cases) {
        SCOPED_TRACE(std::string(description) + ": " + (file ? Escaped(*file).substr(0, 300) : "(no file)"));
        TemporaryDirectory directory;
        const auto path = directory / "Tintrel.plt";
        if (file) {
            WriteBytes(path, *file);
        }
        PalletFileState state;
        PalletStore store;
        store.SetPalletModified(true);
        ProfileFile profile(path);
        LoadPalletFile(profile, state, store);

        EXPECT_EQ(state.FloatRect, expected.rect);
        EXPECT_EQ(state.PalletDocked, expected.docked);
        EXPECT_EQ(state.View, expected.view);
        EXPECT_EQ(store.XCount(), expected.columns);
        EXPECT_EQ(store.YCount(), expected.rows);
        EXPECT_EQ(store.ZCount(), expected.pages);
        EXPECT_EQ(state.Select, expected.select);
        EXPECT_EQ(state.PageNames, expected.names.empty() ? DefaultNames(expected.pages) : expected.names);
        for (const auto& [column, row, page, current] : expected.cells) {
            EXPECT_EQ(store.Cell(column, row, page), (CellColors{current, 0}))
                << "cell " << column << "," << row << "," << page;
        }
        EXPECT_TRUE(store.PalletModified()) << "the load leaves PalletModified as it was";
        if (!file) {
            EXPECT_EQ(directory.Listing(), "") << "no file is created";
        } else {
            EXPECT_EQ(Lines(ReadBytes(path)), Lines(expected.fileAfter.value_or(*file)));
        }
    }
}

TEST(PalletFileLoad, AFailedErasureReportsAfterLoadingAllButTheSelection) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.plt";
    WriteBytes(path,
               "[Pallet]\r\nxCount=2\r\nyCount=3\r\nzCount=1\r\nSelect=0\r\n[Tab1]\r\nNAME=one\r\nC_1_2=9\r\n"
               "[Tab2]\r\nC_0_0=1\r\n");
    ProfileFile profile(path);
    // The file turns into a directory before the erasure reaches it.
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    PalletFileState state;
    state.Select = 5;
    PalletStore store;
    EXPECT_THROW(LoadPalletFile(profile, state, store), FileError);
    EXPECT_EQ((std::vector<std::int32_t>{store.XCount(), store.YCount(), store.ZCount()}),
              (std::vector<std::int32_t>{2, 3, 1}));
    EXPECT_EQ(state.PageNames, std::vector<std::string>{"one"});
    EXPECT_EQ(store.Cell(1, 2, 0), (CellColors{9, 0}));
    EXPECT_EQ(state.Select, 5) << "the selection is not read after the failure";
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

// The state that every save case writes: 3 columns, 2 rows, 2 pages.
void MakeSavedPalette(PalletFileState& state, PalletStore& store) {
    state.FloatRect = {10, 20, 330, 140};
    state.PalletDocked = false;
    state.View = false;
    state.Select = 1;
    state.PageNames = {kColor + "Web", "  x  "};
    store.SetPalletSize(3, 2, 2);
    store.DropColor(0, 0, 0, 0x0000FF);  // written: red over black
    store.DropColor(1, 0, 0, 0x0000FF);
    store.DropColor(1, 0, 0, 0);            // written as 0: black over a red spare
    store.SetCurrent(0, 1, 0, 0x7F000000);  // written: positive, whatever its high byte
    store.SetCurrent(2, 0, 0, -5);          // left out: not above 0, spare 0
    store.DropColor(1, 1, 1, 0x3C2B1A);     // written
    store.SwapCell(0, 0, 1);                // left out: black in both colours
}

TEST(PalletFileSave, WritesTheGoldenFilesAndReadsBackWhatItWrote) {
    const struct {
        const char* name;    // golden/<name>.after.plt
        const char* before;  // golden/<before>.before.plt, or nullptr for no file
        bool modified;
    } cases[] = {
        {"pallet_new", nullptr, true},
        {"pallet_over_old", "pallet_over_old", true},
        {"pallet_unmodified", "pallet_over_old", false},
    };
    for (const auto& [name, before, modified] : cases) {
        SCOPED_TRACE(name);
        TemporaryDirectory directory;
        const auto path = directory / "Tintrel.plt";
        if (before != nullptr) {
            WriteBytes(path, ReadBytes(kGoldenDir / (std::string(before) + ".before.plt")));
        }
        PalletFileState saved;
        PalletStore store;
        MakeSavedPalette(saved, store);
        store.SetPalletModified(modified);
        ProfileFile file(path);
        SavePalletFile(file, saved, store);
        file.Commit();
        EXPECT_EQ(Lines(ReadBytes(path)), Lines(ReadBytes(kGoldenDir / (std::string(name) + ".after.plt"))));
    }

    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.plt";
    PalletFileState saved;
    PalletStore store;
    MakeSavedPalette(saved, store);
    {
        ProfileFile file(path);
        SavePalletFile(file, saved, store);
        file.Commit();
    }
    PalletFileState loaded;
    PalletStore reloaded;
    ProfileFile file(path);
    LoadPalletFile(file, loaded, reloaded);
    EXPECT_EQ(loaded.FloatRect, saved.FloatRect);
    EXPECT_EQ(loaded.PalletDocked, saved.PalletDocked);
    EXPECT_EQ(loaded.View, saved.View);
    EXPECT_EQ(loaded.Select, saved.Select);
    EXPECT_EQ(loaded.PageNames, saved.PageNames);
    for (std::int32_t column = 0; column < 3; ++column) {
        for (std::int32_t row = 0; row < 2; ++row) {
            for (std::int32_t page = 0; page < 2; ++page) {
                const CellColors cell = store.Cell(column, row, page).value();
                const bool written = cell.Current > 0 || cell.Spare > 0;
                EXPECT_EQ(reloaded.Cell(column, row, page), (CellColors{written ? cell.Current : 0, 0}))
                    << "cell " << column << "," << row << "," << page;
            }
        }
    }
}

TEST(PalletFileSave, APageAnImportFilledKeepsItsBlackCellsOverTheColoursTheFileHeld) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.plt";
    WriteBytes(path, "[Tab1]\r\nC_0_0=255\r\nC_1_0=255\r\n[Tab2]\r\nC_0_0=255\r\n");
    PalletFileState state;
    PalletStore store;
    store.SetPalletSize(2, 1, 2);
    store.SetCell(0, 0, 0, CellColors{0, 0});
    store.SetCell(1, 0, 0, CellColors{0x3C2B1A, 0});
    store.SwapCell(0, 0, 1);  // black in both colours on a page no import filled: the file's red stays
    {
        ProfileFile file(path);
        SavePalletFile(file, state, store);
        file.Commit();
    }
    PalletStore reloaded;
    ProfileFile file(path);
    LoadPalletFile(file, state, reloaded);
    EXPECT_EQ(reloaded.Cell(0, 0, 0), (CellColors{0, 0}));
    EXPECT_EQ(reloaded.Cell(1, 0, 0), (CellColors{0x3C2B1A, 0}));
    EXPECT_EQ(reloaded.Cell(0, 0, 1), (CellColors{255, 0}));
}

}  // namespace
}  // namespace tintrel
