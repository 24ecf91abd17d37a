#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/error.h"
#include "color/color_state.h"
#include "palette/pallet_store.h"

namespace tintrel {

// A palette on its way in or out: pages of colours in row order, each page with its name in code
// page 932. Files other tools read hold UTF-8 or UTF-16 text; it is converted at this boundary only.
struct ExchangePage {
    std::string Name;
    std::int32_t Columns = 0;  // the grid's columns, for the formats that keep them; 0 when unknown
    std::vector<ColorRef> Colors;
    std::size_t ColorsNotKept = 0;  // colours a file held beyond kMaxKeptColors, counted only

    // Appends `color`, or counts it when the page holds kMaxKeptColors already.
    void Add(ColorRef color);

    bool operator==(const ExchangePage&) const = default;
};

// What a file is read into, at most: no grid holds more colours, no palette more pages. What a file holds
// beyond is counted, so that reading a large file takes little more memory than its bytes.
inline constexpr std::size_t kMaxKeptColors = std::size_t{kMaxPalletColumns} * kMaxPalletRows;
inline constexpr std::size_t kMaxKeptPages = kMaxPalletPages;

// A palette file as read: its pages, none empty, and what it held that is not kept.
struct PaletteFile {
    std::vector<ExchangePage> Pages;  // at most kMaxKeptPages
    std::size_t PagesNotKept = 0;     // further pages with colours
    std::size_t NamesLost = 0;        // colour names a damaged file held that could not be read

    bool operator==(const PaletteFile&) const = default;
};

// Gathers a file's pages as a reader meets their colours. A page is begun by its first colour, so that
// none is empty.
class PageGatherer {
public:
    // The colours that follow go to a new page named `name`.
    void BeginPage(std::string name);
    void Add(ColorRef color);
    PaletteFile Finish() &&;

private:
    PaletteFile file_;
    std::string nextName_;
    bool begun_ = false;   // the current page has its first colour
    bool keeping_ = true;  // the current page is among the kept ones
};

// Files larger than this are refused before they are read.
inline constexpr std::size_t kMaxExchangeFileBytes = std::size_t{16} * 1024 * 1024;

// A palette file that cannot be taken in, or a palette that a format cannot hold. The message is code
// page 932 text; one with "%s" names the file there.
class ExchangeError : public Error {
public:
    explicit ExchangeError(const std::string& messageFormat) : Error(messageFormat) {}
};

}  // namespace tintrel
