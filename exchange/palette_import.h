#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchange_palette.h"
#include "palette/pallet_store.h"

namespace tintrel {

enum class PaletteFormat { Gpl, Ase, Aco, PaintNet, PlainText, Unknown };

// The format of a palette file, told from its content alone: the swatch files by their first bytes, a
// GIMP palette by its first line, a Paint.NET palette by a comment or an AARRGGBB line first, plain
// text by a colour line first.
PaletteFormat DetectFormat(std::string_view bytes);

// The pages of a palette file; `fileName` (code page 932) names the pages of the formats that keep no
// name. Empty pages are dropped. Throws ExchangeError for a file that is empty, larger than
// kMaxExchangeFileBytes, of no known format, broken, or without a single colour.
std::vector<ExchangePage> ReadPaletteFile(std::string_view bytes, std::string_view fileName);

// What an import did to the palette.
struct ImportOutcome {
    std::int32_t FirstPage = 0;     // the first page that took colours, to be selected
    std::size_t ColorsLeftOut = 0;  // colours of the pages taken for which the grid had no cell
    std::size_t PagesLeftOut = 0;   // pages of the file for which the palette had no page
};

// True when the palette has no room for another page, so that an import replaces the selected one.
bool ImportReplacesPage(const PalletStore& store);

// Puts `pages` into the palette: as new pages after the last while there is room (named by the file),
// otherwise into `selectedPage` alone, which keeps its name. Each page's cells take the colours in row
// order, cells beyond them become black; every spare colour taken over is 0. The grid keeps its size;
// PalletModified is set. `names` holds one name per page and grows with the pages.
ImportOutcome ImportPages(PalletStore& store,
                          std::vector<std::string>& names,
                          const std::vector<ExchangePage>& pages,
                          std::int32_t selectedPage);

}  // namespace tintrel
