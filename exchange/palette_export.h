#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "color/format_template.h"
#include "exchange/exchange_palette.h"
#include "palette/pallet_store.h"

namespace tintrel {

enum class ExportFormat { Gpl, Ase, Aco, PaintNet, Css, Json, TemplateText };

// One file type of the Save dialog.
struct ExportType {
    ExportFormat Format;
    bool AllPages;                 // every page, for the formats that hold groups
    std::string_view Extension;    // with its dot, lower case
    std::string_view Description;  // code page 932
};

// The file types in the order the Save dialog lists them.
std::span<const ExportType> ExportTypes();

// The type a file is written as: the typed extension decides when it names a format (".txt" names
// Paint.NET unless a text type was chosen), otherwise the chosen type does and its extension is to be
// added. `extension` is the typed name's extension with its dot, in any case; `chosen` an index of
// ExportTypes().
struct ExportDecision {
    std::size_t Type = 0;
    bool AddExtension = false;
};
ExportDecision DecideExportType(std::string_view extension, std::size_t chosen);

// The palette's pages as exchanged: each cell of the grid in row order, with the page's name.
std::vector<ExchangePage> PagesForExport(const PalletStore& store, const std::vector<std::string>& names);
// The pick history as a page named "履歴", newest first, laid out on the pages' grid.
ExchangePage HistoryForExport(const PalletStore& store);

// The file's bytes: the selected page, or every page when the type says so. Text through the template
// takes `formatTemplate` and `options`. Throws ExchangeError for a page the format cannot hold.
std::string WriteExport(const ExportType& type,
                        const std::vector<ExchangePage>& pages,
                        std::int32_t selectedPage,
                        std::string_view formatTemplate,
                        const TextOptions& options);

}  // namespace tintrel
