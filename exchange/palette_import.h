#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_path.h"
#include "exchange/exchange_palette.h"
#include "palette/pallet_store.h"

namespace tintrel {

enum class PaletteFormat { Gpl, Ase, Aco, PaintNet, PlainText, Css, Json, Unknown };

// The format of a palette file, told from its content alone: the swatch files by their first bytes, a
// GIMP palette by its first line, a Paint.NET palette by a comment or an AARRGGBB line first, plain
// text by a colour line first, design tokens by a "{" first, a style sheet by a rule or comment first.
PaletteFormat DetectFormat(std::string_view bytes);

// The pages of a palette file; `fileName` (code page 932) names the pages that have no name of their
// own. Throws ExchangeError for a file that is empty, larger than kMaxExchangeFileBytes, of no known
// format, broken, or without a single colour.
PaletteFile ReadPaletteFile(std::string_view bytes, std::string_view fileName);

// A line of an import's summary: a code page 932 message whose "%s" is where `Path` goes.
struct ImportNote {
    std::string MessageFormat;
    FilePath Path;
    bool IsError = false;  // the file was not read

    bool operator==(const ImportNote&) const = default;
};

// What an import did to the palette.
struct ImportOutcome {
    std::optional<std::int32_t> FirstPage;  // the first page that took colours, to be selected
    std::size_t ColorsLeftOut = 0;          // colours of the pages taken for which the grid had no cell
    std::size_t PagesLeftOut = 0;           // pages of the files for which the palette had no page
    std::size_t FilesLeftOut = 0;           // files of several not read after the user said no
    std::vector<ImportNote> Notes;          // files of several that could not be read, names lost
};

// True when the palette has no room for another page, so that an import goes into the selected page.
bool ImportReplacesPage(const PalletStore& store);

// Reads the file at a path for ImportFiles; throws FileError for one it cannot take.
using PaletteFileReader = std::function<PaletteFile(const FilePath&)>;
// Asked once, when the palette has no page left for a file: whether the `remaining` files, that one
// included, go into the selected page. No leaves them unread.
using FillSelectedQuestion = std::function<bool(std::size_t remaining)>;

// Imports `files` in their order, each file's pages as new pages after the last while there is room
// (named by the file, a name in use made unique), then, after the user agreed, the first page of each
// remaining file into `selectedPage`, one after another, that page keeping its name. A page's cells take
// its colours in row order, the cells after them become black, and every spare colour taken over is 0.
// The grid keeps its size; PalletModified is set when anything changed. `names` holds one name per page
// and grows with the pages. A single file that cannot be read throws its FileError, the palette as it
// was; one of several is noted and passed over.
ImportOutcome ImportFiles(PalletStore& store,
                          std::vector<std::string>& names,
                          std::int32_t selectedPage,
                          std::span<const FilePath> files,
                          const PaletteFileReader& read,
                          const FillSelectedQuestion& fillSelected);

}  // namespace tintrel
